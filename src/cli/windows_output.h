// The windows command's output: the birth-time timeline as a readable table or as JSON.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chart/birth_data.h"
#include "chart/birth_timeline.h"

namespace velquor {

// The clock of the birth place by the time-zone database, when the place (not a zone row)
// gave the birth's zone. The timeline counts on the fixed clock of the birth's row and
// daylight tick; where the place's clocks changed within the span, the rows show each
// instant as the place's clock then read, with its offset, and say where the clocks changed,
// so that no clock time is listed that never happened.
struct PlaceClock {
  std::string ianaZone;        // "America/New_York"
  int fixedOffsetSeconds = 0;  // east of Greenwich: the birth's row, plus the daylight hour
};

// The place clock's readings of the timeline when its clocks changed within it (or differ
// from the fixed clock anywhere in it); nothing when the fixed clock's readings hold.
struct ClockReading {
  LocalDateTime clock;
  int offsetSeconds = 0;
};
std::optional<std::vector<std::pair<ClockReading, ClockReading>>> PlaceReadings(
    const PlaceClock& place, const std::vector<TimelineInterval>& timeline);

// A heading naming the birth, the span and the conventions, then one row per interval: from and to
// (local clock, to the second), the Pranapada's sign and degrees, its house from the ascendant and
// from the Moon, the ascendant's sign and the marks of the classical check; the row holding
// the birth time starts with ">". An interval without a chart gives its reason instead.
// With a `place` whose clocks changed in the span, each time carries its offset
// ("2021-03-14 03:10:00 -4:00") and a line after the captions says where the clocks changed.
std::string FormatWindowsText(const BirthData& birth, int spanMinutes,
                              const Conventions& conventions,
                              const std::vector<TimelineInterval>& timeline,
                              const PlaceClock* place = nullptr);

// A JSON array, one object per interval: "from" and "to" ("YYYY-MM-DD HH:MM:SS", both
// included), "pranapada_sign" and "ascendant_sign" (1..12), "pranapada_degrees" (its first
// and last longitude), "house_from_ascendant", "house_from_moon", "moon_sign",
// "reference_sunrise" and "check" {"ascendant", "moon"}; or, without a chart, "error" and
// "kind" ("polar"). With a `place` whose clocks changed in the span, "from" and "to" are the
// place's clock readings and "from_offset" and "to_offset" their offsets ("-4:00").
void AppendWindowsJson(std::string& out, const std::vector<TimelineInterval>& timeline,
                       const PlaceClock* place = nullptr);

}  // namespace velquor
