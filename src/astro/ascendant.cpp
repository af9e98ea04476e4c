#include "astro/ascendant.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/ayanamsa.h"
#include "astro/position_text.h"
#include "astro/universal_time.h"
#include "chart/chart_context.h"

namespace velquor {

// Given (chart.birth): local civil date and clock time (seconds unused), longitude and
// latitude in degrees and minutes with East and South flags, the daylight flag; the signed
// zone correction (chart.zone).
// Returned (chart.ascendant): the ayanamsa of the birth moment, the sidereal ascendant in
// degrees 0..360, its whole degrees and its long position text.
// Notes: longitude counts positive to the West inside this routine. Universal time may
// fall outside 0..24 h; the Julian day of the local date stays, and T carries the overflow.
void ComputeAscendant(ChartContext& chart) {
  const BirthData& b = chart.birth;
  const double localTime = b.hourNumber + b.minuteNumber / 60.0;
  double longitudeWest = b.lonDegrees + b.lonMinutes / 60.0;
  double latitude = b.latDegrees + b.latMinutes / 60.0;
  if (b.isEast) longitudeWest = -longitudeWest;
  if (b.isSouth) latitude = -latitude;

  const long julianDay = JulianDayNumber(b.monthNumber, b.dayNumber, b.yearNumber);
  const double ut = localTime + LocalToUniversalHours(b, chart.zone);
  const double T = (static_cast<double>(julianDay - 2415020) + ut / 24.0 - 0.5) / 36525.0;

  AscendantResult& out = chart.ascendant;
  out.AyanamsaOffset = AyanamsaCorrection(T);

  // Right ascension of the meridian; the T term also carries the sidereal excess of the
  // day's hours, since T includes the time of day. A negative value is not folded.
  double ramc = 15.0 * (ut + 6.6460656 + 2400.0513 * T + 0.0000258 * T * T) - longitudeWest;
  while (ramc >= 360.0) ramc -= 360.0;

  const double A = ramc * kDegToRad;
  const double obliquity = (23.452294 - 0.0130125 * T) * kDegToRad;
  const double phi = latitude * kDegToRad;
  double a = QuadrantAtan(std::cos(A), -std::sin(A) * std::cos(obliquity) - std::sin(obliquity) * std::tan(phi));
  if (a < 0.0) a += kPi;
  if (std::cos(A) < 0.0) a += kPi;
  double tropical = a * kRadToDeg;
  while (tropical >= 360.0) tropical -= 360.0;

  const double sidereal = NormalizeDegrees(tropical + out.AyanamsaOffset);
  out.AscendantSidereal = sidereal;
  out.AscendantDegree = static_cast<int>(std::floor(sidereal));
  out.AscendantText = FormatLongitude(sidereal);
}

}  // namespace velquor
