// Benchmarks of the chart page's export, headless (Qt's offscreen platform):
//  - BM_ExportPage/F: one North-Indian page written to a file; F = 0 PDF, 1 SVG, 2 PNG at
//    300 dpi;
//  - BM_CliExportPdf: a whole velquor-cli process charting a birth and writing its PDF page,
//    what a script making many PDFs pays per page.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <array>
#include <string>
#include <vector>

#include "chart/chart_run.h"
#include "cli/example_birth.h"
#include "render/page_export.h"

extern char** environ;

namespace {

void BM_ExportPage(benchmark::State& state) {
  const velquor::ChartOutcome outcome = velquor::RunChart(velquor::ExampleBirth());
  const std::array<const char*, 3> files = {"page.pdf", "page.svg", "page.png"};
  QTemporaryDir folder;
  const QString path =
      folder.filePath(QString::fromLatin1(files.at(static_cast<std::size_t>(state.range(0)))));
  velquor::PageOptions options;
  options.style = velquor::DiagramStyle::North;
  for (auto _ : state) velquor::ExportChartPage(path, *outcome.chart, options);
}
BENCHMARK(BM_ExportPage)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_CliExportPdf(benchmark::State& state) {
  QTemporaryDir folder;
  std::vector<std::string> args = {
      "velquor-cli", "chart",    "--name",
      "ASHA MEHTA",  "--date",   "1985-03-21",
      "--time",      "10:45",    "--zone",
      "34",          "--lat",    "28N37",
      "--lon",       "77E13",    "--style",
      "north",       "--export", folder.filePath(QStringLiteral("page.pdf")).toStdString()};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, VELQUOR_CLI_PATH, nullptr, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("velquor-cli did not start");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("velquor-cli failed");
      break;
    }
  }
}
BENCHMARK(BM_CliExportPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
