#include "astro/ascendant.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/ayanamsa.h"
#include "astro/calendar.h"
#include "astro/position_text.h"

namespace velquor {

namespace {

struct AscendantNumbers {
  double ayanamsaOffset;
  double sidereal;
};

AscendantNumbers NumbersOf(const LocalInstant& birth, const GeoPlace& place) {
  const LocalDateTime& b = birth.clock;
  const double localTime = b.hour + b.minute / 60.0;
  const double longitudeWest = -place.longitude;
  const double latitude = place.latitude;

  const long julianDay = JulianDayNumber(b.month, b.day, b.year);
  const double ut = localTime + birth.hoursToUniversal;
  const double T = (static_cast<double>(julianDay - 2415020) + ut / 24.0 - 0.5) / 36525.0;

  const double ayanamsaOffset = AyanamsaCorrection(T);

  // Right ascension of the meridian; the T term also carries the sidereal excess of the
  // day's hours, since T includes the time of day. A negative value is not folded.
  double ramc = 15.0 * (ut + 6.6460656 + 2400.0513 * T + 0.0000258 * T * T) - longitudeWest;
  while (ramc >= 360.0) ramc -= 360.0;

  const double A = ramc * kDegToRad;
  const double obliquity = (23.452294 - 0.0130125 * T) * kDegToRad;
  const double phi = latitude * kDegToRad;
  double a = QuadrantAtan(std::cos(A),
                          -std::sin(A) * std::cos(obliquity) - std::sin(obliquity) * std::tan(phi));
  if (a < 0.0) a += kPi;
  if (std::cos(A) < 0.0) a += kPi;
  double tropical = a * kRadToDeg;
  while (tropical >= 360.0) tropical -= 360.0;

  return {ayanamsaOffset, NormalizeDegrees(tropical + ayanamsaOffset)};
}

}  // namespace

double AscendantSiderealOf(const LocalInstant& birth, const GeoPlace& place) {
  return NumbersOf(birth, place).sidereal;
}

AscendantResult ComputeAscendant(const LocalInstant& birth, const GeoPlace& place) {
  const AscendantNumbers numbers = NumbersOf(birth, place);
  const double sidereal = numbers.sidereal;
  AscendantResult out;
  out.AyanamsaOffset = numbers.ayanamsaOffset;
  out.AscendantSidereal = sidereal;
  out.AscendantDegree = static_cast<int>(std::floor(sidereal));
  out.AscendantText = FormatLongitude(sidereal);
  return out;
}

}  // namespace velquor
