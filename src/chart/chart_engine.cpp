#include "chart/chart_engine.h"

#include <cmath>

#include "astro/position_text.h"
#include "astro/precise_ephemeris.h"
#include "astro/precise_sunrise.h"
#include "chart/birth_instant.h"

namespace velquor {

namespace {

double Opposite(double longitude) {
  double opposite = longitude + 180.0;
  while (opposite >= 360.0) opposite -= 360.0;
  return opposite;
}

}  // namespace

ChartEngine::ChartEngine(const BirthData& birth, const Conventions& conventions)
    : conventions_(conventions),
      zone_(ZoneOf(birth)),
      dst_(birth.isDst),
      place_(GeoPlaceOf(birth)),
      sunPlace_(SunPlaceOf(birth, zone_)) {}

LocalInstant ChartEngine::InstantOf(const LocalDateTime& clock) const {
  return {clock, zone_.Hours() - (dst_ ? 1.0 : 0.0)};
}

double ChartEngine::JulianDayOf(const LocalDateTime& clock) const {
  const LocalInstant at = InstantOf(clock);
  const double hours = clock.hour + clock.minute / 60.0 + clock.second / 3600.0;
  return JulianDayUt(clock.year, clock.month, clock.day, hours + at.hoursToUniversal);
}

AscendantResult ChartEngine::Ascendant(const LocalDateTime& clock) const {
  if (!ReadsSeconds()) return ComputeAscendant(InstantOf(clock), place_);
  const double jd = JulianDayOf(clock);
  AscendantResult out;
  out.AyanamsaOffset = -PreciseAyanamsa(jd);
  out.AscendantSidereal = PreciseAscendant(jd, place_.latitude, place_.longitude);
  out.AscendantDegree = static_cast<int>(std::floor(out.AscendantSidereal));
  out.AscendantText = FormatLongitude(out.AscendantSidereal);
  return out;
}

MoonResult ChartEngine::Moon(const LocalDateTime& clock) const {
  if (!ReadsSeconds()) return ComputeMoon(InstantOf(clock));
  MoonResult out;
  out.MoonSidereal = PreciseMoonLongitude(JulianDayOf(clock));
  out.MoonText = FormatLongitude(out.MoonSidereal);
  out.MoonNakshatraStart = NakshatraStartOf(out.MoonSidereal);
  return out;
}

double ChartEngine::AscendantAt(const LocalDateTime& clock, double extraSeconds) const {
  if (ReadsSeconds()) {
    return PreciseAscendant(JulianDayOf(clock) + extraSeconds / 86400.0, place_.latitude,
                            place_.longitude);
  }
  LocalInstant at = InstantOf(clock);
  if (clock.second != 0 || extraSeconds != 0.0) {
    at.hoursToUniversal += (clock.second + extraSeconds) / 3600.0;
  }
  return AscendantSiderealOf(at, place_);
}

double ChartEngine::MoonAt(const LocalDateTime& clock, double extraSeconds) const {
  if (ReadsSeconds()) return PreciseMoonLongitude(JulianDayOf(clock) + extraSeconds / 86400.0);
  LocalInstant at = InstantOf(clock);
  if (clock.second != 0 || extraSeconds != 0.0) {
    at.hoursToUniversal += (clock.second + extraSeconds) / 3600.0;
  }
  return MoonSiderealOf(at);
}

PlanetLongitudes ChartEngine::Planets(const LocalDateTime& clock, double ayanamsa) const {
  if (!ReadsSeconds()) return ComputePlanets(InstantOf(clock), ayanamsa);
  const PreciseBodies precise = PreciseLongitudes(JulianDayOf(clock));
  PlanetLongitudes out;
  out.bodies[kMercury] = precise.mercury;
  out.bodies[kVenus] = precise.venus;
  out.bodies[kEarthSun] = precise.sun;
  out.bodies[kMars] = precise.mars;
  out.bodies[kJupiter] = precise.jupiter;
  out.bodies[kSaturn] = precise.saturn;
  out.rahu = precise.meanNode;
  out.ketu = Opposite(precise.meanNode);
  return out;
}

double ChartEngine::Sun(const LocalDateTime& clock, double ayanamsa) const {
  if (ReadsSeconds()) return PreciseSunLongitude(JulianDayOf(clock));
  if (clock != lastSunClock_) {
    lastSunClock_ = clock;
    lastSunTropical_ = SunTropicalLongitude(PlanetDayNumber(InstantOf(clock)));
  }
  return SiderealOf(lastSunTropical_, ayanamsa);
}

SunRiseSet ChartEngine::SunRiseSetOf(const LocalDateTime& date) const {
  switch (conventions_.sunrise) {
    case SunriseConvention::UpperLimb:
      return ComputePreciseSunRiseSet(date.month, date.day, date.year, sunPlace_,
                                      SunDisc::UpperLimb);
    case SunriseConvention::DiscCentre:
      return ComputePreciseSunRiseSet(date.month, date.day, date.year, sunPlace_,
                                      SunDisc::DiscCentre);
    case SunriseConvention::Classic:
      break;
  }
  return ComputeSunRiseSet(date.month, date.day, date.year, sunPlace_);
}

}  // namespace velquor
