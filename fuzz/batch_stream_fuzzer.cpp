// Any input stream for the batch command, run through the ordered pipeline with two
// workers, small chunks and a short line limit: every input line gets its own output line,
// in order, whatever the other lines hold.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "batch_output_checks.h"
#include "cli/batch_line.h"
#include "cli/ordered_pipeline.h"

namespace {

// Lines as the reader counts them: each line end closes one, and a last line without one
// still counts.
std::uint64_t LineCount(std::string_view text) {
  std::uint64_t lines = 0;
  for (const char c : text) lines += c == '\n' ? 1 : 0;
  if (!text.empty() && text.back() != '\n') ++lines;
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream in(text);
  std::ostringstream out;
  velquor::PipelineOptions options;
  options.workers = 2;
  options.chunkLines = 3;
  options.chunkBytes = 256;
  options.maxLineBytes = 300;
  velquor::ProcessLines(in, out, velquor::ChartLine, options);
  velquor::fuzz::CheckBatchOutput(out.str(), LineCount(text));
  return 0;
}
