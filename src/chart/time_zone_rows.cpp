#include "chart/time_zone_rows.h"

namespace velquor {

namespace {

std::string_view RowName(const TimeZoneRow& row) {
  return row.label.substr(0, row.label.find(','));
}

bool NameSaysStandard(const TimeZoneRow& row) {
  const std::string_view name = RowName(row);
  return name.find("Standard") != std::string_view::npos ||
         name.find("Std") != std::string_view::npos;
}

}  // namespace

int RowOffsetMinutes(const TimeZoneRow& row) { return -(row.zoneHours * 60 + row.zoneMinutes); }

std::string_view RowAbbreviation(const TimeZoneRow& row) {
  const auto first = row.label.find(',');
  const auto second = row.label.find(',', first + 1);
  std::string_view middle = row.label.substr(first + 1, second - first - 1);
  while (middle.starts_with(' ')) middle.remove_prefix(1);
  return middle;
}

bool IsDaylightOrWarRow(const TimeZoneRow& row) {
  const std::string_view name = RowName(row);
  for (std::string_view word : {"Daylight", "Summer", "War"}) {
    if (name.find(word) != std::string_view::npos) return true;
  }
  return false;
}

std::optional<int> StandardRowForOffset(int offsetMinutes, std::string_view abbreviation) {
  std::optional<int> byAbbreviation, byName, anyStandard;
  const auto& table = TimeZoneTable();
  for (int index = 0; index < kTimeZoneCount; ++index) {
    const TimeZoneRow& row = table[index];
    if (RowOffsetMinutes(row) != offsetMinutes || IsDaylightOrWarRow(row)) continue;
    if (!byAbbreviation && !abbreviation.empty() && RowAbbreviation(row) == abbreviation) {
      byAbbreviation = index;
    }
    if (!byName && NameSaysStandard(row)) byName = index;
    if (!anyStandard) anyStandard = index;
  }
  if (byAbbreviation) return byAbbreviation;
  if (byName) return byName;
  return anyStandard;
}

}  // namespace velquor
