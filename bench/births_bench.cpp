// Importing saved births: BM_ImportBirths reads a JSON Lines file of N births (each line as
// a batch line, checked as the batch checks it) and adds them to a new births database in
// one transaction, as `velquor-cli births import` does.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <sstream>
#include <string>

#include "births/birth_exchange.h"
#include "births/birth_store.h"

namespace {

std::string ImportFile(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) {
    text += R"({"name":"PERSON )" + std::to_string(i) + R"(","year":)" +
            std::to_string(1901 + i % 150) + R"(,"month":)" + std::to_string(1 + i % 12) +
            R"(,"day":)" + std::to_string(1 + i % 28) + R"(,"hour":)" + std::to_string(i % 24) +
            R"(,"minute":)" + std::to_string(i % 60) + R"(,"second":0,"zone":34,"lat_deg":28,)" +
            R"("lat_min":37,"south":false,"lon_deg":77,"lon_min":13,"east":true,"dst":false,)" +
            R"("city":"New Delhi","state":"Delhi","country":"India","conventions":"classic",)" +
            R"("note":"imported"})" + "\n";
  }
  return text;
}

void BM_ImportBirths(benchmark::State& state) {
  const std::string file = ImportFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    QTemporaryDir folder;
    velquor::BirthStore store(folder.filePath(QStringLiteral("births.sqlite")));
    std::istringstream in(file);
    const velquor::ReadBirths read =
        velquor::ReadBirthRecords(in, velquor::ExchangeFormat::JsonLines);
    const velquor::AddedCounts counts = store.addAll(read.births);
    if (counts.added != static_cast<std::size_t>(state.range(0))) {
      state.SkipWithError("not every birth was added");
      return;
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportBirths)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
