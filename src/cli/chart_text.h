// The readable chart of the chart and example commands: the details, the position table,
// the sign chart and the house of the Pranapada Lagna with its text.
#pragma once

#include <string>

#include "chart/chart_result.h"

namespace velquor {

std::string FormatChartText(const ChartResult& chart);

}  // namespace velquor
