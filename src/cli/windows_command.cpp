#include "cli/windows_command.h"

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "astro/precise_ephemeris.h"
#include "births/birth_check.h"
#include "births/input_error.h"
#include "chart/birth_timeline.h"
#include "chart/time_zone_rows.h"
#include "chart/time_zones.h"
#include "cli/chart_options.h"
#include "cli/command_io.h"
#include "cli/option_values.h"
#include "cli/windows_output.h"

namespace velquor {

namespace {

class WindowsCommand final : public Command {
 public:
  WindowsCommand()
      : Command("windows",
                "The Pranapada's sign windows around the birth time: from which second to which "
                "it keeps its sign, house and reference sunrise, with the classical check") {}

  int Run(const CommandStreams& streams) override {
    std::ostream& err = streams.err;
    if (spanMinutes_ < 0 || spanMinutes_ > kMaxTimelineSpanMinutes) {
      err << kProgram << ": --span: " << spanMinutes_ << " is not within 0 to "
          << kMaxTimelineSpanMinutes << " minutes\n";
      return kExitBadInput;
    }
    BirthData birth;
    Conventions conventions;
    int status = kExitOk;
    std::string placeZone;
    if (!ReadChartOptions(options_, birth, conventions, err, status, &placeZone)) return status;
    try {
      RequireValidBirth(birth, ChartOptionNames());
    } catch (const InputError& error) {
      err << kProgram << ": " << error.what() << '\n';
      return kExitBadInput;
    }
    std::vector<TimelineInterval> timeline;
    try {
      timeline = BirthTimeline(birth, spanMinutes_, conventions);
    } catch (const EphemerisUnavailable& error) {
      err << kProgram << ": " << error.what() << '\n';
      return kExitIoFailure;
    }
    // A zone of the place's: its clocks may change within the span.
    PlaceClock place;
    place.ianaZone = placeZone;
    place.fixedOffsetSeconds =
        60 * (RowOffsetMinutes(TimeZoneTable()[static_cast<std::size_t>(birth.zoneIndex)]) +
              (birth.isDst ? 60 : 0));
    const PlaceClock* clock = placeZone.empty() ? nullptr : &place;
    if (options_.json) {
      std::string text;
      AppendWindowsJson(text, timeline, clock);
      streams.out << text << '\n';
    } else {
      streams.out << FormatWindowsText(birth, spanMinutes_, conventions, timeline, clock);
    }
    return FinishOutput(streams.out, err);
  }

 private:
  void AddOptions(CLI::App& command) override {
    AddChartOptions(command, options_);
    command
        .add_option("--span", spanMinutes_,
                    "Minutes either side of the birth time, 0 to 720 (default 30)")
        ->transform(CLI::Validator(DecimalWholeNumber, "", "decimal"));
  }

  ChartOptions options_;
  int spanMinutes_ = kDefaultTimelineSpanMinutes;
};

}  // namespace

std::unique_ptr<Command> MakeWindowsCommand() { return std::make_unique<WindowsCommand>(); }

}  // namespace velquor
