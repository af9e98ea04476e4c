// The options of the chart command, as typed, and their reading into a birth entry.
#pragma once

#include <string>

#include "cli/birth_input.h"

namespace velquor {

struct ChartOptions {
  std::string name, date, time, zone, lat, lon;
  std::string city, state, country;
  bool dst = false;
  bool json = false;
};

// The options, by the field they fill.
extern const FieldNames kChartOptionNames;

// Throws InputError naming the option whose text is malformed.
BirthInput BirthInputOfOptions(const ChartOptions& options);

}  // namespace velquor
