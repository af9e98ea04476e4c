// The velquor-cli commands: chart, windows, batch, zones, places, stations, example, births
// and help.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace velquor {

inline constexpr char kProgram[] = "velquor-cli";  // how messages name the tool

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailedLines = 1;   // batch: at least one line gave an error line
inline constexpr int kExitBadInput = 2;      // bad options or birth data
inline constexpr int kExitChartStopped = 3;  // the chart run stopped with a message
inline constexpr int kExitIoFailure = 4;     // reading the input or writing the output failed

// batch stopped by SIGINT or SIGTERM after a whole line: 128 + the signal's number, as a
// shell reports it (main then ends by the signal itself).

// The file descriptors of the process's standard input and output when `in` and `out` of
// RunCli are those streams; -1 when they are not. batch waits on the first for input, so
// that a stop signal ends the wait, and compares the second with its input file.
struct StandardFds {
  int in = -1;
  int out = -1;
};

// Runs the tool on `args` (without the program's name); `in` is the standard input of
// the batch command. Returns the exit status.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, StandardFds fds = {});

}  // namespace velquor
