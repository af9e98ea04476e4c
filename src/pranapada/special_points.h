// The eight special points the chart run tags in the special-point cells before the
// Pranapada Lagna: each shows only as one more (empty) line in the cell of its sign.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "pranapada/arudha.h"

namespace velquor {

inline constexpr int kSpecialPointCount = 8;

// Sign index (0 = Aries .. 11) of a longitude in degrees as the chart's position texts
// read it: floor(|x|) / 30, with exactly 360 reading as Aries.
int SignIndexOfLongitude(double x);

// Sign indices of the eight points, in tag order: fast, medium and slow points (the Sun
// at sunrise plus 1.25, 0.5 and 0.25 degrees per elapsed minute), the factor point of the
// arudha scan, the odd/even combination of the ascendant and the medium point, the Moon's
// sign, the Sun's sign (at the reference sunrise) and the nakshatra-fraction point.
struct SpecialPointInputs {
  double sunAtSunrise = 0.0;          // sidereal degrees
  std::string_view sunAtSunriseText;  // its short position text
  std::string_view moonText;          // short position text of the birth Moon
  double ascendantSidereal = 0.0;     // degrees
  int ascendantDegree = 0;            // floor of it
  double moonSidereal = 0.0;          // degrees
  double moonNakshatraStart = 0.0;    // degrees
  ArudhaState arudha;                 // as the twelve arudha calls left it
};

std::array<int, kSpecialPointCount> SpecialPointSigns(const SpecialPointInputs& in,
                                                      std::int64_t elapsedMinutes);

}  // namespace velquor
