#include <benchmark/benchmark.h>

#include <array>

#include "astro/vargas.h"
#include "chart/chart_run.h"
#include "chart/special_lagnas.h"
#include "chart/varga_chart.h"

namespace {

const std::array<velquor::BirthData, 3> kBirths = {{
    {"RAVI", 8, 15, 1990, 6, 30, 0, 77, 13, 28, 37, true, false, false, "Delhi", "Delhi", "India",
     34},
    {"ANNA", 7, 4, 1976, 4, 10, 20, 74, 0, 40, 43, false, false, true, "New York", "NY", "USA", 27},
    {"JOHN", 12, 31, 1999, 20, 0, 0, 0, 0, 51, 29, false, false, false, "London", "England", "UK",
     29},
}};

std::array<velquor::ChartResult, 3> Charts(const velquor::Conventions& conventions) {
  std::array<velquor::ChartResult, 3> charts;
  for (std::size_t i = 0; i < charts.size(); ++i) {
    charts[i] = *velquor::RunChart(kBirths[i], conventions).chart;
  }
  return charts;
}

// What the sixteen vargas and the special lagnas add to a chart: the special lagnas of a
// chart run (their extra ascendants, Moon and Sun), then every point's place in each varga.
void AddedToChart(benchmark::State& state, const velquor::Conventions& conventions) {
  const std::array<velquor::ChartResult, 3> charts = Charts(conventions);
  std::size_t i = 0;
  for (auto _ : state) {
    const velquor::SpecialLagnas lagnas = velquor::ComputeSpecialLagnas(charts[i]);
    benchmark::DoNotOptimize(lagnas);
    auto vargas = velquor::AllVargaPlacesOf(charts[i], &lagnas);
    benchmark::DoNotOptimize(vargas);
    i = (i + 1) % charts.size();
  }
}

void BM_VargasAndSpecialLagnas(benchmark::State& state) {
  AddedToChart(state, velquor::ClassicConventions());
}
BENCHMARK(BM_VargasAndSpecialLagnas)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_VargasAndSpecialLagnasPrecise(benchmark::State& state) {
  AddedToChart(state, velquor::ModernConventions());
}
BENCHMARK(BM_VargasAndSpecialLagnasPrecise)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SpecialLagnas(benchmark::State& state) {
  const std::array<velquor::ChartResult, 3> charts = Charts(velquor::ClassicConventions());
  std::size_t i = 0;
  for (auto _ : state) {
    velquor::SpecialLagnas lagnas = velquor::ComputeSpecialLagnas(charts[i]);
    benchmark::DoNotOptimize(lagnas);
    i = (i + 1) % charts.size();
  }
}
BENCHMARK(BM_SpecialLagnas)->Repetitions(5)->ReportAggregatesOnly(true);

// One varga chart with its cells, as a front end draws it.
void BM_VargaChartCells(benchmark::State& state) {
  const std::array<velquor::ChartResult, 3> charts = Charts(velquor::ClassicConventions());
  std::size_t i = 0;
  for (auto _ : state) {
    velquor::VargaChart chart = velquor::VargaChartOf(charts[i], velquor::Varga::D9);
    benchmark::DoNotOptimize(chart);
    i = (i + 1) % charts.size();
  }
}
BENCHMARK(BM_VargaChartCells)->Repetitions(5)->ReportAggregatesOnly(true);

// The sign and degree of the ten bodies in the sixteen vargas, without cells.
void BM_VargaPlaces(benchmark::State& state) {
  const std::array<velquor::ChartResult, 3> charts = Charts(velquor::ClassicConventions());
  std::size_t i = 0;
  for (auto _ : state) {
    for (const velquor::Varga varga : velquor::kVargas) {
      for (const double longitude : charts[i].longitudes) {
        benchmark::DoNotOptimize(velquor::VargaPlaceOf(longitude, varga));
      }
    }
    i = (i + 1) % charts.size();
  }
}
BENCHMARK(BM_VargaPlaces)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
