#include <benchmark/benchmark.h>

#include "astro/ascendant.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "chart/chart_context.h"

namespace {

// One chart's engine work: the ascendant, the Moon and both planet runs.
void BM_EngineOfOneChart(benchmark::State& state) {
  velquor::ChartContext chart;
  chart.birth = {"", 8, 15, 1990, 6, 30, 0, 77, 13, 28, 37, true, false, false, "", "", ""};
  velquor::Zone_Calculation(34, chart.zone);
  for (auto _ : state) {
    chart.SunriseMode = false;
    velquor::ComputeAscendant(chart);
    velquor::ComputeMoon(chart);
    velquor::ComputePlanets(chart);
    chart.SunriseMode = true;
    chart.ReferenceSunriseParts = {1990, 8, 15, 5, 54, 0};
    velquor::ComputePlanets(chart);
    benchmark::DoNotOptimize(chart.planets.SunAtSunrise);
  }
}
BENCHMARK(BM_EngineOfOneChart);

}  // namespace
