#include <benchmark/benchmark.h>

#include "chart/birth_timeline.h"

namespace {

// The sign windows around a Delhi birth: the default span, and a whole day (±12 h) in place
// of 86,400 chart runs.
void BM_BirthTimeline(benchmark::State& state) {
  velquor::BirthData birth;
  birth.personName = "RAVI";
  birth.yearNumber = 1990;
  birth.monthNumber = 8;
  birth.dayNumber = 15;
  birth.hourNumber = 12;
  birth.zoneIndex = 34;
  birth.lonDegrees = 77;
  birth.lonMinutes = 13;
  birth.latDegrees = 28;
  birth.latMinutes = 37;
  const auto span = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(velquor::BirthTimeline(birth, span));
}
BENCHMARK(BM_BirthTimeline)->Arg(30)->Arg(720)->Unit(benchmark::kMicrosecond);

}  // namespace
