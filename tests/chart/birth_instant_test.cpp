// The conversions of the birth data that every engine step reads: the zone's direction and
// the daylight hour, the same for the ascendant, the Moon and the planets of the engine.
#include <gtest/gtest.h>

#include "astro/moon.h"
#include "chart/birth_instant.h"
#include "chart/chart_engine.h"

namespace velquor {
namespace {

constexpr int kEastern = 27;  // "Eastern Standard Time,EST,-5.0"
constexpr int kGmt = 29;
constexpr int kCet = 20;  // "Central European Time,CET,+1.0"

BirthData Birth(int year, int month, int day, int hour, int minute, int zoneIndex, bool dst) {
  BirthData b;
  b.yearNumber = year;
  b.monthNumber = month;
  b.dayNumber = day;
  b.hourNumber = hour;
  b.minuteNumber = minute;
  b.zoneIndex = zoneIndex;
  b.isDst = dst;
  return b;
}

struct Engine {
  AscendantResult ascendant;
  MoonResult moon;
  PlanetLongitudes planets;
};

Engine RunEngine(const BirthData& b, const LocalDateTime& clock) {
  const ChartEngine engine(b, ClassicConventions());
  return {engine.Ascendant(clock), engine.Moon(clock), engine.Planets(clock, 23.85)};
}

void ExpectSameInstant(const Engine& a, const Engine& b) {
  EXPECT_DOUBLE_EQ(a.ascendant.AscendantSidereal, b.ascendant.AscendantSidereal);
  EXPECT_DOUBLE_EQ(a.moon.MoonSidereal, b.moon.MoonSidereal);
  EXPECT_EQ(a.planets.bodies, b.planets.bodies);
  EXPECT_EQ(a.planets.rahu, b.planets.rahu);
}

// Madrid lies west of Greenwich but keeps Central European Time: universal time is the
// local time minus one hour, not plus one.
TEST(BirthInstant, WesternPlaceOnAnEasternZone) {
  BirthData onCet = Birth(2000, 1, 1, 13, 0, kCet, false);
  BirthData onGmt = Birth(2000, 1, 1, 12, 0, kGmt, false);
  for (BirthData* b : {&onCet, &onGmt}) {
    b->lonDegrees = 3;
    b->lonMinutes = 41;
    b->isEast = false;
    b->latDegrees = 40;
    b->latMinutes = 25;
  }
  ExpectSameInstant(RunEngine(onCet, BirthMomentOf(onCet)), RunEngine(onGmt, BirthMomentOf(onGmt)));
}

// A ticked daylight box moves the universal instant back one hour for every body, at the
// birth and at any other clock reading of the chart (the reference sunrise).
TEST(BirthInstant, DaylightSavingMovesEveryInstantBackOneHour) {
  const BirthData ticked = Birth(1976, 7, 4, 7, 30, kEastern, true);
  const BirthData plain = Birth(1976, 7, 4, 6, 30, kEastern, false);
  ExpectSameInstant(RunEngine(ticked, BirthMomentOf(ticked)),
                    RunEngine(plain, BirthMomentOf(plain)));
  ExpectSameInstant(RunEngine(ticked, {1976, 7, 4, 6, 0, 0}),
                    RunEngine(plain, {1976, 7, 4, 5, 0, 0}));
}

TEST(BirthInstant, PlaceSignsAndSunClock) {
  BirthData b = Birth(2000, 1, 1, 0, 0, 34, true);  // "Indian Time, IST, +5.3"
  b.latDegrees = 33;
  b.latMinutes = 30;
  b.isSouth = true;
  b.lonDegrees = 70;
  b.lonMinutes = 15;
  b.isEast = false;
  const GeoPlace place = GeoPlaceOf(b);
  EXPECT_DOUBLE_EQ(place.latitude, -33.5);
  EXPECT_DOUBLE_EQ(place.longitude, -70.25);
  const SunPlace sun = SunPlaceOf(b, ZoneOf(b));
  EXPECT_DOUBLE_EQ(sun.zoneOffset, 6.5);  // five and a half hours ahead, and the daylight hour
  // Universal time is the clock less five and a half hours and the daylight hour.
  const LocalDateTime clock = BirthMomentOf(b);
  EXPECT_EQ(RunEngine(b, clock).moon.MoonSidereal, ComputeMoon({clock, -6.5}).MoonSidereal);
}

}  // namespace
}  // namespace velquor
