// velquor-cli: its commands (chart, windows, batch, zones, places, stations, example,
// births and help, one file each) registered on one parser, and the run of the one the
// arguments choose.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/command.h"

namespace velquor {

// Runs the tool on `args` (without the program's name); `in` is the standard input of
// the batch and births import commands. Returns the exit status (command.h).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, StandardFds fds = {});

}  // namespace velquor
