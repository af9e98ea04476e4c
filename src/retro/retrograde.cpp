#include "retro/retrograde.h"

#include "entry/chart_context.h"

namespace velquor {

void MarkRetrogrades(ChartContext& chart) {
  chart.ChartNames = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};
}

}  // namespace velquor
