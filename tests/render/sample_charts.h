// Charts for the render tests: births in New Delhi every two hours of one day, so that the
// ascendant takes most signs and crowded and empty houses both occur.
#pragma once

#include <vector>

#include "chart/chart_result.h"

namespace velquor::test {

// The charts of 1985-03-21 at 00:45, 02:45, … 22:45 (Indian time), ASHA MEHTA, New Delhi.
const std::vector<ChartResult>& SampleCharts();

}  // namespace velquor::test
