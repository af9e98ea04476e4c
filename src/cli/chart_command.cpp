#include "cli/chart_command.h"

#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "astro/precise_ephemeris.h"
#include "births/birth_check.h"
#include "births/input_error.h"
#include "chart/chart_run.h"
#include "cli/chart_json.h"
#include "cli/chart_options.h"
#include "cli/chart_text.h"
#include "cli/command_io.h"

namespace velquor {

namespace {

class ChartCommand final : public Command {
 public:
  ChartCommand() : Command("chart", "Compute one chart") {}

  int Run(const CommandStreams& streams) override {
    std::optional<ExportRequest> exportRequest;
    if (!exportTexts_.path.empty()) {
      try {
        exportRequest = ReadExportRequest(exportTexts_);
      } catch (const InputError& error) {
        streams.err << kProgram << ": " << error.what() << '\n';
        return kExitBadInput;
      }
    }
    BirthData birth;
    Conventions conventions;
    int status = kExitOk;
    if (!ReadChartOptions(options_, birth, conventions, streams.err, status)) return status;
    return PrintChart(birth, conventions, ChartOptionNames(), options_.json, streams.out,
                      streams.err, exportRequest ? &*exportRequest : nullptr);
  }

 private:
  void AddOptions(CLI::App& command) override {
    AddChartOptions(command, options_);
    AddExportOptions(command, exportTexts_);
  }

  ChartOptions options_;
  ExportTexts exportTexts_;
};

}  // namespace

std::unique_ptr<Command> MakeChartCommand() { return std::make_unique<ChartCommand>(); }

int PrintChart(const BirthData& birth, const Conventions& conventions, const FieldNames& names,
               bool json, std::ostream& out, std::ostream& err,
               const ExportRequest* exportRequest) {
  try {
    RequireValidBirth(birth, names);
  } catch (const InputError& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitBadInput;
  }
  ChartOutcome outcome;
  try {
    outcome = RunChart(birth, conventions);
  } catch (const EphemerisUnavailable& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitIoFailure;
  }
  if (!outcome.chart) {
    err << kProgram << ": " << outcome.stopMessage << '\n';
    return kExitChartStopped;
  }
  if (exportRequest != nullptr) {
    const int status = WriteChartExport(*exportRequest, *outcome.chart, err);
    if (status != kExitOk || !json) return status;
  }
  if (json) {
    std::string text;
    AppendChartJson(text, *outcome.chart);
    out << text << '\n';
  } else {
    out << FormatChartText(*outcome.chart);
  }
  return FinishOutput(out, err);
}

}  // namespace velquor
