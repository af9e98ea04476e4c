#include "batch_output_checks.h"

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

namespace velquor::fuzz {

namespace {

[[noreturn]] void Fail(const char* what, std::string_view line) {
  std::fprintf(stderr, "batch output: %s: %.*s\n", what,
               static_cast<int>(line.size() > 200 ? 200 : line.size()), line.data());
  std::abort();
}

}  // namespace

void CheckBatchOutput(std::string_view output, std::uint64_t lines, std::uint64_t firstLine) {
  if (!output.empty() && output.back() != '\n') Fail("output does not end with a line end", output);
  std::uint64_t position = firstLine;
  std::uint64_t seen = 0;
  while (!output.empty()) {
    const std::size_t end = output.find('\n');
    const std::string_view line = output.substr(0, end);
    output.remove_prefix(end + 1);
    const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
    if (!object.is_object()) Fail("a line that is not a JSON object", line);
    if (object.contains("error")) {
      if (!object["error"].is_string() || object["error"].get<std::string>().empty())
        Fail("an empty error", line);
      if (!object.contains("line") || object["line"] != position)
        Fail("an error line with the wrong line number", line);
    }
    ++position;
    ++seen;
  }
  if (seen != lines) {
    const std::string counts =
        std::to_string(seen) + " output lines for " + std::to_string(lines) + " input lines";
    Fail("lines lost or added", counts);
  }
}

}  // namespace velquor::fuzz
