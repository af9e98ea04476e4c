// One line of the batch command: a JSON object with the birth data in, the chart object
// (or an error object) out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/chart_json.h"
#include "cli/ordered_pipeline.h"

namespace velquor {

// The kinds of a failed line, so that a script can tell a bad line from a chart the Sun
// cannot make: faulty birth data, no sunrise or sunset to count from, the precise
// ephemeris's data files missing, or a fault of ours.
inline constexpr std::string_view kErrorKindInput = "input";
inline constexpr std::string_view kErrorKindPolar = "polar";
inline constexpr std::string_view kErrorKindEphemeris = "ephemeris";
inline constexpr std::string_view kErrorKindInternal = "internal";

// Appends {"line": N, "error": "...", "kind": "..."} and a line end.
void AppendErrorLine(std::string& out, std::uint64_t lineNumber, std::string_view message,
                     std::string_view kind);

// The batch LineProcessor: the chart of the line as one JSON line, or its error line.
bool ChartLine(const InputLine& line, std::string& out);

// ChartLine with the chart object's parts asked (special lagnas, vargas).
bool ChartLineWith(const InputLine& line, std::string& out, const ChartJsonParts& parts);

}  // namespace velquor
