// velquor-cli chart: one chart of the birth the options give, as readable text, as one
// JSON object (--json), or as a page file (--export).
#pragma once

#include <memory>
#include <ostream>

#include "astro/vargas.h"
#include "births/field_names.h"
#include "chart/birth_data.h"
#include "chart/conventions.h"
#include "cli/chart_export.h"
#include "cli/chart_json.h"
#include "cli/command.h"

namespace velquor {

std::unique_ptr<Command> MakeChartCommand();

// Checks the birth (naming a faulty field by `names`), runs its chart and writes it as
// readable text or, with `json`, as JSON; with `exportRequest`, writes its page to the file
// instead of the readable text (JSON is still written when asked for). Returns the exit
// status: bad input, a chart that stops, an input failure when the precise ephemeris's
// files are missing, or an output that cannot be written.
// With `view`: the sign chart of its varga in the text and the page, the special lagnas'
// table in the text when asked, and the JSON parts it names.
struct ChartView {
  Varga varga = Varga::D1;
  bool specialLagnaTable = false;
  ChartJsonParts json;
};

int PrintChart(const BirthData& birth, const Conventions& conventions, const FieldNames& names,
               bool json, std::ostream& out, std::ostream& err,
               const ExportRequest* exportRequest = nullptr, const ChartView* view = nullptr);

}  // namespace velquor
