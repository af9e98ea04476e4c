#include "cli/batch_line.h"

#include <exception>

#include "cli/batch_input.h"
#include "cli/chart_json.h"
#include "cli/chart_request.h"
#include "cli/input_error.h"
#include "cli/json_text.h"
#include "chart/chart_run.h"

namespace velquor {

void AppendErrorLine(std::string& out, std::uint64_t lineNumber, std::string_view message) {
  out += "{\"line\":";
  AppendJsonInteger(out, static_cast<std::int64_t>(lineNumber));
  out += ",\"error\":";
  AppendJsonString(out, message);
  out += "}\n";
}

bool ChartLine(const InputLine& line, std::string& out) {
  const std::size_t start = out.size();
  try {
    if (line.overlong) {
      throw InputError("line", "longer than " + std::to_string(line.text.size()) + " bytes");
    }
    const ChartRequest request = MakeChartRequest(ParseBatchLine(line.text), kBatchFieldNames);
    const ChartOutcome outcome = RunChart(request.birth, request.zoneIndex);
    if (!outcome.chart) {
      AppendErrorLine(out, line.number, outcome.stopMessage);
      return false;
    }
    AppendChartJson(out, *outcome.chart);
    out += '\n';
    return true;
  } catch (const std::exception& error) {
    out.resize(start);  // drop a chart object cut short
    AppendErrorLine(out, line.number, error.what());
    return false;
  }
}

}  // namespace velquor
