// Reading the rows of the time-zone table: their offset, their kind, and the row that
// stands for a given standard offset.
#pragma once

#include <optional>
#include <string_view>

#include "chart/time_zones.h"

namespace velquor {

// The row's offset east of Greenwich in minutes: +330 for "Indian Time, IST, +5.3".
int RowOffsetMinutes(const TimeZoneRow& row);

// The row's abbreviation, the label's middle part: "IST" for "Indian Time, IST, +5.3".
std::string_view RowAbbreviation(const TimeZoneRow& row);

// True for the rows of clocks put forward for summer or for war: names with "Daylight",
// "Summer" or "War".
bool IsDaylightOrWarRow(const TimeZoneRow& row);

// What a zone's clocks showed at one instant, as the time-zone database tells it.
struct ClockOffset {
  int offsetMinutes = 0;                  // in force, east of Greenwich
  int standardOffsetMinutes = 0;          // the zone's standard time then
  std::string_view abbreviation;          // in force, e.g. "BST"; may be empty
  std::string_view standardAbbreviation;  // of the standard time, e.g. "GMT"; may be empty
  std::string_view ianaZone;              // e.g. "Europe/London"; its area ("Europe") is its region
};

// A row of the table and the daylight-saving tick that together give a clock offset.
struct RowChoice {
  int row = 0;
  bool daylightSaving = false;

  bool operator==(const RowChoice&) const = default;
};

// Given: the clock offset in force and the zone's standard time.
// Returned: the row and tick whose offset (the row's, plus one hour with the tick) is the
// offset in force; empty when no row has it. The tick is offered only while the zone keeps
// daylight saving, so a zone on standard time never gets it (Kabul's +4:30 is not "Iran
// Time and daylight saving").
// Notes:
// 1. Among the rows that fit, in this order: no row naming another region than the zone's
//    when one that does not exists; the plain reading (the standard row and the tick for
//    one hour of daylight saving, a standard row alone otherwise); the row whose
//    abbreviation is the zone's (in force without the tick, standard with it); a row naming
//    the zone's region; the tick exactly while daylight saving is in force; a row whose
//    abbreviation begins with the same two letters as the zone's; a name that says
//    standard time; the earlier row.
// 2. A row's region is read from the start of its name ("Australian", "British",
//    "China" …); Greenwich, Universal and the date-line rows name none.
std::optional<RowChoice> RowForClock(const ClockOffset& clock);

}  // namespace velquor
