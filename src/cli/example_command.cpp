#include "cli/example_command.h"

#include <CLI/CLI.hpp>

#include "cli/chart_command.h"
#include "cli/chart_options.h"
#include "cli/example_birth.h"

namespace velquor {

namespace {

class ExampleCommand final : public Command {
 public:
  CLI::App* Register(CLI::App& tool) override {
    return tool.add_subcommand("example", "Compute the chart of a built-in birth");
  }

  int Run(const CommandStreams& streams) override {
    return PrintChart(ExampleBirth(), {}, ChartOptionNames(), false, streams.out, streams.err);
  }
};

}  // namespace

std::unique_ptr<Command> MakeExampleCommand() { return std::make_unique<ExampleCommand>(); }

}  // namespace velquor
