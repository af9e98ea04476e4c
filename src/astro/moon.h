// The Moon's sidereal longitude and the start of its nakshatra.
#pragma once

#include <string>

namespace velquor {

struct ChartContext;

struct MoonResult {
  double MoonSidereal = 0.0;        // degrees, 0 <= x < 360
  std::string MoonText;             // FormatLongitude(MoonSidereal)
  double MoonNakshatraStart = 0.0;  // degrees, a 13.33-step table entry
};

// Reads chart.birth and chart.zone; writes chart.moon.
void ComputeMoon(ChartContext& chart);

}  // namespace velquor
