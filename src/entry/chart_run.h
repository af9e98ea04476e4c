// The chart run: from validated birth data and a time-zone row to a whole chart.
#pragma once

#include <optional>
#include <string>

#include "entry/birth_data.h"
#include "entry/chart_result.h"

namespace velquor {

// A chart either completes or stops with a message for the user (for example when the
// Sun does not rise or set on a day the chart needs).
struct ChartOutcome {
  std::optional<ChartResult> chart;
  std::string stopMessage;  // set when chart is empty
};

// Runs every step of the chart in order. `zoneIndex` is the selected row of the
// time-zone table (0..70). The birth data must have passed ValidateBirthData.
ChartOutcome RunChart(const BirthData& birth, int zoneIndex);

}  // namespace velquor
