// One line of the batch command: a JSON object with the birth data in, the chart object
// (or an error object) out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/ordered_pipeline.h"

namespace velquor {

// Appends {"line": N, "error": "..."} and a line end.
void AppendErrorLine(std::string& out, std::uint64_t lineNumber, std::string_view message);

// The batch LineProcessor: the chart of the line as one JSON line, or its error line.
bool ChartLine(const InputLine& line, std::string& out);

}  // namespace velquor
