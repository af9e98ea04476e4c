// The options of the chart command, as typed, and their reading into a birth entry.
#pragma once

#include <string>

#include "births/convention_options.h"
#include "births/field_names.h"
#include "chart/birth_data.h"

namespace velquor {

struct ChartOptions {
  std::string name, date, time, zone, lat, lon;
  std::string city, state, country;
  std::string place;  // an atlas place instead of --lat and --lon (place_option.h)
  std::string fold;   // with --place: which reading of a clock time that happened twice
  bool dst = false;
  bool json = false;
  ConventionTexts conventions;
};

// The options, by the field they fill.
extern const FieldNames kChartOptionNames;

// Throws InputError naming the option whose text is malformed, or that is missing: --lat,
// --lon and --zone may be left out only when --place is given, which then supplies them
// (ApplyPlaceOption).
BirthData BirthDataOfOptions(const ChartOptions& options);

}  // namespace velquor
