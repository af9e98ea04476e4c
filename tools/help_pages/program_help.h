// A program's help texts, read by running it: its own help and, when it lists
// subcommands, the help of each of them ("PROGRAM help COMMAND") and of theirs
// ("PROGRAM help COMMAND SUBCOMMAND").
#pragma once

#include <string>
#include <vector>

#include "help_text.h"

namespace velquor::help_pages {

struct CommandHelp {
  std::string name;  // "chart"; a sub-command after its command: "births export"
  HelpText help;

  // The names of its own sub-commands ("list", "export"), empty for most commands.
  std::vector<std::string> SubcommandNames() const;
};

struct ProgramHelp {
  std::string name;     // as the program names itself in its "Usage: " line
  std::string version;  // the version the program prints after its name
  HelpText help;
  // In the order the program lists them, each command's sub-commands right after it.
  std::vector<CommandHelp> commands;
};

// What `path` with `args` writes to its standard output. Throws std::runtime_error when
// it cannot be started or does not end with status 0.
std::string OutputOf(const std::string& path, const std::vector<std::string>& args);

// Runs `path --version`, then `path help`, `path help COMMAND` for every listed
// subcommand and `path help COMMAND SUBCOMMAND` for each of its own when `helpCommand` is
// true, else `path --help`. Throws std::runtime_error as
// OutputOf, or when a help text cannot be read.
ProgramHelp ReadProgramHelp(const std::string& path, bool helpCommand);

}  // namespace velquor::help_pages
