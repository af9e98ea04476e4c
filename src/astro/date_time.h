// Civil (proleptic Gregorian) date-times with whole seconds, and the calendar arithmetic
// the chart needs: adding minutes and days across month and year ends, differences in
// seconds, day of the year and day of the week.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace velquor {

struct LocalDateTime {
  int year = 2000;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59

  // clang-tidy 14 reads the defaulted comparison as a literal 0 compared with a pointer.
  auto operator<=>(const LocalDateTime&) const = default;  // NOLINT(modernize-use-nullptr)
};

// Days from 1970-01-01 to the civil date (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day);

// True for a real day of the Gregorian calendar.
bool IsValidCivilDate(int year, int month, int day);

// Number of days in a month of a year (Gregorian rule).
int DaysInMonth(int year, int month);

// Seconds from 1970-01-01 00:00:00 of the date-time read as a plain clock.
std::int64_t SecondsSinceEpoch(const LocalDateTime& t);

// The date-time of a count of seconds from 1970-01-01 00:00:00.
LocalDateTime FromSecondsSinceEpoch(std::int64_t seconds);

LocalDateTime AddSeconds(const LocalDateTime& t, std::int64_t seconds);
LocalDateTime AddMinutes(const LocalDateTime& t, std::int64_t minutes);
LocalDateTime AddDays(const LocalDateTime& t, std::int64_t days);

// b - a in whole seconds.
std::int64_t SecondsBetween(const LocalDateTime& a, const LocalDateTime& b);

// Day of the year, 1 for January 1.
int DayOfYear(int year, int month, int day);

// Day of the week counted from Sunday: Sunday 0 .. Saturday 6.
int DaysSinceSunday(int year, int month, int day);

// Full English month name of month 1..12; throws std::out_of_range for any other month.
const char* MonthName(int month);

// "YYYY-MM-DD HH:MM" and "YYYY-MM-DD HH:MM:SS".
std::string FormatMinute(const LocalDateTime& t);
std::string FormatSecond(const LocalDateTime& t);

}  // namespace velquor
