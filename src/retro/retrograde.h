// Retrograde marks of the chart names.
#pragma once

namespace velquor {

struct ChartContext;

// Rewrites chart.ChartNames with the ten plain names and appends " (R) " to each of
// Mercury .. Saturn that was retrograde on the birth date.
void MarkRetrogrades(ChartContext& chart);

}  // namespace velquor
