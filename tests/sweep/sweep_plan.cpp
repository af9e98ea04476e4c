#include "sweep/sweep_plan.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "astro/date_time.h"
#include "chart/time_zones.h"

namespace velquor {

namespace {

constexpr std::uint64_t kCellsPerDay = 2 * kTimeZoneCount;  // every zone, flag off and on

constexpr int kSecondsPerDay = 86400;
constexpr int kLatitudeMinutes = 90 * 60;    // 0° 0' .. 89° 59'
constexpr int kLongitudeMinutes = 180 * 60;  // 0° 0' .. 179° 59'

// The n-th and the last Sunday of a month, as days since 1970-01-01.
std::int64_t NthSunday(int year, int month, int n) {
  const std::int64_t first = DaysFromCivil(year, month, 1);
  return first + (7 - DaysSinceSunday(year, month, 1)) % 7 + 7 * (n - 1);
}

std::int64_t LastSunday(int year, int month) {
  const std::int64_t last = DaysFromCivil(year, month, DaysInMonth(year, month));
  return last - DaysSinceSunday(year, month, DaysInMonth(year, month));
}

void AddTurningDays(int year, std::vector<std::int64_t>& days) {
  for (const auto& [month, day] : {std::pair{1, 1}, {1, 2}, {12, 30}, {12, 31}, {2, 28}, {3, 1}}) {
    days.push_back(DaysFromCivil(year, month, day));
  }
  if (DaysInMonth(year, 2) == 29) days.push_back(DaysFromCivil(year, 2, 29));
  // Daylight saving begins and ends: Europe (last Sundays of March and October) and the
  // United States over the years (last Sunday of April, first Sunday of April, second
  // Sunday of March; last Sunday of October, first Sunday of November).
  const std::int64_t changes[] = {LastSunday(year, 3),   LastSunday(year, 10),
                                  LastSunday(year, 4),   NthSunday(year, 4, 1),
                                  NthSunday(year, 3, 2), NthSunday(year, 11, 1)};
  for (const std::int64_t change : changes) {
    for (const int offset : {-1, 0, 1}) days.push_back(change + offset);
  }
}

// SplitMix64: independent, evenly spread values for each chart and quantity.
std::uint64_t Mix(std::uint64_t index, std::uint64_t stream) {
  std::uint64_t z = index * 0x9E3779B97F4A7C15ULL + stream * 0xD1B54A32D192ED03ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// A value 0 .. count-1 that is the first or last of the range one time in sixteen each.
int SpreadWithEdges(std::uint64_t random, int count) {
  switch (random % 32) {
    case 0:
      return 0;
    case 1:
      return count - 1;
    default:
      return static_cast<int>((random >> 5) % static_cast<std::uint64_t>(count));
  }
}

}  // namespace

SweepPlan::SweepPlan(const SweepSize& size) : size_(size) {
  if (size.dayStep < 0 || size.chartsPerCell < 1 || size.cellStep < 1 ||
      std::gcd(static_cast<std::uint64_t>(size.cellStep), kCellsPerDay) != 1) {
    throw std::invalid_argument(
        "sweep size: day step >= 0, charts per cell >= 1, cell step >= 1 sharing no factor "
        "with 142 (so that every zone and flag comes round)");
  }
  for (int year = kFirstYear; year <= kLastYear; ++year) AddTurningDays(year, days_);
  const std::int64_t first = DaysFromCivil(kFirstYear, 1, 1);
  const std::int64_t last = DaysFromCivil(kLastYear, 12, 31);
  if (size.dayStep > 0) {
    for (std::int64_t day = first; day <= last; day += size.dayStep) days_.push_back(day);
  }
  std::sort(days_.begin(), days_.end());
  days_.erase(std::unique(days_.begin(), days_.end()), days_.end());
  // The days around a change early in January 1901 or late in December 2050 stay inside.
  days_.erase(std::remove_if(days_.begin(), days_.end(),
                             [&](std::int64_t d) { return d < first || d > last; }),
              days_.end());

  const std::uint64_t cells = days_.size() * kCellsPerDay;
  const auto step = static_cast<std::uint64_t>(size.cellStep);
  chartCount_ = (cells + step - 1) / step * static_cast<std::uint64_t>(size.chartsPerCell);
}

BirthData SweepPlan::Chart(std::uint64_t index) const {
  const std::uint64_t cell = index / static_cast<std::uint64_t>(size_.chartsPerCell) *
                             static_cast<std::uint64_t>(size_.cellStep);
  const std::uint64_t inDay = cell % kCellsPerDay;
  const LocalDateTime day = FromSecondsSinceEpoch(days_[cell / kCellsPerDay] * kSecondsPerDay);

  BirthData b;
  b.zoneIndex = static_cast<int>(inDay / 2);
  b.isDst = inDay % 2 == 1;
  b.yearNumber = day.year;
  b.monthNumber = day.month;
  b.dayNumber = day.day;

  const int second = SpreadWithEdges(Mix(index, 1), kSecondsPerDay);
  b.hourNumber = second / 3600;
  b.minuteNumber = second / 60 % 60;
  b.secondNumber = second % 60;

  const int latitude = SpreadWithEdges(Mix(index, 2), kLatitudeMinutes);
  b.latDegrees = latitude / 60;
  b.latMinutes = latitude % 60;
  const int longitude = SpreadWithEdges(Mix(index, 3), kLongitudeMinutes);
  b.lonDegrees = longitude / 60;
  b.lonMinutes = longitude % 60;
  const std::uint64_t hemispheres = Mix(index, 4);
  b.isSouth = (hemispheres & 1) != 0;
  b.isEast = (hemispheres & 2) != 0;

  b.personName = "SWEEP";
  b.cityText = "City";
  b.stateText = "State";
  b.countryText = "Country";
  return b;
}

}  // namespace velquor
