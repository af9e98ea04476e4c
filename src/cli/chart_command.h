// velquor-cli chart: one chart of the birth the options give, as readable text, as one
// JSON object (--json), or as a page file (--export).
#pragma once

#include <memory>
#include <ostream>

#include "births/field_names.h"
#include "chart/birth_data.h"
#include "chart/conventions.h"
#include "cli/chart_export.h"
#include "cli/command.h"

namespace velquor {

std::unique_ptr<Command> MakeChartCommand();

// Checks the birth (naming a faulty field by `names`), runs its chart and writes it as
// readable text or, with `json`, as JSON; with `exportRequest`, writes its page to the file
// instead of the readable text (JSON is still written when asked for). Returns the exit
// status: bad input, a chart that stops, an input failure when the precise ephemeris's
// files are missing, or an output that cannot be written.
int PrintChart(const BirthData& birth, const Conventions& conventions, const FieldNames& names,
               bool json, std::ostream& out, std::ostream& err,
               const ExportRequest* exportRequest = nullptr);

}  // namespace velquor
