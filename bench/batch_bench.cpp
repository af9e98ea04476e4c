// Throughput of the batch command's pipeline, in memory: JSON Lines in, chart objects out.
#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "births/batch_input.h"
#include "chart/chart_run.h"
#include "cli/batch_line.h"
#include "cli/chart_json.h"
#include "cli/ordered_pipeline.h"

namespace {

// Births spread over the years, the day and both hemispheres; `conventions` is put in each
// line as it stands (a JSON value) unless empty.
std::string BatchInput(int lines, const std::string& conventions = "") {
  std::string text;
  for (int i = 0; i < lines; ++i) {
    text += R"({"name":"BENCH","year":)" + std::to_string(1901 + i % 150) + R"(,"month":)" +
            std::to_string(1 + i % 12) + R"(,"day":)" + std::to_string(1 + i % 28) + R"(,"hour":)" +
            std::to_string(i % 24) + R"(,"minute":)" + std::to_string(i % 60) + R"(,"second":)" +
            std::to_string(i * 7 % 60) + R"(,"zone":)" + std::to_string(i % 71) + R"(,"lat_deg":)" +
            std::to_string(i % 60) + R"(,"lat_min":)" + std::to_string(i % 60) + R"(,"south":)" +
            (i % 3 == 0 ? "true" : "false") + R"(,"lon_deg":)" + std::to_string(i * 13 % 180) +
            R"(,"lon_min":)" + std::to_string(i % 60) + R"(,"east":)" +
            (i % 2 == 0 ? "true" : "false") +
            R"(,"dst":false,"city":"New Delhi","state":"Delhi","country":"India")" +
            (conventions.empty() ? "" : R"(,"conventions":)" + conventions) + "}\n";
  }
  return text;
}

// Counts what is written and keeps none of it.
class DiscardingBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
  int overflow(int c) override { return c; }
};

// state.range(0) workers; state.range(1): 1 for the modern conventions (precise
// ephemeris and sunrise), 0 for the classic ones.
void BM_BatchPipeline(benchmark::State& state) {
  const bool modern = state.range(1) == 1;
  const int kLines = modern ? 2000 : 20000;
  const std::string input = BatchInput(kLines, modern ? R"("modern")" : "");
  DiscardingBuffer discard;
  std::ostream out(&discard);
  velquor::PipelineOptions options;
  options.workers = static_cast<unsigned>(state.range(0));
  for (auto _ : state) {
    std::istringstream in(input);
    const auto summary = velquor::ProcessLines(in, out, velquor::ChartLine, options);
    benchmark::DoNotOptimize(summary);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_BatchPipeline)
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 1})
    ->Args({2, 1})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The parts of one line, each on one thread.
void BM_ParseBatchLine(benchmark::State& state) {
  const std::string input = BatchInput(1);
  const std::string_view line(input.data(), input.size() - 1);
  for (auto _ : state) benchmark::DoNotOptimize(velquor::ParseBatchLine(line));
}
BENCHMARK(BM_ParseBatchLine);

void BM_RunChartOfBatchLine(benchmark::State& state) {
  const std::string input = BatchInput(1);
  const velquor::BirthData birth =
      velquor::ParseBatchLine(std::string_view(input.data(), input.size() - 1)).birth;
  for (auto _ : state) benchmark::DoNotOptimize(velquor::RunChart(birth));
}
BENCHMARK(BM_RunChartOfBatchLine);

void BM_AppendChartJson(benchmark::State& state) {
  const std::string input = BatchInput(1);
  const auto outcome = velquor::RunChart(
      velquor::ParseBatchLine(std::string_view(input.data(), input.size() - 1)).birth);
  if (!outcome.chart) {
    state.SkipWithError(outcome.stopMessage.c_str());
    return;
  }
  std::string out;
  for (auto _ : state) {
    out.clear();
    velquor::AppendChartJson(out, *outcome.chart);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_AppendChartJson);

}  // namespace
