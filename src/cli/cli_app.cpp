#include "cli/cli_app.h"

#include <unistd.h>

#include <memory>

#include <CLI/CLI.hpp>

#include "cli/batch_command.h"
#include "cli/births_command.h"
#include "cli/chart_command.h"
#include "cli/example_command.h"
#include "cli/help_command.h"
#include "cli/places_command.h"
#include "cli/printable_text.h"
#include "cli/stations_command.h"
#include "cli/windows_command.h"
#include "cli/zones_command.h"

namespace velquor {

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& terminalErr, StandardFds fds) {
  // Messages quote names, places, paths and option values as given: their control
  // characters are shown escaped.
  PrintableStreamBuf printableErr(terminalErr.rdbuf());
  std::ostream err(&printableErr);
  CLI::App app{"Pranapada Lagna charts from the command line.", kProgram};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string(kProgram) + " " + VELQUOR_VERSION,
                       "Print the program's name and version and exit");
  // Titled like the help's other sections, so that the manual page takes them over.
  app.footer(
      "Exit status:\n"
      "  0    done\n"
      "  1    batch: some lines could not be charted (each has its error line)\n"
      "  2    bad options or birth data (the message names the option or field)\n"
      "  3    the chart cannot be made: the Sun does not rise or set on a day it needs\n"
      "  4    reading the input or writing the output failed\n"
      "  5    births: the births database is in use by another program; try again\n"
      "\n"
      "See also:\n"
      "  velquor(1)    the same charts in a window");

  // In the order the help lists them.
  std::unique_ptr<Command> commands[] = {
      MakeChartCommand(),   MakeWindowsCommand(), MakeBatchCommand(),
      MakeZonesCommand(),   MakePlacesCommand(),  MakeStationsCommand(),
      MakeExampleCommand(), MakeBirthsCommand(),  MakeHelpCommand(),
  };
  std::vector<const CLI::App*> parsers;
  for (const auto& command : commands) parsers.push_back(command->Register(app));

  // A first argument that is neither an option nor a command: named, with the commands.
  if (!args.empty() && !args[0].empty() && args[0][0] != '-' &&
      CommandNamed(app, args[0]) == nullptr) {
    std::string names;
    for (const CLI::App* parser : parsers) {
      names += (names.empty() ? "" : ", ") + parser->get_name();
    }
    err << kProgram << ": unknown command \"" << args[0] << "\"; the commands are " << names
        << '\n';
    return kExitBadInput;
  }

  try {
    // CLI11 takes the arguments last one first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error, out, err);
    return status == 0 ? kExitOk : kExitBadInput;
  }

  std::ostream* terminal = fds.err >= 0 && isatty(fds.err) != 0 ? &terminalErr : nullptr;
  const CommandStreams streams{in, out, err, fds, terminal};
  for (std::size_t i = 0; i < parsers.size(); ++i) {
    if (*parsers[i]) return commands[i]->Run(streams);
  }
  return kExitBadInput;  // not reached: the parser requires one command
}

}  // namespace velquor
