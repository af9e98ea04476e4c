// From a birth entry to the arguments of a chart run, through the same checks as the form.
#pragma once

#include "cli/birth_input.h"
#include "chart/birth_data.h"

namespace velquor {

struct ChartRequest {
  BirthData birth;
  int zoneIndex = 0;
};

// Checks the form's domains (years 1901 to 2050, months 1 to 12, days 1 to 31, hours 0 to
// 23, minutes and seconds 0 to 59, a zone row 0 to 70), then the form's own checks
// (ValidateBirthData), which also reject days that a month does not have.
// Throws InputError naming the field by `names`.
ChartRequest MakeChartRequest(const BirthInput& input, const FieldNames& names);

}  // namespace velquor
