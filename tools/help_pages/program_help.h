// A program's help texts, read by running it: its own help and, when it lists
// subcommands, the help of each of them ("PROGRAM help COMMAND").
#pragma once

#include <string>
#include <vector>

#include "help_text.h"

namespace velquor::help_pages {

struct CommandHelp {
  std::string name;
  HelpText help;
};

struct ProgramHelp {
  std::string name;     // as the program names itself in its "Usage: " line
  std::string version;  // the version the program prints after its name
  HelpText help;
  std::vector<CommandHelp> commands;  // in the order the program lists them
};

// What `path` with `args` writes to its standard output. Throws std::runtime_error when
// it cannot be started or does not end with status 0.
std::string OutputOf(const std::string& path, const std::vector<std::string>& args);

// Runs `path --version`, then `path help` and `path help COMMAND` for every listed
// subcommand when `helpCommand` is true, else `path --help`. Throws std::runtime_error as
// OutputOf, or when a help text cannot be read.
ProgramHelp ReadProgramHelp(const std::string& path, bool helpCommand);

}  // namespace velquor::help_pages
