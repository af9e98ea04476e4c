// The births whose charts the JSON tests check against docs/chart.schema.json and against
// their own texts: the pinned charts, in the classic and the modern conventions, and an
// even sample of the reduced domain sweep (polar stops included), every fifth of it also
// in the modern conventions.
#pragma once

#include <string>
#include <vector>

#include "chart/birth_data.h"
#include "chart/conventions.h"

namespace velquor::test {

struct SampleBirth {
  BirthData birth;
  bool modern = false;  // the modern conventions, else the classic ones
};

std::vector<SampleBirth> SampleBirths();

// The batch input line of `sample`: every key a batch line reads.
std::string BatchInputLine(const SampleBirth& sample);

}  // namespace velquor::test
