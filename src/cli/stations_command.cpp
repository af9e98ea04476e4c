#include "cli/stations_command.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/command_io.h"
#include "retro/station_tables.h"

namespace velquor {

namespace {

class StationsCommand final : public Command {
 public:
  StationsCommand()
      : Command("stations",
                "List a planet's retrograde periods: retrograde station, then direct station") {}

  int Run(const CommandStreams& streams) override {
    std::vector<std::string> lines;
    try {
      lines = StationTableLines(planet_);
    } catch (const std::invalid_argument&) {
      streams.err << kProgram << ": no station table for \"" << planet_
                  << "\"; the planets are Mercury, Venus, Mars, Jupiter, Saturn, Uranus, "
                     "Neptune and Pluto\n";
      return kExitBadInput;
    }
    for (const std::string& line : lines) streams.out << line << '\n';
    return FinishOutput(streams.out, streams.err);
  }

 private:
  void AddOptions(CLI::App& command) override {
    command
        .add_option("planet", planet_,
                    "Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune or Pluto")
        ->required();
  }

  std::string planet_;
};

}  // namespace

std::unique_ptr<Command> MakeStationsCommand() { return std::make_unique<StationsCommand>(); }

}  // namespace velquor
