#include "retro/retrograde.h"

#include <algorithm>
#include <array>

#include "chart/chart_context.h"
#include "retro/station_tables.h"

namespace velquor {

namespace {

constexpr std::string_view kRetrogradeMarker = " (R) ";

constexpr std::array<std::string_view, 10> kPlainNames = {"Sun",    "Moon", "Mercury", "Venus", "Mars",
                                                          "Jupiter", "Saturn", "Rahu", "Ketu",  "Asc"};

// Chart-name indices of the planets that may carry the marker, in the order they are judged.
constexpr int kFirstMarkable = 2;  // Mercury
constexpr int kLastMarkable = 6;   // Saturn

}  // namespace

bool IsRetrograde(const LocalDateTime& birth, std::string_view planetName) {
  const StationTable table = StationTableFor(planetName);
  const int birthDay = CivilDateKey(birth.year, birth.month, birth.day);
  // Direct-station days rise strictly, so the only candidate is the first row whose
  // direct station falls on a later day than the birth.
  const auto row = std::upper_bound(table.begin(), table.end(), birthDay,
                                    [](int day, const StationRow& r) { return day < r.direct.DateKey(); });
  return row != table.end() && row->retrograde.DateKey() < birthDay;
}

void MarkRetrogrades(ChartContext& chart) {
  const LocalDateTime birth{chart.birth.yearNumber, chart.birth.monthNumber, chart.birth.dayNumber,
                            chart.birth.hourNumber, chart.birth.minuteNumber, 0};
  std::array<bool, 10> retrograde{};
  for (int i = kFirstMarkable; i <= kLastMarkable; ++i) {
    retrograde[static_cast<std::size_t>(i)] = IsRetrograde(birth, kPlainNames[static_cast<std::size_t>(i)]);
  }
  for (std::size_t i = 0; i < kPlainNames.size(); ++i) {
    chart.ChartNames[i] = kPlainNames[i];
    if (retrograde[i]) chart.ChartNames[i] += kRetrogradeMarker;
  }
}

}  // namespace velquor
