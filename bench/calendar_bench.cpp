#include <benchmark/benchmark.h>

#include "astro/position_text.h"

namespace {

void BM_FormatAndShorten(benchmark::State& state) {
  double x = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(velquor::ShortPosition(velquor::FormatLongitude(x)));
    x += 7.123456;
    if (x > 360.0) x -= 360.0;
  }
}
BENCHMARK(BM_FormatAndShorten);

}  // namespace
