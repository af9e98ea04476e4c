#include "cli/chart_command.h"

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include <CLI/CLI.hpp>

#include "astro/precise_ephemeris.h"
#include "births/birth_check.h"
#include "births/input_error.h"
#include "chart/chart_run.h"
#include "cli/chart_json.h"
#include "cli/chart_options.h"
#include "cli/chart_text.h"
#include "cli/command_io.h"
#include "chart/varga_chart.h"

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
    ChartView view;
    if (!ReadView(view, streams.err)) return kExitBadInput;
    BirthData birth;
    Conventions conventions;
    int status = kExitOk;
    if (!ReadChartOptions(options_, birth, conventions, streams.err, status)) return status;
    return PrintChart(birth, conventions, ChartOptionNames(), options_.json, streams.out,
                      streams.err, exportRequest ? &*exportRequest : nullptr, &view);
  }

 private:
  void AddOptions(CLI::App& command) override {
    AddChartOptions(command, options_);
    AddExportOptions(command, exportTexts_);
    command.add_option("--varga", varga_,
                       "Divisional chart to show and export: D1 (the default), D2, D3, D4, D7, "
                       "D9, D10, D12, D16, D20, D24, D27, D30, D40, D45 or D60");
    command.add_flag("--vargas", vargas_,
                     "With --json: the sign of every point in each of the sixteen vargas (\"vargas\")");
    command.add_flag("--special-lagnas", specialLagnaTable_,
                     "Add the special lagnas: their table in the readable chart, \"special_lagnas\" "
                     "in the JSON");
    command.add_option("--varnada", varnada_,
                       "Varnada lagna by whole-signs (the default) or longitudes");
    command.add_option("--gulika", gulika_,
                       "Gulika at the start (the default), middle or end of Saturn's part");
    command.add_option("--mandi", mandi_,
                       "Mandi at the start, middle (the default) or end of Saturn's part");
  }

  // The view of the options; false after a message naming a faulty one.
  bool ReadView(ChartView& view, std::ostream& err) const {
    const auto fault = [&](std::string_view option, const std::string& text) {
      err << kProgram << ": " << option << ": unknown value \"" << text << "\"\n";
      return false;
    };
    if (!varga_.empty()) {
      const std::optional<Varga> varga = VargaNamed(varga_);
      if (!varga) return fault("--varga", varga_);
      view.varga = *varga;
    }
    if (!varnada_.empty()) {
      const std::optional<VarnadaMethod> method = VarnadaMethodNamed(varnada_);
      if (!method) return fault("--varnada", varnada_);
      view.json.lagnaOptions.varnada = *method;
    }
    for (const auto& [option, text, moment] :
         {std::tuple{"--gulika", &gulika_, &view.json.lagnaOptions.gulika},
          std::tuple{"--mandi", &mandi_, &view.json.lagnaOptions.mandi}}) {
      if (text->empty()) continue;
      const std::optional<PartMoment> named = PartMomentNamed(*text);
      if (!named) return fault(option, *text);
      *moment = *named;
    }
    view.specialLagnaTable = specialLagnaTable_;
    view.json.specialLagnas = specialLagnaTable_;
    view.json.vargas = vargas_;
    return true;
  }

  ChartOptions options_;
  ExportTexts exportTexts_;
  std::string varga_, varnada_, gulika_, mandi_;
  bool vargas_ = false;
  bool specialLagnaTable_ = false;
};

}  // namespace

std::unique_ptr<Command> MakeChartCommand() { return std::make_unique<ChartCommand>(); }

int PrintChart(const BirthData& birth, const Conventions& conventions, const FieldNames& names,
               bool json, std::ostream& out, std::ostream& err,
               const ExportRequest* exportRequest, const ChartView* view) {
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
  const ChartView plain{};
  const ChartView& shown = view != nullptr ? *view : plain;
  if (exportRequest != nullptr) {
    // The page of a varga: the chart with the varga's cells and ascendant.
    ChartResult page = *outcome.chart;
    if (shown.varga != Varga::D1) {
      const VargaChart v = VargaChartOf(page, shown.varga);
      page.SignCells = v.SignCells;
      page.SpecialCells = v.SpecialCells;
      page.AscSign = v.ascendantSign + 1;
    }
    const int status = WriteChartExport(*exportRequest, page, err);
    if (status != kExitOk || !json) return status;
  }
  if (json) {
    std::string text;
    AppendChartJson(text, *outcome.chart, shown.json);
    out << text << '\n';
  } else {
    std::optional<SpecialLagnas> lagnas;
    if (shown.specialLagnaTable) lagnas = ComputeSpecialLagnas(*outcome.chart, shown.json.lagnaOptions);
    out << FormatChartText(*outcome.chart, shown.varga, lagnas ? &*lagnas : nullptr);
  }
  return FinishOutput(out, err);
}

}  // namespace velquor
