#include <benchmark/benchmark.h>

#include <array>

#include "chart/chart_run.h"

namespace {

// A whole chart from birth data to the result-window texts: Delhi by day, New York before
// sunrise with the daylight box ticked, Greenwich after sunset.
void BM_RunChart(benchmark::State& state) {
  const std::array<velquor::BirthData, 3> births = {{
      {"RAVI", 8, 15, 1990, 6, 30, 0, 77, 13, 28, 37, true, false, false, "Delhi", "Delhi", "India",
       34},
      {"ANNA", 7, 4, 1976, 4, 10, 20, 74, 0, 40, 43, false, false, true, "New York", "NY", "USA",
       27},
      {"JOHN", 12, 31, 1999, 20, 0, 0, 0, 0, 51, 29, false, false, false, "London", "England", "UK",
       29},
  }};
  std::size_t i = 0;
  for (auto _ : state) {
    velquor::ChartOutcome outcome = velquor::RunChart(births[i]);
    benchmark::DoNotOptimize(outcome);
    i = (i + 1) % births.size();
  }
}
BENCHMARK(BM_RunChart)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
