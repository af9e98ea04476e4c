// Reference values for the ascendant, the Moon and the planets.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/ascendant.h"
#include "astro/ayanamsa.h"
#include "astro/calendar.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/position_text.h"

namespace velquor {
namespace {

LocalInstant At(int year, int month, int day, int hour, int minute, double hoursToUniversal) {
  return {{year, month, day, hour, minute, 0}, hoursToUniversal};
}

constexpr double kIndian = -5.5;  // "Indian Time, IST, +5.3"
constexpr double kEastern = 5.0;  // "Eastern Standard Time,EST,-5.0"
constexpr double kGmt = 0.0;

constexpr GeoPlace kDelhi{28 + 37 / 60.0, 77 + 13 / 60.0};
constexpr GeoPlace kNewYork{40 + 43 / 60.0, -74.0};

TEST(ComputeAscendant, PublishedBirths) {
  struct Case {
    LocalInstant birth;
    GeoPlace place;
    double ayanamsa, sidereal;
    int degree;
    const char* text;
  };
  const Case cases[] = {
      {At(2000, 1, 1, 12, 0, kIndian), kDelhi, -23.85398, 343.20516, 343, "13\u00B0 12' 18\" Pis"},
      // 06:30 EDT: the daylight hour taken off the zone's five.
      {At(1976, 7, 4, 6, 30, kEastern - 1.0), kNewYork,
       AyanamsaCorrection(10.5 / 24 / 36525 +
                          (static_cast<double>(JulianDayNumber(7, 4, 1976)) - 2415020.5) / 36525),
       90.29801, 90, "0\u00B0 17' 52\" Can"},
  };
  for (const auto& c : cases) {
    const AscendantResult r = ComputeAscendant(c.birth, c.place);
    EXPECT_NEAR(r.AyanamsaOffset, c.ayanamsa, 1e-5);
    EXPECT_NEAR(r.AscendantSidereal, c.sidereal, 1e-4);
    EXPECT_EQ(r.AscendantDegree, c.degree);
    EXPECT_EQ(r.AscendantText, c.text);
  }
}

TEST(ComputeMoon, PublishedMoments) {
  struct Case {
    LocalInstant birth;
    double sidereal, start;
  };
  const Case cases[] = {
      // T = 0: the mean arguments equal their constant terms.
      {At(2000, 1, 1, 12, 0, kGmt), 199.4624, 186.62},
      // 15 August 1990, 06:30 IST: UT 01:00, T = -0.0938113164.
      {At(1990, 8, 15, 6, 30, kIndian), 46.5310, 39.99},
  };
  for (const auto& c : cases) {
    const MoonResult moon = ComputeMoon(c.birth);
    EXPECT_NEAR(moon.MoonSidereal, c.sidereal, 1e-4);
    EXPECT_DOUBLE_EQ(moon.MoonNakshatraStart, c.start);
    EXPECT_EQ(moon.MoonText, FormatLongitude(moon.MoonSidereal));
  }
}

TEST(ComputePlanets, J2000Table) {
  constexpr double kAyanamsa = 23.853991;
  const PlanetLongitudes planets = ComputePlanets(At(2000, 1, 1, 12, 0, kGmt), kAyanamsa);

  struct Case {
    int body;
    double tropical;
    const char* text;
  };
  const Case cases[] = {
      {kEarthSun, 280.37963, "16\u00B0 31' 32\" Sag"}, {kMercury, 271.90602, "8\u00B0 3' 7\" Sag"},
      {kVenus, 241.57807, "7\u00B0 43' 26\" Sco"},     {kMars, 327.98280, "4\u00B0 7' 43\" Aqu"},
      {kJupiter, 25.36113, "1\u00B0 30' 25\" Ari"},    {kSaturn, 40.21466, "16\u00B0 21' 38\" Ari"},
  };
  for (const auto& c : cases) {
    const double sidereal = planets.bodies[static_cast<std::size_t>(c.body)];
    EXPECT_NEAR(GeocentricLongitude(c.body, 0.0), c.tropical, 1e-5) << c.body;
    EXPECT_NEAR(sidereal, c.tropical - kAyanamsa, 1e-5) << c.body;
    EXPECT_EQ(FormatLongitude(sidereal), c.text) << c.body;
  }
  EXPECT_EQ(FormatLongitude(planets.rahu), "10\u00B0 16' 6\" Can");
  EXPECT_EQ(FormatLongitude(planets.ketu), "10\u00B0 16' 6\" Cap");
}

// The instant's seconds play no part; its correction is rounded to whole minutes.
TEST(ComputePlanets, SecondsAreIgnored) {
  LocalInstant withSeconds = At(2000, 1, 1, 12, 0, kGmt);
  withSeconds.clock.second = 45;
  const PlanetLongitudes a = ComputePlanets(At(2000, 1, 1, 12, 0, kGmt), 23.85);
  const PlanetLongitudes b = ComputePlanets(withSeconds, 23.85);
  EXPECT_EQ(a.bodies, b.bodies);
  EXPECT_EQ(a.rahu, b.rahu);
}

TEST(SolveKepler, CircularAndEccentricOrbits) {
  EXPECT_NEAR(SolveKepler(1.0, 0.0), 1.0, 1e-12);
  // M = pi/2, e = 0.2056: E solves E - e sin E = M, and nu follows from E.
  const double e = 0.2056;
  const double nu = SolveKepler(kPi / 2, e);
  const double E = 2 * std::atan(std::tan(nu / 2) / std::sqrt((1 + e) / (1 - e)));
  EXPECT_NEAR(E - e * std::sin(E), kPi / 2, 1e-11);
  // A value that is not a number ends the iteration instead of looping for ever.
  EXPECT_TRUE(std::isnan(SolveKepler(std::nan(""), e)));
}

// A birth shortly after midnight on a zone ahead of universal time falls on the previous
// universal day; the planets follow that date.
TEST(ComputePlanets, UniversalDateRollsBack) {
  const PlanetLongitudes early = ComputePlanets(At(2000, 1, 1, 0, 10, kIndian), 23.85);
  const PlanetLongitudes sameInstant = ComputePlanets(At(1999, 12, 31, 18, 40, kGmt), 23.85);
  EXPECT_EQ(early.bodies, sameInstant.bodies);
  EXPECT_EQ(early.rahu, sameInstant.rahu);
}

}  // namespace
}  // namespace velquor
