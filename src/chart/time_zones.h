// The fixed table of 71 time zones offered on the birth-data form, and the zone
// calculation that turns a row into the correction from local clock time to universal time.
#pragma once

#include <array>
#include <string_view>

namespace velquor {

struct TimeZoneRow {
  std::string_view label;  // exactly as listed on the form
  int zoneHours;           // universal time = local time + zoneHours h + zoneMinutes min
  int zoneMinutes;         // 0, 30 or -30, with the sign of zoneHours
};

inline constexpr int kTimeZoneCount = 71;
inline constexpr int kDefaultTimeZoneIndex = 29;  // "Greenwich Mean Time,GMT,0.0"

// The table in list order (index 0..70).
const std::array<TimeZoneRow, kTimeZoneCount>& TimeZoneTable();

// Correction from local clock time to universal time, in signed whole hours and minutes.
struct ZoneCorrection {
  int ZoneHours = 0;
  int ZoneMinutes = 0;

  // The correction in decimal hours.
  double Hours() const { return ZoneHours + ZoneMinutes / 60.0; }
};

// Sets ZoneHours and ZoneMinutes from the row at `index`; an index outside 0..70
// leaves `zone` as it was.
void Zone_Calculation(int index, ZoneCorrection& zone);

// Index of the row whose label equals `label` exactly; -1 when there is none.
int TimeZoneIndexOfLabel(std::string_view label);

}  // namespace velquor
