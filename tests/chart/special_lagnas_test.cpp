// The special lagnas of whole charts: the time lagnas' rates and their continuity across
// sunset, Gulika and Mandi of a day and a night birth worked by hand, the points read to the
// birth second, and the options, in every convention set.
#include "chart/special_lagnas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "astro/vargas.h"
#include "chart/birth_instant.h"
#include "chart/chart_run.h"
#include "support/birth_of.h"

namespace velquor {
namespace {

constexpr int kIst = 34;

BirthData DelhiAt(int year, int month, int day, int hour, int minute, int second) {
  return test::BirthOf("RAVI", year, month, day, hour, minute, second, kIst, 28, 37, false, 77,
                       13, true, false, "Delhi", "Delhi", "India");
}

ChartResult ChartOf(const BirthData& birth, const Conventions& conventions = {}) {
  ChartOutcome outcome = RunChart(birth, conventions);
  EXPECT_TRUE(outcome.chart.has_value()) << outcome.stopMessage;
  return *outcome.chart;
}

const Conventions kSets[] = {ClassicConventions(), ModernConventions()};

// The ascendant of the chart born at `clock` plus `seconds` (fractions kept), read between
// whole clock steps as the conventions' ascendant reads the clock (by the minute for the
// classic formulas, by the second for the precise ephemeris): the obvious slow way, one
// whole chart a step. The special lagnas evaluate the formulas at the instant itself; over
// one minute the ascendant's rate changes little enough that the straight line between two
// readings stays within kBetweenReadings of them.
constexpr double kBetweenReadings = 1e-4;  // degrees, 0.36 arc seconds
double ChartAscendantAt(const BirthData& birth, const Conventions& conventions,
                        const LocalDateTime& clock, double seconds) {
  const double step = conventions.ephemeris == EphemerisConvention::Precise ? 1.0 : 60.0;
  const double whole = std::floor(seconds / step) * step;
  const LocalDateTime first = AddSeconds(clock, static_cast<std::int64_t>(whole));
  const double a = ChartOf(BirthAt(birth, first), conventions).ascendant.AscendantSidereal;
  if (seconds == whole) return a;
  const LocalDateTime next = AddSeconds(first, static_cast<std::int64_t>(step));
  double b = ChartOf(BirthAt(birth, next), conventions).ascendant.AscendantSidereal;
  if (b < a - 180.0) b += 360.0;
  return FoldDegrees(a + (b - a) * (seconds - whole) / step);
}

double ArcBetween(double a, double b) {
  const double d = std::fabs(FoldDegrees(a - b));
  return std::min(d, 360.0 - d);
}

// Wednesday 15 August 1990 at Delhi, classic sunrises: 05:49 and 19:02, the next sunrise
// 05:50, the day before's sunset 19:03.
TEST(SpecialLagnas, GulikaAndMandiOfADayBirthWorkedByHand) {
  const BirthData birth = DelhiAt(1990, 8, 15, 6, 30, 0);
  const SpecialLagnas s = ComputeSpecialLagnas(ChartOf(birth));
  ASSERT_TRUE(s.hasSpan);
  EXPECT_FALSE(s.byNight);
  EXPECT_EQ(s.spanStart, (LocalDateTime{1990, 8, 15, 5, 49, 0}));
  EXPECT_EQ(s.spanEnd, (LocalDateTime{1990, 8, 15, 19, 2, 0}));
  // Wednesday: Mercury, Jupiter, Venus, Saturn: the fourth eighth of 793 minutes, which
  // opens at 05:49 + 3 x 99.125 min = 10:46:22.5, its middle at 11:35:56.25.
  EXPECT_EQ(s.saturnPart, 4);
  const LocalDateTime midnight{1990, 8, 15, 0, 0, 0};
  const double gulika = ChartAscendantAt(birth, {}, midnight, 10 * 3600 + 46 * 60 + 22.5);
  const double mandi = ChartAscendantAt(birth, {}, midnight, 11 * 3600 + 35 * 60 + 56.25);
  EXPECT_NEAR(s[SpecialLagna::Gulika].longitude, gulika, kBetweenReadings);
  EXPECT_NEAR(s[SpecialLagna::Mandi].longitude, mandi, kBetweenReadings);
  EXPECT_EQ(s[SpecialLagna::Gulika].sign, VargaSign(gulika, Varga::D1));
}

TEST(SpecialLagnas, GulikaAndMandiOfNightBirthsWorkedByHand) {
  // 22:00 on Wednesday: the night from 19:02 to 05:50, 648 minutes; its lords from the
  // fifth from Mercury, the Sun: Saturn's is the seventh, at 19:02 + 6 x 81 min = 03:08,
  // its middle at 03:48:30.
  {
    const BirthData birth = DelhiAt(1990, 8, 15, 22, 0, 0);
    const SpecialLagnas s = ComputeSpecialLagnas(ChartOf(birth));
    EXPECT_TRUE(s.byNight);
    EXPECT_EQ(s.spanStart, (LocalDateTime{1990, 8, 15, 19, 2, 0}));
    EXPECT_EQ(s.spanEnd, (LocalDateTime{1990, 8, 16, 5, 50, 0}));
    EXPECT_EQ(s.saturnPart, 7);
    const LocalDateTime at{1990, 8, 16, 3, 8, 0};
    EXPECT_NEAR(s[SpecialLagna::Gulika].longitude,
                ChartOf(BirthAt(birth, at)).ascendant.AscendantSidereal, 1e-8);
    EXPECT_NEAR(s[SpecialLagna::Mandi].longitude, ChartAscendantAt(birth, {}, at, 40 * 60 + 30),
                kBetweenReadings);
  }
  // 04:00 on Wednesday is still Tuesday's night, from 19:03 to 05:49, 646 minutes; from
  // the fifth from Mars, Saturn itself: the first eighth, opening at sunset.
  {
    const BirthData birth = DelhiAt(1990, 8, 15, 4, 0, 0);
    const SpecialLagnas s = ComputeSpecialLagnas(ChartOf(birth));
    EXPECT_TRUE(s.byNight);
    EXPECT_EQ(s.spanStart, (LocalDateTime{1990, 8, 14, 19, 3, 0}));
    EXPECT_EQ(s.saturnPart, 1);
    const LocalDateTime sunset{1990, 8, 14, 19, 3, 0};
    EXPECT_EQ(s[SpecialLagna::Gulika].longitude,
              ChartOf(BirthAt(birth, sunset)).ascendant.AscendantSidereal);  // the same reading
    EXPECT_NEAR(s[SpecialLagna::Mandi].longitude,
                ChartAscendantAt(birth, {}, sunset, 40 * 60 + 22.5), kBetweenReadings);
  }
}

// In every set, and with every choice of moment: the point is the ascendant at its instant.
TEST(SpecialLagnas, GulikaMandiMomentsInEverySet) {
  for (const Conventions& conventions : kSets) {
    for (const auto& birth : {DelhiAt(2001, 3, 3, 13, 17, 41), DelhiAt(2001, 3, 3, 23, 5, 9)}) {
      for (const PartMoment moment : {PartMoment::Start, PartMoment::Middle, PartMoment::End}) {
        SpecialLagnaOptions options;
        options.gulika = moment;
        options.mandi = moment;
        const SpecialLagnas s = ComputeSpecialLagnas(ChartOf(birth, conventions), options);
        ASSERT_TRUE(s.hasSpan);
        const double eighth = static_cast<double>(SecondsBetween(s.spanStart, s.spanEnd)) / 8.0;
        const double expected = ChartAscendantAt(
            birth, conventions, s.spanStart, eighth * (s.saturnPart - 1 + PartFraction(moment)));
        EXPECT_NEAR(s[SpecialLagna::Gulika].longitude, expected, kBetweenReadings) << NameOf(moment);
        EXPECT_EQ(s[SpecialLagna::Gulika].longitude, s[SpecialLagna::Mandi].longitude);
      }
    }
  }
}

// The time lagnas over a whole day of births, minute by minute, from just after the day's
// sunrise to just before the next: each moves at its rate and does not jump at sunset,
// in every set (whichever way the chart itself counts the night).
TEST(SpecialLagnas, TimeLagnasMoveAtTheirRatesAndRunOnAcrossSunset) {
  for (const Conventions& conventions : kSets) {
    const ChartResult first = ChartOf(DelhiAt(1990, 8, 15, 12, 0, 0), conventions);
    const LocalDateTime sunrise = *first.sunDays[1].sunrise;
    const LocalDateTime sunset = *first.sunDays[1].sunset;
    const LocalDateTime nextSunrise = *first.sunDays[2].sunrise;
    SpecialLagnas previous;
    bool crossedSunset = false;
    int charts = 0;
    for (LocalDateTime t = AddMinutes(sunrise, 1); t < nextSunrise; t = AddMinutes(t, 7)) {
      const SpecialLagnas s = ComputeSpecialLagnas(ChartOf(BirthAt(first.birth, t), conventions));
      ASSERT_TRUE(s.hasSunrise);
      EXPECT_EQ(s.sunrise, sunrise) << FormatSecond(t);
      EXPECT_EQ(s.elapsedSeconds, SecondsBetween(sunrise, t));
      if (charts++ > 0) {
        // The Sun at sunrise is the same sunrise's; the classic one takes the ayanamsa of
        // the birth moment, which moves 0.1" a day.
        EXPECT_NEAR(ArcBetween(s[SpecialLagna::Bhava].longitude,
                               previous[SpecialLagna::Bhava].longitude),
                    7 * 0.25, 1e-4);
        EXPECT_NEAR(ArcBetween(s[SpecialLagna::Hora].longitude,
                               previous[SpecialLagna::Hora].longitude),
                    7 * 0.5, 1e-4);
        EXPECT_NEAR(ArcBetween(s[SpecialLagna::Ghati].longitude,
                               previous[SpecialLagna::Ghati].longitude),
                    7 * 1.25, 1e-4);
      }
      crossedSunset = crossedSunset || t > sunset;
      previous = s;
    }
    EXPECT_TRUE(crossedSunset);
    EXPECT_GT(charts, 100);
  }
}

TEST(SpecialLagnas, TimeLagnasReadTheBirthSecond) {
  for (const Conventions& conventions : kSets) {
    const SpecialLagnas a = ComputeSpecialLagnas(ChartOf(DelhiAt(1990, 8, 15, 9, 10, 0), conventions));
    const SpecialLagnas b =
        ComputeSpecialLagnas(ChartOf(DelhiAt(1990, 8, 15, 9, 10, 36), conventions));
    EXPECT_EQ(b.elapsedSeconds - a.elapsedSeconds, 36);
    EXPECT_NEAR(b[SpecialLagna::Ghati].longitude - a[SpecialLagna::Ghati].longitude, 0.75, 1e-6);
  }
}

TEST(SpecialLagnas, BeforeSunriseCountsFromTheDayBefore) {
  const ChartResult chart = ChartOf(DelhiAt(1990, 8, 15, 4, 0, 0));
  const SpecialLagnas s = ComputeSpecialLagnas(chart);
  EXPECT_EQ(s.sunrise, (LocalDateTime{1990, 8, 14, 5, 49, 0}));
  EXPECT_EQ(s.elapsedSeconds, (24 * 60 - 109) * 60);
  EXPECT_NEAR(s[SpecialLagna::Hora].longitude,
              FoldDegrees(s.sunAtSunrise + 0.5 * (24 * 60 - 109)), 1e-9);
}

// The classic ascendant and Moon read the clock by the minute: the points of a birth at
// hh:mm:ss lie between those of hh:mm and of the next minute, in proportion, and a birth at
// a whole minute takes the chart's own.
TEST(SpecialLagnas, ClassicPointsBetweenMinutes) {
  const ChartResult at = ChartOf(DelhiAt(1990, 8, 15, 9, 10, 0));
  const ChartResult next = ChartOf(DelhiAt(1990, 8, 15, 9, 11, 0));
  const SpecialLagnas whole = ComputeSpecialLagnas(at);
  EXPECT_EQ(whole.ascendant, at.ascendant.AscendantSidereal);
  EXPECT_EQ(whole.moon, at.moon.MoonSidereal);
  EXPECT_NEAR(whole[SpecialLagna::Kunda].longitude,
              std::fmod(at.ascendant.AscendantSidereal * 81.0, 360.0), 1e-9);
  const SpecialLagnas s = ComputeSpecialLagnas(ChartOf(DelhiAt(1990, 8, 15, 9, 10, 45)));
  const double asc = at.ascendant.AscendantSidereal +
                     0.75 * (next.ascendant.AscendantSidereal - at.ascendant.AscendantSidereal);
  const double moon = at.moon.MoonSidereal + 0.75 * (next.moon.MoonSidereal - at.moon.MoonSidereal);
  EXPECT_NEAR(s.ascendant, asc, kBetweenReadings);
  EXPECT_NEAR(s.moon, moon, kBetweenReadings);
  EXPECT_NE(s.ascendant, asc);  // the formula itself, not the straight line
  EXPECT_NEAR(s[SpecialLagna::Kunda].longitude, KundaLagna(s.ascendant), 1e-9);
  EXPECT_NEAR(s[SpecialLagna::Sree].longitude, SreeLagna(s.ascendant, s.moon), 1e-9);
  EXPECT_NEAR(s[SpecialLagna::BhriguBindu].longitude, BhriguBindu(at.longitudes[7], s.moon),
              1e-9);
}

// The worked day chart, point by point, with the houses from its Leo ascendant.
TEST(SpecialLagnas, WorkedDayChart) {
  const ChartResult chart = ChartOf(DelhiAt(1990, 8, 15, 6, 30, 0));
  const SpecialLagnas s = ComputeSpecialLagnas(chart);
  ASSERT_EQ(chart.AscSign, 5);
  // 41 minutes after 05:49.
  EXPECT_EQ(s.elapsedSeconds, 41 * 60);
  EXPECT_EQ(s.sunAtSunrise, chart.SunAtSunrise);
  EXPECT_NEAR(s[SpecialLagna::Bhava].longitude, chart.SunAtSunrise + 10.25, 1e-9);
  EXPECT_NEAR(s[SpecialLagna::Hora].longitude, chart.SunAtSunrise + 20.5, 1e-9);
  EXPECT_NEAR(s[SpecialLagna::Ghati].longitude, chart.SunAtSunrise + 51.25, 1e-9);
  // Ascendant 5° 58' Leo and Hora lagna in Leo, both odd: 5 + 5 = 10 from Aries, Capricorn,
  // house 6, at the ascendant's degrees.
  EXPECT_EQ(s[SpecialLagna::Varnada].sign, 9);
  EXPECT_EQ(s[SpecialLagna::Varnada].house, 6);
  EXPECT_TRUE(s[SpecialLagna::Varnada].wholeSign);
  EXPECT_NEAR(s[SpecialLagna::Varnada].longitude, 270.0 + chart.ascendant.AscendantSidereal - 120.0,
              1e-9);
  // Leo ascendant (9th lord Mars, 6) and Taurus Moon (Saturn, 1): 7th from Taurus, Scorpio.
  EXPECT_EQ(s[SpecialLagna::Indu].sign, 7);
  EXPECT_EQ(s[SpecialLagna::Indu].house, 4);
  EXPECT_NEAR(s[SpecialLagna::Indu].longitude, 210.0 + chart.moon.MoonSidereal - 30.0, 1e-9);
  for (const SpecialLagna lagna : kSpecialLagnas) {
    const SpecialLagnaPoint& p = s[lagna];
    EXPECT_TRUE(p.available) << SpecialLagnaName(lagna);
    EXPECT_EQ(p.sign, static_cast<int>(p.longitude / 30.0)) << SpecialLagnaName(lagna);
    EXPECT_EQ(p.house, (p.sign - 4 + 12) % 12 + 1) << SpecialLagnaName(lagna);
  }
}

TEST(SpecialLagnas, VarnadaOptionChangesOnlyVarnada) {
  const ChartResult chart = ChartOf(DelhiAt(1990, 8, 15, 6, 30, 0));
  SpecialLagnaOptions byDegrees;
  byDegrees.varnada = VarnadaMethod::Longitudes;
  const SpecialLagnas a = ComputeSpecialLagnas(chart);
  const SpecialLagnas b = ComputeSpecialLagnas(chart, byDegrees);
  for (const SpecialLagna lagna : kSpecialLagnas) {
    if (lagna == SpecialLagna::Varnada) continue;
    EXPECT_EQ(a[lagna].longitude, b[lagna].longitude) << SpecialLagnaName(lagna);
  }
  EXPECT_NEAR(b[SpecialLagna::Varnada].longitude,
              VarnadaByLongitudes(b.ascendant, b[SpecialLagna::Hora].longitude), 1e-12);
  EXPECT_FALSE(b[SpecialLagna::Varnada].wholeSign);
}

TEST(SpecialLagnas, NamesAndChoices) {
  for (const SpecialLagna lagna : kSpecialLagnas) {
    EXPECT_FALSE(SpecialLagnaName(lagna).empty());
    EXPECT_EQ(SpecialLagnaTag(lagna).size(), 2u);
  }
  EXPECT_EQ(SpecialLagnaKey(SpecialLagna::BhriguBindu), "bhrigu_bindu");
  for (const PartMoment moment : {PartMoment::Start, PartMoment::Middle, PartMoment::End}) {
    EXPECT_EQ(PartMomentNamed(NameOf(moment)), moment);
  }
  for (const VarnadaMethod method : {VarnadaMethod::WholeSigns, VarnadaMethod::Longitudes}) {
    EXPECT_EQ(VarnadaMethodNamed(NameOf(method)), method);
  }
  EXPECT_FALSE(PartMomentNamed("Start").has_value());
  EXPECT_FALSE(VarnadaMethodNamed("signs").has_value());
}

}  // namespace
}  // namespace velquor
