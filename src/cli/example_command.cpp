#include "cli/example_command.h"

#include "cli/chart_command.h"
#include "cli/chart_options.h"
#include "cli/example_birth.h"

namespace velquor {

std::unique_ptr<Command> MakeExampleCommand() {
  return PlainCommand(
      "example", "Compute the chart of a built-in birth", [](const CommandStreams& streams) {
        return PrintChart(ExampleBirth(), {}, ChartOptionNames(), false, streams.out, streams.err);
      });
}

}  // namespace velquor
