// Calendar, angle and text routines shared by the ascendant, the Moon and the planets.
//
// Angles cross these interfaces in decimal degrees unless a routine says radians.
// "Int" in the comments is floor (toward minus infinity); "trunc" cuts toward zero.
#pragma once

#include <string>
#include <string_view>

namespace velquor {

// Stored constants, kept at the precision the chart has always used.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;

// The twelve three-letter sign abbreviations, Aries first; sign index i owns the
// characters [3i, 3i+3).
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Abbreviation of sign index 0 (Aries) .. 11 (Pisces).
std::string_view SignAbbreviation(int signIndex);

// Index 0..11 of a three-letter abbreviation, first match in table order; -1 when unknown.
int SignIndexOfAbbreviation(std::string_view abbreviation);

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

// Minus the ayanamsa in degrees (a negative number), so that tropical + result = sidereal.
// Given: T, Julian centuries from JD 2415020.0 (1900 January 0.5).
// Returned: about -22.4663 at T = 0 and -23.8540 at T = 1.
double AyanamsaCorrection(double T);

// One-step fold: adds 360 once when x < 0, then subtracts 360 once when x > 360.
// Inputs in -360..720 end in 0..360 inclusive; 360 stays 360.
double NormalizeDegrees(double x);

// x in radians reduced to 0 <= r < 2*pi (by the stored 2*pi).
double ReduceRadians(double x);

// Two-argument arc tangent in radians, -pi < r < pi.
// Notes: the negative x axis (y = 0, x < 0) gives 0, not pi; (0, 0) gives 0.
double QuadrantAtan(double y, double x);

// Long position text of |x| degrees: degrees within the sign, "° ", minutes, "' ",
// seconds, a double quote and a blank, sign abbreviation; e.g. 123.5 -> 3° 30' 0" Leo.
// Exactly 360 reads as 0° 0' 0" Ari.
std::string FormatLongitude(double x);

// Short position text of a FormatLongitude text: two-digit degrees, blank, abbreviation,
// blank, two-digit minutes; e.g. 3° 30' 0" Leo -> 03 Leo 30. Seconds are dropped.
std::string ShortPosition(std::string_view longText);

// Sign index 0..11 of a short position text (characters 4-6); -1 when unknown.
int SignIndexOfShortPosition(std::string_view shortText);

}  // namespace velquor
