// What the batch command writes for its lines, checked by the batch fuzz targets: one JSON
// object per input line, each ended by a line end; an error object names its input line.
#pragma once

#include <cstdint>
#include <string_view>

namespace velquor::fuzz {

// Aborts with a message unless `output` holds exactly `lines` JSON objects, one per line,
// and every error object {"line": N, "error": "..."} carries N = its own position
// (counting from `firstLine`).
void CheckBatchOutput(std::string_view output, std::uint64_t lines, std::uint64_t firstLine = 1);

}  // namespace velquor::fuzz
