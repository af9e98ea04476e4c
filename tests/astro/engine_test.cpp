// Reference values for the ascendant, the Moon and the planets, and the two conversions
// mended over the classic routines (zone direction, daylight saving in the planets).
#include <gtest/gtest.h>

#include <cmath>

#include "astro/ascendant.h"
#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/ayanamsa.h"
#include "astro/position_text.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "chart/chart_context.h"

namespace velquor {
namespace {

struct Place {
  int lonDeg, lonMin;
  bool east;
  int latDeg, latMin;
  bool south;
};

ChartContext MakeChart(int year, int month, int day, int hour, int minute, int zoneIndex, const Place& place,
                       bool dst = false) {
  ChartContext chart;
  chart.birth.yearNumber = year;
  chart.birth.monthNumber = month;
  chart.birth.dayNumber = day;
  chart.birth.hourNumber = hour;
  chart.birth.minuteNumber = minute;
  chart.birth.lonDegrees = place.lonDeg;
  chart.birth.lonMinutes = place.lonMin;
  chart.birth.isEast = place.east;
  chart.birth.latDegrees = place.latDeg;
  chart.birth.latMinutes = place.latMin;
  chart.birth.isSouth = place.south;
  chart.birth.isDst = dst;
  Zone_Calculation(zoneIndex, chart.zone);
  // Texts the planet run copies into the position table; the tests that need the real
  // ones compute them.
  chart.moon.MoonText = FormatLongitude(0.0);
  chart.ascendant.AscendantText = FormatLongitude(0.0);
  return chart;
}

constexpr int kIndian = 34;   // "Indian Time, IST, +5.3"
constexpr int kEastern = 27;  // "Eastern Standard Time,EST,-5.0"
constexpr int kGmt = 29;
constexpr int kCet = 20;      // "Central European Time,CET,+1.0"

constexpr Place kDelhi{77, 13, true, 28, 37, false};
constexpr Place kNewYork{74, 0, false, 40, 43, false};
constexpr Place kGreenwich{0, 0, false, 51, 29, false};

TEST(ComputeAscendant, PublishedBirths) {
  struct Case {
    ChartContext chart;
    double ayanamsa, sidereal;
    int degree;
    const char* text;
  };
  Case cases[] = {
      {MakeChart(2000, 1, 1, 12, 0, kIndian, kDelhi), -23.85398, 343.20516, 343, "13\u00B0 12' 18\" Pis"},
      {MakeChart(1976, 7, 4, 6, 30, kEastern, kNewYork, true), AyanamsaCorrection(10.5 / 24 / 36525 + (static_cast<double>(JulianDayNumber(7, 4, 1976)) - 2415020.5) / 36525), 90.29801, 90, "0\u00B0 17' 52\" Can"},
  };
  for (auto& c : cases) {
    ComputeAscendant(c.chart);
    const AscendantResult& r = c.chart.ascendant;
    EXPECT_NEAR(r.AyanamsaOffset, c.ayanamsa, 1e-5);
    EXPECT_NEAR(r.AscendantSidereal, c.sidereal, 1e-4);
    EXPECT_EQ(r.AscendantDegree, c.degree);
    EXPECT_EQ(r.AscendantText, c.text);
  }
}

TEST(ComputeMoon, PublishedMoments) {
  struct Case {
    ChartContext chart;
    double sidereal, start;
  };
  Case cases[] = {
      // T = 0: the mean arguments equal their constant terms.
      {MakeChart(2000, 1, 1, 12, 0, kGmt, kGreenwich), 199.4624, 186.62},
      // 15 August 1990, 06:30 IST: UT 01:00, T = -0.0938113164.
      {MakeChart(1990, 8, 15, 6, 30, kIndian, kDelhi), 46.5310, 39.99},
  };
  for (auto& c : cases) {
    ComputeMoon(c.chart);
    EXPECT_NEAR(c.chart.moon.MoonSidereal, c.sidereal, 1e-4);
    EXPECT_DOUBLE_EQ(c.chart.moon.MoonNakshatraStart, c.start);
    EXPECT_EQ(c.chart.moon.MoonText, FormatLongitude(c.chart.moon.MoonSidereal));
  }
}

TEST(ComputePlanets, J2000Table) {
  ChartContext chart = MakeChart(2000, 1, 1, 12, 0, kGmt, kGreenwich);
  chart.ascendant.AyanamsaOffset = -23.853991;
  chart.ascendant.AscendantText = FormatLongitude(343.20516);
  chart.moon.MoonText = FormatLongitude(199.4624);
  ComputePlanets(chart);

  struct Case { int body; double tropical; const char* text; const char* shortText; int position; };
  const Case cases[] = {
      {kEarthSun, 280.37963, "16\u00B0 31' 32\" Sag", "16 Sag 31", 0},
      {kMercury, 271.90602, "8\u00B0 3' 7\" Sag", "08 Sag 03", 2},
      {kVenus, 241.57807, "7\u00B0 43' 26\" Sco", "07 Sco 43", 3},
      {kMars, 327.98280, "4\u00B0 7' 43\" Aqu", "04 Aqu 07", 4},
      {kJupiter, 25.36113, "1\u00B0 30' 25\" Ari", "01 Ari 30", 5},
      {kSaturn, 40.21466, "16\u00B0 21' 38\" Ari", "16 Ari 21", 6},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(GeocentricLongitude(c.body, 0.0), c.tropical, 1e-5) << c.body;
    EXPECT_EQ(chart.planets.PlanetTexts[static_cast<std::size_t>(c.body)], c.text) << c.body;
    EXPECT_EQ(chart.planets.PositionTexts[static_cast<std::size_t>(c.position)], c.shortText) << c.body;
  }
  EXPECT_EQ(chart.planets.RahuText, "10\u00B0 16' 6\" Can");
  EXPECT_EQ(chart.planets.KetuText, "10\u00B0 16' 6\" Cap");
  EXPECT_EQ(chart.planets.PositionTexts[7], "10 Can 16");
  EXPECT_EQ(chart.planets.PositionTexts[8], "10 Cap 16");
  EXPECT_EQ(chart.planets.PositionTexts[1], "19 Lib 27");  // the Moon's text, re-formatted
  EXPECT_EQ(chart.planets.PositionTexts[9], "13 Pis 12");  // the ascendant's text
}

TEST(ComputePlanets, SunriseModeUsesTheReferenceSunriseAndKeepsTheBirthAyanamsa) {
  ChartContext birth = MakeChart(2000, 1, 1, 12, 0, kGmt, kGreenwich);
  birth.ascendant.AyanamsaOffset = -23.853991;
  ChartContext atSunrise = MakeChart(1950, 6, 1, 3, 0, kGmt, kGreenwich);
  atSunrise.ascendant.AyanamsaOffset = -23.853991;
  atSunrise.SunriseMode = true;
  atSunrise.ReferenceSunriseParts = {2000, 1, 1, 12, 0, 45};  // seconds are ignored
  ComputePlanets(birth);
  ComputePlanets(atSunrise);
  EXPECT_EQ(atSunrise.planets.PlanetTexts, birth.planets.PlanetTexts);
  EXPECT_NEAR(atSunrise.planets.SunAtSunrise, 256.52564, 1e-5);
  EXPECT_EQ(atSunrise.planets.SunAtSunriseText, "16 Sag 31");
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

// Madrid lies west of Greenwich but keeps Central European Time: universal time is the
// local time minus one hour, not plus one.
TEST(ZoneDirection, WesternPlaceOnAnEasternZone) {
  const Place madrid{3, 41, false, 40, 25, false};
  ChartContext onCet = MakeChart(2000, 1, 1, 13, 0, kCet, madrid);
  ChartContext onGmt = MakeChart(2000, 1, 1, 12, 0, kGmt, madrid);
  ComputeAscendant(onCet);
  ComputeAscendant(onGmt);
  ComputeMoon(onCet);
  ComputeMoon(onGmt);
  EXPECT_DOUBLE_EQ(onCet.ascendant.AscendantSidereal, onGmt.ascendant.AscendantSidereal);
  EXPECT_DOUBLE_EQ(onCet.moon.MoonSidereal, onGmt.moon.MoonSidereal);
}

// A ticked daylight box moves the universal instant back one hour for every body.
TEST(DaylightSaving, MovesEveryInstantBackOneHour) {
  ChartContext ticked = MakeChart(1976, 7, 4, 7, 30, kEastern, kNewYork, true);
  ChartContext plain = MakeChart(1976, 7, 4, 6, 30, kEastern, kNewYork, false);
  for (ChartContext* c : {&ticked, &plain}) {
    ComputeAscendant(*c);
    ComputeMoon(*c);
    ComputePlanets(*c);
  }
  EXPECT_DOUBLE_EQ(ticked.ascendant.AscendantSidereal, plain.ascendant.AscendantSidereal);
  EXPECT_DOUBLE_EQ(ticked.moon.MoonSidereal, plain.moon.MoonSidereal);
  EXPECT_EQ(ticked.planets.PlanetTexts, plain.planets.PlanetTexts);
  EXPECT_EQ(ticked.planets.RahuText, plain.planets.RahuText);

  ticked.SunriseMode = plain.SunriseMode = true;
  ticked.ReferenceSunriseParts = {1976, 7, 4, 6, 0, 0};
  plain.ReferenceSunriseParts = {1976, 7, 4, 5, 0, 0};
  ComputePlanets(ticked);
  ComputePlanets(plain);
  EXPECT_DOUBLE_EQ(ticked.planets.SunAtSunrise, plain.planets.SunAtSunrise);
}

// A birth shortly after midnight on a zone ahead of universal time falls on the previous
// universal day; the planets follow that date.
TEST(ComputePlanets, UniversalDateRollsBack) {
  ChartContext early = MakeChart(2000, 1, 1, 0, 10, kIndian, kDelhi);
  ChartContext sameInstant = MakeChart(1999, 12, 31, 18, 40, kGmt, kGreenwich);
  early.ascendant.AyanamsaOffset = sameInstant.ascendant.AyanamsaOffset = -23.85;
  ComputePlanets(early);
  ComputePlanets(sameInstant);
  EXPECT_EQ(early.planets.PlanetTexts, sameInstant.planets.PlanetTexts);
}

}  // namespace
}  // namespace velquor
