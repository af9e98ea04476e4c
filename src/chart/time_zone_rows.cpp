#include "chart/time_zone_rows.h"

#include <array>
#include <tuple>

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

// The IANA areas ("Europe/…") whose clocks a row's name speaks of, by the name's first words.
struct RowRegion {
  std::string_view namePrefix;
  std::array<std::string_view, 2> areas;
};
// Longer prefixes before shorter ones that begin them ("Central European" before "Central").
constexpr std::array<RowRegion, 32> kRowRegions = {{
    {"Alaska/Hawaii", {"America", "Pacific"}},
    {"Atlantic", {"America", "Atlantic"}},
    {"Australian", {"Australia", {}}},
    {"Azores", {"Atlantic", {}}},
    {"Baghdad", {"Asia", {}}},
    {"Bering", {"America", {}}},
    {"Brazil", {"America", {}}},
    {"British", {"Europe", {}}},
    {"Central European", {"Europe", {}}},
    {"Central", {"America", {}}},
    {"China", {"Asia", {}}},
    {"Eastern European", {"Europe", {}}},
    {"Eastern", {"America", {}}},
    {"Guam", {"Pacific", {}}},
    {"Hawaiian", {"Pacific", {}}},
    {"Indian", {"Asia", {}}},
    {"Iran", {"Asia", {}}},
    {"Japan", {"Asia", {}}},
    {"Java", {"Asia", {}}},
    {"Middle European", {"Europe", {}}},
    {"Moluccas", {"Asia", {}}},
    {"Mountain", {"America", {}}},
    {"New Zealand", {"Pacific", "Antarctica"}},
    {"Newfoundland", {"America", {}}},
    {"Nome", {"America", {}}},
    {"North Sumatra", {"Asia", {}}},
    {"Pacific", {"America", {}}},
    {"South Australia", {"Australia", {}}},
    {"South Sumatra", {"Asia", {}}},
    {"USSR", {"Europe", "Asia"}},
    {"West Africa", {"Africa", {}}},
    {"Yukon", {"America", {}}},
}};

enum class RegionFit { Other, Unnamed, Own };

// How a row's region fits the zone's area; any row fits a zone of unknown area.
RegionFit RegionFitOf(const TimeZoneRow& row, std::string_view area) {
  if (area.empty()) return RegionFit::Unnamed;
  const std::string_view name = RowName(row);
  for (const RowRegion& region : kRowRegions) {
    if (!name.starts_with(region.namePrefix)) continue;
    for (std::string_view own : region.areas) {
      if (!own.empty() && own == area) return RegionFit::Own;
    }
    return RegionFit::Other;
  }
  return RegionFit::Unnamed;
}

bool SameFirstTwoLetters(std::string_view a, std::string_view b) {
  return a.size() >= 2 && b.size() >= 2 && a.substr(0, 2) == b.substr(0, 2);
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

std::optional<RowChoice> RowForClock(const ClockOffset& clock) {
  const int shift = clock.offsetMinutes - clock.standardOffsetMinutes;
  const std::string_view area = clock.ianaZone.substr(0, clock.ianaZone.find('/'));
  // Bigger is better, criterion by criterion (RowForClock's Note 1).
  using Rank = std::tuple<bool, bool, bool, bool, bool, bool, bool, int>;
  std::optional<RowChoice> best;
  Rank bestRank{};
  const auto& table = TimeZoneTable();
  for (int index = 0; index < kTimeZoneCount; ++index) {
    const TimeZoneRow& row = table[static_cast<std::size_t>(index)];
    for (const bool tick : {false, true}) {
      if (tick && shift <= 0) continue;
      if (RowOffsetMinutes(row) + (tick ? 60 : 0) != clock.offsetMinutes) continue;
      const std::string_view abbreviation = RowAbbreviation(row);
      const RegionFit fit = RegionFitOf(row, area);
      const bool plain = !IsDaylightOrWarRow(row) && (shift == 60 ? tick : shift <= 0);
      const bool sameAbbreviation =
          !abbreviation.empty() &&
          abbreviation == (tick ? clock.standardAbbreviation : clock.abbreviation);
      const bool similarAbbreviation =
          SameFirstTwoLetters(abbreviation, clock.abbreviation) ||
          SameFirstTwoLetters(abbreviation, clock.standardAbbreviation);
      const Rank rank{fit != RegionFit::Other, plain,
                      sameAbbreviation,        fit == RegionFit::Own,
                      tick == (shift > 0),     similarAbbreviation,
                      NameSaysStandard(row),   -index};
      if (!best || rank > bestRank) {
        best = RowChoice{index, tick};
        bestRank = rank;
      }
    }
  }
  return best;
}

}  // namespace velquor
