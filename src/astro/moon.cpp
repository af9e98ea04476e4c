#include "astro/moon.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/position_text.h"

namespace velquor {

namespace {

// Start of each of the 27 nakshatras in degrees: 13.33 times the index, written to two
// decimals. The step is 13.33 rather than 13 1/3 on purpose; the index itself uses the
// exact width of 800 arc minutes.
constexpr std::array<double, 27> kNakshatraStart = {
    0,      13.33,  26.66,  39.99,  53.32,  66.65,  79.98,  93.31,  106.64,
    119.97, 133.3,  146.63, 159.96, 173.29, 186.62, 199.95, 213.28, 226.61,
    239.94, 253.27, 266.6,  279.93, 293.26, 306.59, 319.92, 333.25, 346.58};

// One periodic term of the lunar longitude: coefficient (degrees) times the sine of
// d*D + m*M + mp*M' + f*F, multiplied by the eccentricity factor E when m is not 0.
struct LunarTerm {
  double coefficient;
  int d, m, mp, f;
};

// The 25 largest terms of the truncated lunar theory.
constexpr std::array<LunarTerm, 25> kLunarTerms = {{
    {6.288774, 0, 0, 1, 0},   {1.274027, 2, 0, -1, 0},  {0.658314, 2, 0, 0, 0},
    {0.213618, 0, 0, 2, 0},   {-0.185116, 0, 1, 0, 0},  {-0.114332, 0, 0, 0, 2},
    {0.058793, 2, 0, -2, 0},  {0.057066, 2, -1, -1, 0}, {0.053322, 2, 0, 1, 0},
    {0.045758, 2, -1, 0, 0},  {-0.040923, 0, 1, -1, 0}, {-0.034720, 1, 0, 0, 0},
    {-0.030383, 0, 1, 1, 0},  {0.015327, 2, 0, 0, -2},  {-0.012528, 0, 0, 1, 2},
    {0.010980, 0, 0, 1, -2},  {0.010675, 4, 0, -1, 0},  {0.010034, 0, 0, 3, 0},
    {0.008548, 4, 0, -2, 0},  {-0.007888, 2, 1, -1, 0}, {-0.006766, 2, 1, 0, 0},
    {-0.005163, 1, 0, -1, 0}, {0.004987, 1, 1, 0, 0},   {0.004036, 2, -1, 1, 0},
    {0.003994, 2, 0, 2, 0},
}};

}  // namespace

double MoonSiderealOf(const LocalInstant& birth) {
  const LocalDateTime& b = birth.clock;
  const double ut = b.hour + b.minute / 60.0 + birth.hoursToUniversal;
  const long julianDay = JulianDayNumber(b.month, b.day, b.year);
  const double T = (static_cast<double>(julianDay - 2451545) + ut / 24.0 - 0.5) / 36525.0;

  const double meanLongitude = 218.3164591 + 481267.88134236 * T;
  const double D = (297.8502042 + 445267.1115168 * T) * kDegToRad;
  const double M = (357.5291092 + 35999.0502909 * T) * kDegToRad;
  const double Mp = (134.9634114 + 477198.8676313 * T) * kDegToRad;
  const double F = (93.2720993 + 483202.0175273 * T) * kDegToRad;
  const double E = 1.0 - 0.002516 * T - 0.0000074 * T * T;

  double sum = 0.0;
  for (const LunarTerm& term : kLunarTerms) {
    const double argument = term.d * D + term.m * M + term.mp * Mp + term.f * F;
    const double value = term.coefficient * std::sin(argument);
    sum += (term.m != 0) ? value * E : value;
  }

  double tropical = meanLongitude + sum;
  while (tropical < 0.0) tropical += 360.0;
  while (tropical > 360.0) tropical -= 360.0;

  const double node = (125.044555 - 1934.1361849 * T + 0.0020762 * T * T) * kDegToRad;
  const double sunLongitude = (280.466449 + 36000.7698231 * T + 0.0003106 * T * T) * kDegToRad;
  const double offset = (17.23 * std::sin(node) + 1.27 * std::sin(sunLongitude) - 5025.64 * T -
                         1.11 * T * T - 85886.27) /
                        3600.0;

  double sidereal = tropical + offset;
  if (sidereal < 0.0) sidereal += 360.0;
  return sidereal;
}

MoonResult ComputeMoon(const LocalInstant& birth) {
  const double sidereal = MoonSiderealOf(birth);
  MoonResult out;
  out.MoonSidereal = sidereal;
  out.MoonText = FormatLongitude(sidereal);
  out.MoonNakshatraStart = NakshatraStartOf(sidereal);
  return out;
}

double NakshatraStartOf(double moonSidereal) {
  const double nakshatra = 60.0 * moonSidereal / 800.0;
  const int k = std::clamp(static_cast<int>(std::floor(nakshatra)), 0, 26);
  return kNakshatraStart[static_cast<std::size_t>(k)];
}

}  // namespace velquor
