// The chart across birth time: the consecutive intervals of local clock time, to the second,
// within which nothing a user reads off the chart's Pranapada changes (its sign, the
// ascendant's sign, the Moon's sign and the reference sunrise), with the classical check
// of each interval.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/date_time.h"
#include "chart/birth_data.h"
#include "chart/chart_run.h"
#include "chart/conventions.h"

namespace velquor {

inline constexpr int kDefaultTimelineSpanMinutes = 30;
inline constexpr int kMaxTimelineSpanMinutes = 12 * 60;

// Where the Pranapada Lagna stands in one interval, when a chart can be made there.
struct TimelineChart {
  int pranapadaSign = 1;       // 1 (Aries) .. 12 (Pisces)
  double firstDegrees = 0.0;   // its longitude at the interval's first second, 0..360
  double lastDegrees = 0.0;    // and at its last second
  int ascendantSign = 1;       // 1..12
  int moonSign = 1;            // 1..12
  int houseFromAscendant = 1;  // 1..12, the ascendant's sign as house 1
  int houseFromMoon = 1;       // 1..12, the Moon's sign as house 1
  LocalDateTime referenceSunrise;
  // The classical check: the Pranapada in the 1st, 5th, 9th or 7th sign from the ascendant,
  // and from the Moon. A mark only, no verdict on the birth time.
  bool checkFromAscendant = false;
  bool checkFromMoon = false;

  bool operator==(const TimelineChart&) const = default;
};

struct TimelineInterval {
  LocalDateTime from;  // first second, local clock
  LocalDateTime to;    // last second, inclusive
  std::optional<TimelineChart> chart;
  StopReason stopReason = StopReason::None;  // when there is no chart, why
  std::string stopMessage;                   // the chart run's message

  bool operator==(const TimelineInterval&) const = default;
};

// True for houses 1, 5, 9 and 7: the signs of the classical check.
bool IsCheckHouse(int house);

// The intervals covering every second from the birth time minus `spanMinutes` to the birth
// time plus `spanMinutes`, both ends included, in order, counted by `conventions`; consecutive
// intervals touch and differ in what they show. The same as running RunChart for every second of
// the span and joining equal neighbours, without doing so. Notes: the birth's date moves with its
// clock across midnight; the zone row and the daylight flag stay as given. A second whose date
// falls outside 1901..2050 is left out of the span. Throws std::invalid_argument for birth data
// RunChart refuses or a span outside 0..kMaxTimelineSpanMinutes.
std::vector<TimelineInterval> BirthTimeline(const BirthData& birth, int spanMinutes,
                                            const Conventions& conventions = {});

// The interval holding `moment`; nullptr when it lies outside them all.
const TimelineInterval* IntervalAt(const std::vector<TimelineInterval>& timeline,
                                   const LocalDateTime& moment);

}  // namespace velquor
