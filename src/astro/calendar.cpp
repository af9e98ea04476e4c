#include "astro/calendar.h"

#include <cmath>

namespace velquor {

long JulianDayNumber(int month, int day, int year) {
  // Whole numbers held in doubles, which represent them exactly at these sizes.
  const double m = month + 12.0 * (year + 4800) - 3;
  double j = std::floor((2.0 * (m - 12.0 * std::floor(m / 12.0)) + 7.0 + 365.0 * m) / 12.0);
  j = j + day + std::floor(m / 48.0) - 32083.0;
  if (j > 2299171.0) j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
  return static_cast<long>(j);
}

double DaysSinceJ2000(int year, int month, int day, int hour, int minute) {
  const double y = year;
  return 367.0 * y - std::floor(7.0 * (y + std::floor((month + 9) / 12.0)) / 4.0) +
         std::floor(275.0 * month / 9.0) + day - 730531.5 + (hour + minute / 60.0) / 24.0;
}

}  // namespace velquor
