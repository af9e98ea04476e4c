// The sidereal ascendant of the birth moment.
#pragma once

#include <string>

namespace velquor {

struct ChartContext;

struct AscendantResult {
  double AyanamsaOffset = 0.0;     // minus the ayanamsa of the birth moment, degrees
  double AscendantSidereal = 0.0;  // degrees, 0..360
  int AscendantDegree = 0;         // floor(AscendantSidereal)
  std::string AscendantText;       // FormatLongitude(AscendantSidereal)
};

// Reads chart.birth and chart.zone; writes chart.ascendant.
void ComputeAscendant(ChartContext& chart);

}  // namespace velquor
