// Any text as one line of the batch command (malformed JSON, deep nesting, huge numbers,
// wrong types, invalid UTF-8, overlong lines): it gives its chart or an error line, as
// one JSON object on one line, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "batch_output_checks.h"
#include "cli/batch_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte says whether the reader cut this line at its length limit.
  if (size == 0) return 0;
  velquor::InputLine line;
  line.overlong = (data[0] & 1) != 0;
  line.text = std::string_view(reinterpret_cast<const char*>(data + 1), size - 1);
  line.number = 7;
  std::string out;
  velquor::ChartLine(line, out);
  velquor::fuzz::CheckBatchOutput(out, 1, line.number);
  return 0;
}
