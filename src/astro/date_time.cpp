#include "astro/date_time.h"

#include <array>
#include <cstdio>

namespace velquor {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

// Howard Hinnant's days-from-civil algorithm (public domain), proleptic Gregorian.
std::int64_t DaysFromCivil(int year, int month, int day) {
  const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (month + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

namespace {

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[static_cast<std::size_t>(month - 1)];
}

bool IsValidCivilDate(int year, int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

std::int64_t SecondsSinceEpoch(const LocalDateTime& t) {
  return DaysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + std::int64_t{t.hour} * 3600 +
         std::int64_t{t.minute} * 60 + t.second;
}

LocalDateTime FromSecondsSinceEpoch(std::int64_t seconds) {
  const std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
  std::int64_t rest = seconds - days * kSecondsPerDay;
  LocalDateTime t;
  CivilFromDays(days, t.year, t.month, t.day);
  t.hour = static_cast<int>(rest / 3600);
  rest %= 3600;
  t.minute = static_cast<int>(rest / 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

LocalDateTime AddSeconds(const LocalDateTime& t, std::int64_t seconds) {
  return FromSecondsSinceEpoch(SecondsSinceEpoch(t) + seconds);
}

LocalDateTime AddMinutes(const LocalDateTime& t, std::int64_t minutes) {
  return AddSeconds(t, minutes * 60);
}

LocalDateTime AddDays(const LocalDateTime& t, std::int64_t days) {
  return AddSeconds(t, days * kSecondsPerDay);
}

std::int64_t SecondsBetween(const LocalDateTime& a, const LocalDateTime& b) {
  return SecondsSinceEpoch(b) - SecondsSinceEpoch(a);
}

int DayOfYear(int year, int month, int day) {
  return static_cast<int>(DaysFromCivil(year, month, day) - DaysFromCivil(year, 1, 1)) + 1;
}

int DaysSinceSunday(int year, int month, int day) {
  // 1970-01-01 was a Thursday (4 days after Sunday).
  const std::int64_t d = DaysFromCivil(year, month, day) + 4;
  return static_cast<int>(d - FloorDiv(d, 7) * 7);
}

const char* MonthName(int month) {
  static constexpr std::array<const char*, 12> kNames = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  return kNames.at(static_cast<std::size_t>(month - 1));
}

std::string FormatMinute(const LocalDateTime& t) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return buffer;
}

std::string FormatSecond(const LocalDateTime& t) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return buffer;
}

}  // namespace velquor
