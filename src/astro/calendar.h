// Day numbers of civil dates: the Julian Day Number and the days from J2000.0.
//
// "Int" in the comments is floor (toward minus infinity); "trunc" cuts toward zero.
#pragma once

namespace velquor {

// Whole Julian Day Number of a civil date (the day that begins at the noon of the date).
// Given: month 1..12, day, year (astronomical). Returned: the day number.
// Notes: dates with a Julian-calendar day number up to 2299171 count as Julian, so
// 1582-10-15 gives 2299171 and 1582-10-16 the first Gregorian day 2299162.
long JulianDayNumber(int month, int day, int year);

// Days from J2000.0 (2000-01-01 12h UT) for a universal date and time.
// Given: year, month 1..12, day, hour, minute (seconds are not an input).
// Notes: no century leap-year rule; exact from 1900-03-01 to 2100-02-28, one day per
// skipped leap day off outside that span.
double DaysSinceJ2000(int year, int month, int day, int hour, int minute);

}  // namespace velquor
