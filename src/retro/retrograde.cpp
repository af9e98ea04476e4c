#include "retro/retrograde.h"

#include <algorithm>
#include <array>

#include "retro/station_tables.h"

namespace velquor {

namespace {

constexpr std::string_view kRetrogradeMarker = " (R) ";

constexpr std::array<std::string_view, 10> kPlainNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};

// Chart-name indices of the planets that may carry the marker, in the order they are judged.
constexpr std::size_t kFirstMarkable = 2;  // Mercury
constexpr std::size_t kLastMarkable = 6;   // Saturn

}  // namespace

bool IsRetrograde(const LocalDateTime& birth, std::string_view planetName) {
  const StationTable table = StationTableFor(planetName);
  const int birthDay = CivilDateKey(birth.year, birth.month, birth.day);
  // Direct-station days rise strictly, so the only candidate is the first row whose
  // direct station falls on a later day than the birth.
  const auto row =
      std::upper_bound(table.begin(), table.end(), birthDay,
                       [](int day, const StationRow& r) { return day < r.direct.DateKey(); });
  return row != table.end() && row->retrograde.DateKey() < birthDay;
}

std::array<std::string, 10> MarkRetrogrades(const LocalDateTime& birth) {
  std::array<std::string, 10> names;
  for (std::size_t i = 0; i < kPlainNames.size(); ++i) {
    names[i] = kPlainNames[i];
    const bool markable = i >= kFirstMarkable && i <= kLastMarkable;
    if (markable && IsRetrograde(birth, kPlainNames[i])) names[i] += kRetrogradeMarker;
  }
  return names;
}

}  // namespace velquor
