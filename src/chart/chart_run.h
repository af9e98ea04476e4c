// The chart run: from validated birth data to a whole chart.
#pragma once

#include <optional>
#include <string>

#include "astro/date_time.h"
#include "astro/sunrise.h"
#include "chart/birth_data.h"
#include "chart/chart_result.h"
#include "chart/conventions.h"
#include "pranapada/reference_sunrise.h"

namespace velquor {

// Why a chart could not be made although its birth data is sound.
enum class StopReason {
  None,       // the chart was made
  NoSunrise,  // a sunrise the count needs does not happen (polar day or night)
  NoSunset,   // the birth day has no sunset
};

// A chart either completes or stops with a reason and a message for the user.
struct ChartOutcome {
  std::optional<ChartResult> chart;
  StopReason stopReason = StopReason::None;
  std::string stopMessage;  // set when chart is empty
};

// The message of a stop: the sunrise or sunset that does not happen at the birth place on
// `date`, and whether the Sun stays above or below the horizon that day.
std::string NoSunEventMessage(const LocalDateTime& date, StopReason reason, SunEventStatus status);

// Runs every step of the chart in order for the birth data, its time-zone row included,
// by the conventions (the classic set unless others are given).
// Returned: the whole chart, or a stop message naming the date when a sunrise or sunset
// the chart needs does not happen there (sunrise and sunset of the birth day always; the
// previous sunrise for a birth before sunrise, the next one for a birth after sunset).
// Throws std::invalid_argument for birth data that fails the form's checks of numbers
// (CheckChartable: years 1901..2050, a real calendar date, hours 0..23, minutes and seconds
// 0..59, a zone row 0..70, longitude 0..179° 59', latitude 0..89° 59'); the name may be empty.
// Reentrant: every step takes what it reads and returns what it computes.
ChartOutcome RunChart(const BirthData& birth, const Conventions& conventions = {});

// How the conventions count a birth after sunset.
NightCount NightCountOf(const Conventions& conventions);

}  // namespace velquor
