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

// The row to select for standard time `offsetMinutes` east of Greenwich: among the rows of
// that offset that are not daylight or war-time rows, the first whose abbreviation is
// `abbreviation`, else the first whose name says standard time ("Standard" or "Std"), else
// the first. Empty when no such row has that offset.
std::optional<int> StandardRowForOffset(int offsetMinutes, std::string_view abbreviation);

}  // namespace velquor
