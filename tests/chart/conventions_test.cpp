// The conventions of other schools: what each one changes in a whole chart, and what it
// must leave alone.
#include "chart/conventions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/precise_ephemeris.h"
#include "chart/birth_instant.h"
#include "chart/chart_run.h"

namespace velquor {
namespace {

BirthData Delhi(int hour, int minute) {
  BirthData b;
  b.personName = "RAVI";
  b.yearNumber = 1990;
  b.monthNumber = 8;
  b.dayNumber = 15;
  b.hourNumber = hour;
  b.minuteNumber = minute;
  b.secondNumber = 20;
  b.zoneIndex = 34;  // "Indian Time, IST, +5.3"
  b.latDegrees = 28;
  b.latMinutes = 37;
  b.lonDegrees = 77;
  b.lonMinutes = 13;
  return b;
}

ChartResult Chart(const BirthData& birth, const Conventions& conventions) {
  const ChartOutcome outcome = RunChart(birth, conventions);
  if (!outcome.chart) throw std::runtime_error(outcome.stopMessage);
  return *outcome.chart;
}

Conventions With(void (*change)(Conventions&)) {
  Conventions c;
  change(c);
  return c;
}

TEST(Conventions, NamesReadBackAndSetsAreNamed) {
  for (const auto e : {EphemerisConvention::Classic, EphemerisConvention::Precise}) {
    EXPECT_EQ(EphemerisNamed(NameOf(e)), e);
  }
  for (const auto s :
       {SunriseConvention::Classic, SunriseConvention::UpperLimb, SunriseConvention::DiscCentre}) {
    EXPECT_EQ(SunriseNamed(NameOf(s)), s);
  }
  for (const auto p : {PranapadaSunConvention::AtSunrise, PranapadaSunConvention::AtBirth}) {
    EXPECT_EQ(PranapadaSunNamed(NameOf(p)), p);
  }
  for (const auto a : {AfterSunsetConvention::ToNextSunrise, AfterSunsetConvention::FromSunrise}) {
    EXPECT_EQ(AfterSunsetNamed(NameOf(a)), a);
  }
  EXPECT_EQ(SunriseNamed("disc-center"), std::nullopt);
  EXPECT_EQ(ConventionsNamed("classic"), Conventions{});
  EXPECT_EQ(ConventionsNamed("modern"), ModernConventions());
  EXPECT_EQ(ConventionsNamed("Modern"), std::nullopt);
  EXPECT_EQ(SetNameOf(ModernConventions()), "modern");
  const Conventions mixed = With([](Conventions& c) { c.sunrise = SunriseConvention::UpperLimb; });
  EXPECT_EQ(SetNameOf(mixed), std::nullopt);
  EXPECT_EQ(ConventionsLine({}).rfind("Conventions: classic (", 0), 0u);
  EXPECT_EQ(ConventionsLine({}).find("not the classic set"), std::string::npos);
  EXPECT_NE(ConventionsLine(mixed).find("not the classic set"), std::string::npos);
  EXPECT_NE(ConventionsLine(ModernConventions()).find("modern (precise ephemeris"),
            std::string::npos);
}

// The precise chart takes the Swiss Ephemeris at the birth instant to the second.
TEST(Conventions, PreciseChartIsTheSwissEphemerisAtTheBirthInstant) {
  const BirthData birth = Delhi(10, 15);
  const ChartResult r =
      Chart(birth, With([](Conventions& c) { c.ephemeris = EphemerisConvention::Precise; }));
  // 10:15:20 IST is 04:45:20 UT.
  const double jd = JulianDayUt(1990, 8, 15, 4 + 45 / 60.0 + 20 / 3600.0);
  EXPECT_DOUBLE_EQ(r.moon.MoonSidereal, PreciseMoonLongitude(jd));
  EXPECT_DOUBLE_EQ(r.ascendant.AscendantSidereal,
                   PreciseAscendant(jd, 28 + 37 / 60.0, 77 + 13 / 60.0));
  EXPECT_DOUBLE_EQ(r.ascendant.AyanamsaOffset, -PreciseAyanamsa(jd));
  // Near 1990 the classic Moon is within a few arc minutes of the precise one.
  const ChartResult classic = Chart(birth, {});
  EXPECT_NEAR(r.moon.MoonSidereal, classic.moon.MoonSidereal, 3.0 / 60);
  EXPECT_EQ(r.conventions.ephemeris, EphemerisConvention::Precise);
}

// Day births count from the day's sunrise either way; night births differ: to the next
// sunrise, or on from the day's own.
TEST(Conventions, AfterSunsetChangesOnlyNightBirths) {
  const Conventions fromSunrise =
      With([](Conventions& c) { c.afterSunset = AfterSunsetConvention::FromSunrise; });
  const ChartResult dayClassic = Chart(Delhi(14, 0), {});
  const ChartResult dayFrom = Chart(Delhi(14, 0), fromSunrise);
  EXPECT_EQ(dayFrom.ReferenceSunrise, dayClassic.ReferenceSunrise);
  EXPECT_EQ(dayFrom.ElapsedSeconds, dayClassic.ElapsedSeconds);
  EXPECT_EQ(dayFrom.pranapada.PpLSign, dayClassic.pranapada.PpLSign);

  const ChartResult nightClassic = Chart(Delhi(22, 0), {});
  const ChartResult nightFrom = Chart(Delhi(22, 0), fromSunrise);
  EXPECT_EQ(nightClassic.ReferenceSunrise.day, 16);
  EXPECT_EQ(nightFrom.ReferenceSunrise.day, 15);
  EXPECT_EQ(nightFrom.ReferenceSunrise, *nightFrom.sunDays[1].sunrise);
  EXPECT_EQ(nightFrom.ElapsedSeconds,
            SecondsBetween(nightFrom.ReferenceSunrise, BirthMomentOf(Delhi(22, 0))));
}

// The Hindu sunrise (the Sun's centre, no refraction) comes minutes after the upper edge's,
// and the count starts there.
TEST(Conventions, DiscCentreSunriseComesAfterTheUpperLimb) {
  const ChartResult upper =
      Chart(Delhi(9, 0), With([](Conventions& c) { c.sunrise = SunriseConvention::UpperLimb; }));
  const ChartResult centre =
      Chart(Delhi(9, 0), With([](Conventions& c) { c.sunrise = SunriseConvention::DiscCentre; }));
  const std::int64_t later = SecondsBetween(upper.ReferenceSunrise, centre.ReferenceSunrise);
  EXPECT_GE(later, 2 * 60);
  EXPECT_LE(later, 6 * 60);
  EXPECT_EQ(upper.ElapsedSeconds - centre.ElapsedSeconds, later);
  const std::int64_t sunsetEarlier =
      SecondsBetween(*centre.sunDays[1].sunset, *upper.sunDays[1].sunset);
  EXPECT_GE(sunsetEarlier, 2 * 60);
  EXPECT_LE(sunsetEarlier, 6 * 60);
}

// The Sun the Pranapada counts from: at the sunrise, or at birth.
TEST(Conventions, PranapadaSunAtBirthIsTheBirthSun) {
  const Conventions atBirth =
      With([](Conventions& c) { c.pranapadaSun = PranapadaSunConvention::AtBirth; });
  const ChartResult classic = Chart(Delhi(16, 30), {});
  const ChartResult birthSun = Chart(Delhi(16, 30), atBirth);
  EXPECT_EQ(classic.SunAtSunriseText, classic.SunrisePositionTexts[0]);
  EXPECT_EQ(birthSun.SunAtSunriseText, birthSun.PositionTexts[0]);
  EXPECT_EQ(birthSun.PositionTexts, classic.PositionTexts) << "the birth positions stay";
  EXPECT_EQ(birthSun.ElapsedSeconds, classic.ElapsedSeconds);
  // The Sun moves about 40' between sunrise and 16:30.
  EXPECT_NEAR(birthSun.SunAtSunrise - classic.SunAtSunrise, 0.42, 0.1);
}

// A polar night stops every convention with the same message.
TEST(Conventions, PolarNightStopsEveryConvention) {
  BirthData tromso = Delhi(12, 0);
  tromso.yearNumber = 2000;
  tromso.monthNumber = 12;
  tromso.dayNumber = 21;
  tromso.latDegrees = 69;
  tromso.latMinutes = 39;
  tromso.lonDegrees = 18;
  tromso.lonMinutes = 57;
  tromso.zoneIndex = 20;
  const ChartOutcome classic = RunChart(tromso);
  ASSERT_FALSE(classic.chart.has_value());
  for (const Conventions& c : {ModernConventions(), With([](Conventions& x) {
                                 x.sunrise = SunriseConvention::UpperLimb;
                               })}) {
    const ChartOutcome outcome = RunChart(tromso, c);
    EXPECT_FALSE(outcome.chart.has_value());
    EXPECT_EQ(outcome.stopReason, StopReason::NoSunrise);
    EXPECT_EQ(outcome.stopMessage, classic.stopMessage);
  }
}

}  // namespace
}  // namespace velquor
