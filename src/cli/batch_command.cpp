#include "cli/batch_command.h"

#include <sys/stat.h>

#include <algorithm>
#include <exception>
#include <fstream>
#include <string>
#include <thread>

#include <CLI/CLI.hpp>

#include "cli/batch_line.h"
#include "cli/command_io.h"
#include "cli/ordered_pipeline.h"
#include "cli/progress_line.h"
#include "cli/stop_signals.h"

namespace velquor {

namespace {

// The message why `batch` must not read its input: it is the very file the standard output
// appends to (`batch FILE >> FILE`), so it would read its own answers forever. Empty when
// it may. Only regular files count: a terminal is both input and output by design.
std::string SameFileAsOutput(const std::string& path, int inputFd, int outputFd) {
  struct stat input {};
  struct stat output {};
  if (outputFd < 0 || fstat(outputFd, &output) != 0) return {};
  const bool known =
      path.empty() ? inputFd >= 0 && fstat(inputFd, &input) == 0 : stat(path.c_str(), &input) == 0;
  if (!known || !S_ISREG(input.st_mode) || input.st_dev != output.st_dev ||
      input.st_ino != output.st_ino) {
    return {};
  }
  return (path.empty() ? std::string("the standard input") : path) +
         " is also the standard output: the batch would read its own output";
}

class BatchCommand final : public Command {
 public:
  BatchCommand()
      : Command("batch",
                "Charts of JSON Lines (a file, or standard input) as JSON Lines, in order") {}

  int Run(const CommandStreams& streams) override {
    std::ifstream file;
    const bool fromStandardInput = IsStandardStream(path_);
    if (const std::string same =
            SameFileAsOutput(fromStandardInput ? "" : path_, streams.fds.in, streams.fds.out);
        !same.empty()) {
      streams.err << kProgram << ": " << same << '\n';
      return kExitBadInput;
    }
    if (!fromStandardInput && !OpenInputFile(path_, file, streams.err)) return kExitBadInput;
    const StopSignals stopSignals;
    PipelineOptions options;
    options.workers = std::max(1u, std::thread::hardware_concurrency());
    // A file never makes the reader wait; standard input may be a pipe or a terminal.
    const int waitFd = fromStandardInput ? streams.fds.in : -1;
    options.waitForInput = [&] { return stopSignals.WaitForInput(waitFd); };
    options.stopRequested = [] { return StopSignals::Received() != 0; };
    ProgressLine progress(quiet_ ? nullptr : streams.terminal, "charted", "lines");
    options.written = [&progress](std::uint64_t lines, std::uint64_t failed) {
      progress.Show(lines, failed);
    };
    try {
      const ChartJsonParts parts{specialLagnas_, {}, vargas_};
      const LineProcessor chartLine = [&parts](const InputLine& line, std::string& out) {
        return ChartLineWith(line, out, parts);
      };
      const PipelineSummary summary =
          ProcessLines(fromStandardInput ? streams.in : file, streams.out, chartLine, options);
      progress.Finish();
      if (summary.stopped) return 128 + StopSignals::Received();
      return summary.failedLines == 0 ? kExitOk : kExitFailedLines;
    } catch (const std::exception& error) {
      streams.err << kProgram << ": " << error.what() << '\n';
      return kExitIoFailure;
    }
  }

 private:
  void AddOptions(CLI::App& command) override {
    command.add_option("file", path_, "Input file; standard input when absent or -");
    command.add_flag("--special-lagnas", specialLagnas_,
                     "Add each chart's special lagnas (\"special_lagnas\")");
    command.add_flag("--vargas", vargas_,
                     "Add each point's sign in the sixteen vargas (\"vargas\")");
    command.add_flag("--quiet", quiet_,
                     "No progress line on standard error (shown only when it is a terminal)");
  }

  std::string path_;
  bool specialLagnas_ = false;
  bool vargas_ = false;
  bool quiet_ = false;
};

}  // namespace

std::unique_ptr<Command> MakeBatchCommand() { return std::make_unique<BatchCommand>(); }

}  // namespace velquor
