// Whole charts pinned to the last bit: the doubles a chart shows or derives its signs from,
// and every text of the position table and the sign chart. Any change meant only to make
// the chart run faster must leave all of these as they are.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "astro/planets.h"
#include "chart/chart_run.h"
#include "chart/pinned_charts.h"

namespace velquor {
namespace {

using test::kPinnedCharts;
using test::PinnedChart;

template <std::size_t N>
std::array<std::string, N> Strings(const std::array<const char*, N>& texts) {
  std::array<std::string, N> strings;
  for (std::size_t i = 0; i < N; ++i) strings[i] = texts[i];
  return strings;
}

TEST(ChartPins, WholeChartsToTheLastBit) {
  for (const PinnedChart& pin : kPinnedCharts) {
    const ChartOutcome outcome = RunChart(pin.birth);
    ASSERT_TRUE(outcome.chart.has_value()) << pin.what;
    const ChartResult& r = *outcome.chart;
    EXPECT_EQ(r.ascendant.AyanamsaOffset, pin.ayanamsa) << pin.what;
    EXPECT_EQ(r.ascendant.AscendantSidereal, pin.ascendant) << pin.what;
    EXPECT_EQ(r.moon.MoonSidereal, pin.moon) << pin.what;
    EXPECT_EQ(r.SunAtSunrise, pin.sunAtSunrise) << pin.what;
    EXPECT_EQ(r.PositionTexts, Strings(pin.positions)) << pin.what;
    EXPECT_EQ(r.SunrisePositionTexts, Strings(pin.sunrisePositions)) << pin.what;
    EXPECT_EQ(r.ReferenceSunrise, pin.referenceSunrise) << pin.what;
    EXPECT_EQ(r.ElapsedSeconds, pin.elapsedSeconds) << pin.what;
    EXPECT_EQ(r.pranapada.Signs, pin.pranapada.Signs) << pin.what;
    EXPECT_EQ(r.pranapada.Degrees, pin.pranapada.Degrees) << pin.what;
    EXPECT_EQ(r.pranapada.Minutes, pin.pranapada.Minutes) << pin.what;
    EXPECT_EQ(r.pranapada.PpLSign, pin.pranapada.PpLSign) << pin.what;
    EXPECT_EQ(r.pranapada.House, pin.pranapada.House) << pin.what;
    EXPECT_EQ(r.SignCells, Strings(pin.signCells)) << pin.what;
    EXPECT_EQ(r.SpecialCells, Strings(pin.specialCells)) << pin.what;
  }
}

// The planet path below the texts: geocentric longitudes of Mercury .. Saturn (the Sun at
// index 2) at days from J2000.0 across the chart's years.
TEST(ChartPins, GeocentricLongitudesToTheLastBit) {
  struct Case {
    double d;
    std::array<double, 6> longitudes;
  };
  const Case cases[] = {
      {-36000.25,
       {0x1.995f8ec8e3755p+6, 0x1.66446b1303b6dp+6, 0x1.3c43b771a8cddp+6, 0x1.468f1bd9ddf4fp+7,
        0x1.1a14279eacdd9p+8, 0x1.1e721f205bd6cp+8}},
      {0.0,
       {0x1.0fe7f1363cfc2p+8, 0x1.e327f8952f704p+7, 0x1.18612f901753cp+8, 0x1.47fb98e3c22e5p+8,
        0x1.95c734e0f7e93p+4, 0x1.41b7a0851ba27p+5}},
      {9000.5,
       {0x1.1e6020731b45p+7, 0x1.5744c3adbc05ap+7, 0x1.2c0e0c9341bf1p+7, 0x1.46e7d2d6e8cc7p+6,
        0x1.361153ea2f12ap+6, 0x1.5aecc4b2cc2fbp+8}},
      {18262.75,
       {0x1.0d1e43328e222p+8, 0x1.18ded953715ddp+8, 0x1.184deb122659bp+8, 0x1.c66260420ae39p+7,
        0x1.e43313b23a3d8p+6, 0x1.28c5cfc2a4894p+8}},
  };
  for (const Case& c : cases) {
    for (int body = 0; body < 6; ++body) {
      EXPECT_EQ(GeocentricLongitude(body, c.d), c.longitudes[static_cast<std::size_t>(body)])
          << "body " << body << " at d = " << c.d;
    }
  }
}

}  // namespace
}  // namespace velquor
