// The time-zone suggestion: for a place's IANA zone and a local birth moment, the row of
// the time-zone table and the daylight-saving tick that give the clock offset then in
// force, from the system's time-zone database.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velquor {

// A clock reading at the birth place.
struct LocalMoment {
  int year = 1901;
  int month = 1;  // 1 .. 12
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct ZoneSuggestion {
  enum class Outcome {
    RowFound,              // row and daylightSaving say what to select
    NoRowForOffset,        // no standard row of the table has the offset (Nepal's +5:45)
    UnusualDaylightShift,  // daylight saving of other than one hour (double summer time)
    UnknownZone,           // the time-zone database does not know the zone
    InvalidDate,           // no such date (30 February)
    SkippedClockTime,      // a clock time skipped when the clocks were put forward
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
};

// Given: an IANA zone ("Asia/Kolkata") and the local clock reading there.
// Returned: the suggestion. The table row is the one for the zone's standard offset (see
// StandardRowForOffset, preferring the zone's own standard abbreviation) and daylightSaving
// tells whether the clocks were one hour ahead of it. A zone that counts its winter time as
// negative daylight saving (Ireland) is given the offset actually in force, without the tick.
ZoneSuggestion SuggestZone(std::string_view ianaZone, const LocalMoment& moment);

// "+5:45", "-3:30", "+5:21:10" (seconds only when not zero), "+0:00".
std::string UtcOffsetText(int offsetSeconds);

// "15 August 1990".
std::string DateText(int year, int month, int day);

}  // namespace velquor
