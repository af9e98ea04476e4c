// Varga charts of whole chart runs: every point by its birth-chart longitude, the
// Pranapada's D9 the D9 of its longitude, and D1 the chart's own cells.
#include "chart/varga_chart.h"

#include <gtest/gtest.h>

#include "chart/chart_run.h"
#include "chart/pinned_charts.h"
#include "chart/position_texts.h"

namespace velquor {
namespace {

TEST(VargaChart, EveryPointByItsLongitudeInEveryVarga) {
  for (const test::PinnedChart& pin : test::kPinnedCharts) {
    for (const Conventions& conventions : {ClassicConventions(), ModernConventions()}) {
      const ChartOutcome outcome = RunChart(pin.birth, conventions);
      if (!outcome.chart) continue;
      const ChartResult& chart = *outcome.chart;
      const SpecialLagnas lagnas = ComputeSpecialLagnas(chart);
      for (const Varga varga : kVargas) {
        const VargaChart v = VargaChartOf(chart, varga, &lagnas);
        for (std::size_t body = 0; body < kBodyCount; ++body) {
          EXPECT_EQ(v.bodies[body].sign, VargaSign(chart.longitudes[body], varga));
          EXPECT_NE(v.SignCells[static_cast<std::size_t>(v.bodies[body].sign)].find(
                        chart.ChartNames[body]),
                    std::string::npos)
              << pin.what << " " << VargaCode(varga) << " body " << body;
        }
        // The Pranapada in a varga is the varga of its longitude, not one counted again.
        EXPECT_EQ(v.pranapada.sign, VargaSign(PranapadaLongitudeOf(chart), varga));
        EXPECT_NE(v.SpecialCells[static_cast<std::size_t>(v.pranapada.sign)].find("PpL"),
                  std::string::npos);
        for (std::size_t i = 0; i < kSpecialLagnaCount; ++i) {
          ASSERT_EQ(v.specialLagnas[i].has_value(), lagnas.points[i].available);
          if (v.specialLagnas[i]) {
            EXPECT_EQ(v.specialLagnas[i]->sign, VargaSign(lagnas.points[i].longitude, varga));
          }
        }
      }
      const auto all = AllVargaPlacesOf(chart, &lagnas);
      for (std::size_t i = 0; i < kVargaCount; ++i) {
        const VargaPlaces one = VargaPlacesOf(chart, kVargas[i], &lagnas);
        EXPECT_EQ(all[i].varga, kVargas[i]);
        EXPECT_EQ(all[i].pranapada.sign, one.pranapada.sign);
        for (std::size_t body = 0; body < kBodyCount; ++body) {
          EXPECT_EQ(all[i].bodies[body].sign, one.bodies[body].sign);
          EXPECT_EQ(all[i].bodies[body].degree, one.bodies[body].degree);
        }
      }
      const VargaChart d1 = VargaChartOf(chart, Varga::D1);
      EXPECT_EQ(d1.SignCells, chart.SignCells);
      EXPECT_EQ(d1.SpecialCells, chart.SpecialCells);
      EXPECT_EQ(d1.pranapada.sign, chart.pranapada.PpLSign - 1) << pin.what;
      EXPECT_EQ(d1.ascendantSign, chart.AscSign - 1) << pin.what;
    }
  }
}

// The Delhi day chart: its Pranapada Lagna in Aquarius at 23° 19' (the Sun's 28° 20' and
// the arc's 24° 59', carried), an air sign's D9 from Libra, part 6: Aries; its D10 an odd
// sign's from itself, part 7: Virgo.
TEST(VargaChart, PranapadaOfTheDelhiDayChartWorkedByHand) {
  const ChartResult chart = *RunChart(test::kPinnedCharts[0].birth).chart;
  ASSERT_EQ(chart.pranapada.PpLSign, 11);
  EXPECT_NEAR(PranapadaLongitudeOf(chart), 300.0 + 23.0 + 19.0 / 60.0, 1e-9);
  EXPECT_EQ(VargaChartOf(chart, Varga::D9).pranapada.sign, 0);
  EXPECT_EQ(VargaChartOf(chart, Varga::D10).pranapada.sign, 5);
}

}  // namespace
}  // namespace velquor
