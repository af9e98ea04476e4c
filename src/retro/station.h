// One retrograde or direct station of a planet, to the minute, and its text form
// "month,day,year,hour,minute," (each number followed by a comma, no leading zeros).
#pragma once

#include <string>
#include <string_view>

#include "astro/date_time.h"

namespace velquor {

// A calendar day as one ordered number, yyyymmdd, for comparing dates only.
constexpr int CivilDateKey(int year, int month, int day) {
  return year * 10000 + month * 100 + day;
}

// A station moment as the tables hold it: civil date and clock time, universal time,
// whole minutes. Field order follows the text form.
struct StationMoment {
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int year = 1900;  // four digits
  int hour = 0;     // 0..23
  int minute = 0;   // 0..59

  constexpr int DateKey() const { return CivilDateKey(year, month, day); }

  bool operator==(const StationMoment&) const = default;
};

// One retrograde period: the station where the planet turns backwards and the station
// where it turns forwards again.
struct StationRow {
  StationMoment retrograde;
  StationMoment direct;
};

// The station as a date-time with seconds zero; no zone conversion.
LocalDateTime ToLocalDateTime(const StationMoment& moment);

// The text form of a station, e.g. "3,15,1900,13,19,".
std::string FormatStation(const StationMoment& moment);

// Reads a station text: five whole numbers month, day, year, hour, minute, each followed
// by a comma (so six comma-separated parts, the last one empty). Returns the date at
// hour:minute with seconds zero, the values used as written.
// Throws std::invalid_argument naming the text when it is not of that form or is not a
// real calendar date and clock time.
LocalDateTime ParseStation(std::string_view text);

}  // namespace velquor
