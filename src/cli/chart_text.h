// The readable chart of the chart and example commands: the details, the position table,
// the sign chart and the house of the Pranapada Lagna with its text.
#pragma once

#include <string>

#include "astro/vargas.h"
#include "chart/chart_result.h"
#include "chart/special_lagnas.h"

namespace velquor {

std::string FormatChartText(const ChartResult& chart);

// The same text with the sign chart of `varga` (headed by its code and name; D1 is the
// chart's own, headed "Hora" as always) and, when given, the special lagnas' table
// ("Special Lagnas": name, longitude, sign, house) after the positions.
std::string FormatChartText(const ChartResult& chart, Varga varga,
                            const SpecialLagnas* specialLagnas);

}  // namespace velquor
