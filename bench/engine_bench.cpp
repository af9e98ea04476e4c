#include <benchmark/benchmark.h>

#include "astro/ascendant.h"
#include "astro/moon.h"
#include "astro/planets.h"

namespace {

// One chart's engine work: the ascendant, the Moon and both planet runs (Delhi, IST).
void BM_EngineOfOneChart(benchmark::State& state) {
  const velquor::LocalInstant birth{{1990, 8, 15, 6, 30, 0}, -5.5};
  const velquor::LocalInstant sunrise{{1990, 8, 15, 5, 54, 0}, -5.5};
  const velquor::GeoPlace delhi{28 + 37 / 60.0, 77 + 13 / 60.0};
  for (auto _ : state) {
    const velquor::AscendantResult ascendant = velquor::ComputeAscendant(birth, delhi);
    benchmark::DoNotOptimize(velquor::ComputeMoon(birth));
    benchmark::DoNotOptimize(velquor::ComputePlanets(birth, -ascendant.AyanamsaOffset));
    benchmark::DoNotOptimize(velquor::ComputePlanets(sunrise, -ascendant.AyanamsaOffset));
  }
}
BENCHMARK(BM_EngineOfOneChart);

}  // namespace
