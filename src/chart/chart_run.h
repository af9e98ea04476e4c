// The chart run: from validated birth data and a time-zone row to a whole chart.
#pragma once

#include <optional>
#include <string>

#include "chart/birth_data.h"
#include "chart/chart_result.h"

namespace velquor {

// A chart either completes or stops with a message for the user (for example when the
// Sun does not rise or set on a day the chart needs).
struct ChartOutcome {
  std::optional<ChartResult> chart;
  std::string stopMessage;  // set when chart is empty
};

// Runs every step of the chart in order. `zoneIndex` is the selected row of the
// time-zone table (0..70). The birth data must have passed ValidateBirthData.
// Returned: the whole chart, or a stop message naming the date when a sunrise or sunset
// the chart needs does not happen there (sunrise and sunset of the birth day always; the
// previous sunrise for a birth before sunrise, the next one for a birth after sunset).
// Throws std::invalid_argument for a zone index or a field outside the form's ranges
// (years 1901..2050, a real calendar date, hours 0..23, minutes and seconds 0..59,
// longitude 0..179° 59', latitude 0..89° 59').
// Reentrant: all state lives in the run's own ChartContext.
ChartOutcome RunChart(const BirthData& birth, int zoneIndex);

}  // namespace velquor
