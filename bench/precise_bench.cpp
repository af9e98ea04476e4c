#include <benchmark/benchmark.h>

#include "astro/precise_ephemeris.h"
#include "astro/precise_sunrise.h"

namespace {

// The Swiss Ephemeris keeps the last position of each body and returns it again for the
// same instant: every iteration takes a new birth moment (a step of 1.37 days from 1990).
struct Births {
  int step = 0;
  double jdUt() { return velquor::JulianDayUt(1990, 8, 15, 1.0) + 1.37 * (step++ % 10000); }
};

const velquor::SunPlace kDelhi{28.65, 77.22, 5.5};

// A whole precise chart: the bodies, the ascendant, and sunrise and sunset of the birth
// date with the disc centre (argument 1), or by both definitions (argument 2).
void BM_PreciseChart(benchmark::State& state) {
  Births births;
  const bool bothDiscs = state.range(0) == 2;
  for (auto _ : state) {
    const double jd = births.jdUt();
    benchmark::DoNotOptimize(velquor::PreciseLongitudes(jd));
    benchmark::DoNotOptimize(velquor::PreciseAscendant(jd, kDelhi.latitude, kDelhi.longitude));
    const int day = 1 + births.step % 28;
    benchmark::DoNotOptimize(
        velquor::ComputePreciseSunRiseSet(8, day, 1990, kDelhi, velquor::SunDisc::DiscCentre));
    if (bothDiscs) {
      benchmark::DoNotOptimize(
          velquor::ComputePreciseSunRiseSet(8, day, 1990, kDelhi, velquor::SunDisc::UpperLimb));
    }
  }
}
BENCHMARK(BM_PreciseChart)->Arg(1)->Arg(2);

void BM_PreciseLongitudes(benchmark::State& state) {
  Births births;
  for (auto _ : state) benchmark::DoNotOptimize(velquor::PreciseLongitudes(births.jdUt()));
}
BENCHMARK(BM_PreciseLongitudes);

// Sunrise and sunset of one date; beyond the polar circles (argument 70, degrees North) the
// library searches by a slower method.
void BM_PreciseSunRiseSet(benchmark::State& state) {
  const velquor::SunPlace place{static_cast<double>(state.range(0)), kDelhi.longitude,
                                kDelhi.zoneOffset};
  int n = 0;
  for (auto _ : state) {
    const int day = 1 + n++ % 28;
    benchmark::DoNotOptimize(
        velquor::ComputePreciseSunRiseSet(8, day, 1990, place, velquor::SunDisc::DiscCentre));
  }
}
BENCHMARK(BM_PreciseSunRiseSet)->Arg(29)->Arg(70);

}  // namespace
