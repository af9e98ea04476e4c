// The time-zone suggestion: for a place's IANA zone and a local birth moment, the row of
// the time-zone table and the daylight-saving tick that give the clock offset then in
// force, from the system's time-zone database.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/date_time.h"

namespace velquor {

// Which reading of a clock time that happened twice (the clocks were put back) is meant.
enum class ClockFold {
  Unknown,  // not said: such a time is not suggested for, both readings are offered
  First,    // the earlier, before the clocks were put back
  Second,   // the later, after
};

struct ZoneSuggestion {
  enum class Outcome {
    RowFound,           // row and daylightSaving say what to select
    NoRowForOffset,     // no row of the table, with or without the tick, has the offset
    UnknownZone,        // the time-zone database does not know the zone
    InvalidDate,        // no such date (30 February) or time of day (25:00)
    SkippedClockTime,   // a clock time skipped when the clocks were put forward
    RepeatedClockTime,  // a clock time that happened twice; `readings` holds both
  };

  Outcome outcome = Outcome::UnknownZone;
  std::optional<int> row;       // index in the time-zone table; set only for RowFound
  bool daylightSaving = false;  // tick "Daylight Saving Time"; meaningful for RowFound
  int offsetSeconds = 0;        // offset east of Greenwich in force at that moment
  int standardOffsetSeconds = 0;
  std::string abbreviation;  // in force at that moment, e.g. "EDT"
  // In words: "Indian Time, IST, +5.3, no daylight saving on 15 August 1990", or why no row
  // is suggested.
  std::string text;
  // For RepeatedClockTime: the earlier reading, then the later, each RowFound or
  // NoRowForOffset with its own offsets and abbreviation; empty otherwise.
  std::vector<ZoneSuggestion> readings;
};

// Given: an IANA zone ("Asia/Kolkata"), the local clock reading there, and for a reading
// that happened twice which of the two is meant.
// Returned: the suggestion: the row and tick that give the offset in force (RowForClock:
// the standard row and the tick for one hour of daylight saving, else a row of the offset
// in force, such as British Double Summer Time). A zone that counts its winter time as
// negative daylight saving (Ireland) is given the offset actually in force, without the
// tick. A clock time that happened twice is RepeatedClockTime with both readings unless
// `fold` picks one; for a time that happened once `fold` does not matter.
ZoneSuggestion SuggestZone(std::string_view ianaZone, const LocalDateTime& moment,
                           ClockFold fold = ClockFold::Unknown);

// A change of a zone's clocks: at `utcSeconds` (since 1970) the offset east of Greenwich
// went from `offsetBefore` to `offsetAfter` seconds.
struct ClockChange {
  std::int64_t utcSeconds = 0;
  int offsetBefore = 0;
  int offsetAfter = 0;

  bool operator==(const ClockChange&) const = default;
};

// The offset east of Greenwich, in seconds, in force in `ianaZone` at the instant
// `utcSeconds` since 1970; nothing for a zone the time-zone database does not know.
std::optional<int> OffsetAtInstant(std::string_view ianaZone, std::int64_t utcSeconds);

// The clock changes of `ianaZone` after `fromUtc` up to `toUtc` (seconds since 1970), in
// order; none for an unknown zone. Changes of the abbreviation alone are left out.
std::vector<ClockChange> ClockChangesBetween(std::string_view ianaZone, std::int64_t fromUtc,
                                             std::int64_t toUtc);

// One reading of a repeated clock time in words: "BST +1:00, Greenwich Mean Time,GMT,0.0
// with daylight saving", or "... , which no time zone in the list has".
std::string ReadingText(const ZoneSuggestion& reading);

// "+5:45", "-3:30", "+5:21:10" (seconds only when not zero), "+0:00".
std::string UtcOffsetText(int offsetSeconds);

// "15 August 1990".
std::string DateText(int year, int month, int day);

}  // namespace velquor
