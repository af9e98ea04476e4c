// Saved births that reach the corners of the exchange formats: both hemispheres, daylight
// saving, seconds, every set of conventions and a mixture, and texts with the characters
// CSV and JSON must quote (commas, quotes, line ends, accents).
#pragma once

#include <optional>
#include <vector>

#include "births/saved_birth.h"
#include "support/birth_of.h"

namespace velquor::test {

inline std::vector<SavedBirth> SampleSavedBirths() {
  SavedBirth asha{0,
                  BirthOf("ASHA MEHTA", 1985, 3, 21, 10, 45, 0, 34, 28, 37, false, 77, 13, true,
                          false, "New Delhi", "Delhi", "India"),
                  ClassicConventions(),
                  "",
                  "",
                  "",
                  std::nullopt};
  SavedBirth ana{0,
                 BirthOf("ANA SOUZA", 1990, 2, 28, 23, 59, 59, 24, 23, 32, true, 46, 38, false,
                         true, "São Paulo", "SP", "Brasil"),
                 ModernConventions(),
                 "rectified twice, \"about\" 23:59",
                 "",
                 "",
                  std::nullopt};
  Conventions mixture;
  mixture.sunrise = SunriseConvention::UpperLimb;
  SavedBirth quoted{0,
                    BirthOf("JOHN O", 1901, 1, 1, 0, 0, 0, 0, 0, 0, false, 0, 0, true, false,
                            "St. John's, NL", " Avalon ", ""),
                    mixture,
                    "line one\nline two, with a comma",
                    "",
                    "",
                  std::nullopt};
  return {asha, ana, quoted};
}

}  // namespace velquor::test
