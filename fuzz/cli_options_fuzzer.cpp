// Any command line for velquor-cli: the input is split at NUL bytes into at most 16
// arguments; after two NULs in a row the rest is the standard input of the batch command.
// The tool must answer with one of its exit statuses and never let an exception out.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_app.h"

namespace {

constexpr std::size_t kMaxArguments = 16;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::string standardInput;
  const std::size_t inputAt = rest.find(std::string_view("\0\0", 2));
  if (inputAt != std::string_view::npos) {
    standardInput = rest.substr(inputAt + 2);
    rest = rest.substr(0, inputAt);
  }
  std::vector<std::string> args;
  while (!rest.empty() && args.size() < kMaxArguments) {
    const std::size_t end = rest.find('\0');
    args.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  // The batch command reads the file it is given: keep it to names in the working folder,
  // so that the fuzzer never reads a device or a file of the system for ever.
  for (const std::string& arg : args) {
    if (arg.find('/') != std::string::npos) return 0;
  }
  // --export writes a page file and starts Qt Gui, and the births command writes a database
  // and export files: the tests cover both on private files, the fuzzer leaves them alone.
  for (const std::string& arg : args) {
    if (arg.rfind("--export", 0) == 0 || arg == "births") return 0;
  }

  std::istringstream in(standardInput);
  std::ostringstream out;
  std::ostringstream err;
  int status = 0;
  try {
    status = velquor::RunCli(args, in, out, err);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "cli options fuzzer: an exception left RunCli: %s\n", error.what());
    std::abort();
  }
  // Reading and writing string streams cannot fail, so kExitIoFailure is no answer either.
  if (status != velquor::kExitOk && status != velquor::kExitFailedLines &&
      status != velquor::kExitBadInput && status != velquor::kExitChartStopped) {
    std::fprintf(stderr, "cli options fuzzer: exit status %d is none of the tool's\n", status);
    std::abort();
  }
  return 0;
}
