#include "cli/batch_line.h"

#include <exception>

#include "astro/precise_ephemeris.h"
#include "births/batch_input.h"
#include "births/birth_check.h"
#include "births/input_error.h"
#include "chart/chart_run.h"
#include "cli/chart_json.h"
#include "text/json_text.h"

namespace velquor {

void AppendErrorLine(std::string& out, std::uint64_t lineNumber, std::string_view message,
                     std::string_view kind) {
  out += "{\"line\":";
  AppendJsonInteger(out, static_cast<std::int64_t>(lineNumber));
  out += ",\"error\":";
  AppendJsonString(out, message);
  out += ",\"kind\":";
  AppendJsonString(out, kind);
  out += "}\n";
}

bool ChartLine(const InputLine& line, std::string& out) {
  return ChartLineWith(line, out, ChartJsonParts{});
}

bool ChartLineWith(const InputLine& line, std::string& out, const ChartJsonParts& parts) {
  const std::size_t start = out.size();
  try {
    if (line.overlong) {
      throw InputError("line", "longer than " + std::to_string(line.text.size()) + " bytes");
    }
    const BatchBirth input = ParseBatchLine(line.text);
    RequireValidBirth(input.birth, kBatchFieldNames);
    const ChartOutcome outcome = RunChart(input.birth, input.conventions);
    if (!outcome.chart) {
      AppendErrorLine(out, line.number, outcome.stopMessage, kErrorKindPolar);
      return false;
    }
    if (parts.specialLagnas || parts.vargas) {
      AppendChartJson(out, *outcome.chart, parts);
    } else {
      AppendChartJson(out, *outcome.chart);
    }
    out += '\n';
    return true;
  } catch (const InputError& error) {
    out.resize(start);  // drop a chart object cut short
    AppendErrorLine(out, line.number, error.what(), kErrorKindInput);
    return false;
  } catch (const EphemerisUnavailable& error) {
    out.resize(start);
    AppendErrorLine(out, line.number, error.what(), kErrorKindEphemeris);
    return false;
  } catch (const std::exception& error) {
    out.resize(start);
    AppendErrorLine(out, line.number, error.what(), kErrorKindInternal);
    return false;
  }
}

}  // namespace velquor
