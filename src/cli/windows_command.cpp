#include "cli/windows_command.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "astro/precise_ephemeris.h"
#include "births/birth_check.h"
#include "births/input_error.h"
#include "astro/vargas.h"
#include "chart/birth_instant.h"
#include "chart/birth_timeline.h"
#include "chart/chart_run.h"
#include "chart/sign_names.h"
#include "chart/time_zone_rows.h"
#include "chart/time_zones.h"
#include "chart/validation.h"
#include "chart/varga_chart.h"
#include "text/json_text.h"
#include "cli/chart_options.h"
#include "cli/command_io.h"
#include "cli/option_values.h"
#include "cli/windows_output.h"

namespace velquor {

namespace {

// A span of birth seconds within which the Pranapada keeps its sign in a varga, or the
// charts stop.
struct VargaWindow {
  LocalDateTime from, to;  // both included
  int sign = -1;           // 0 .. 11; -1 where no chart can be made
};

// Every second of the span charted, the Pranapada's longitude placed in the varga: the
// obvious way, a whole chart a second (±12 hours take well under a second).
std::vector<VargaWindow> VargaWindows(const BirthData& birth, int spanMinutes,
                                      const Conventions& conventions, Varga varga) {
  std::vector<VargaWindow> windows;
  const LocalDateTime moment = BirthMomentOf(birth);
  const std::int64_t span = static_cast<std::int64_t>(spanMinutes) * 60;
  for (std::int64_t offset = -span; offset <= span; ++offset) {
    const LocalDateTime at = AddSeconds(moment, offset);
    const BirthData atBirth = BirthAt(birth, at);
    int sign = -1;
    if (!CheckChartable(atBirth)) {
      const ChartOutcome outcome = RunChart(atBirth, conventions);
      if (outcome.chart) sign = VargaSign(PranapadaLongitudeOf(*outcome.chart), varga);
    }
    if (!windows.empty() && windows.back().sign == sign) {
      windows.back().to = at;
    } else {
      windows.push_back({at, at, sign});
    }
  }
  return windows;
}

std::string FormatVargaWindowsText(const BirthData& birth, Varga varga,
                                   const std::vector<VargaWindow>& windows) {
  const LocalDateTime moment = BirthMomentOf(birth);
  std::string out = "The Pranapada Lagna's sign in " + std::string(VargaCode(varga)) + " " +
                    std::string(VargaTitle(varga)) + " around " + FormatSecond(moment) + "\n";
  for (const VargaWindow& w : windows) {
    out += (w.from <= moment && moment <= w.to) ? "> " : "  ";
    out += FormatSecond(w.from) + " to " + FormatSecond(w.to) + "  ";
    out += w.sign < 0 ? "no chart" : kSignNames[static_cast<std::size_t>(w.sign)];
    out += '\n';
  }
  return out;
}

void AppendVargaWindowsJson(std::string& out, Varga varga,
                            const std::vector<VargaWindow>& windows) {
  out += '[';
  for (const VargaWindow& w : windows) {
    if (out.back() != '[') out += ',';
    out += '{';
    AppendJsonMember(out, "from", FormatSecond(w.from));
    AppendJsonMember(out, "to", FormatSecond(w.to));
    AppendJsonMember(out, "varga", VargaCode(varga));
    AppendJsonKey(out, "pranapada_sign");
    if (w.sign < 0) {
      out += "null";
    } else {
      AppendJsonInteger(out, w.sign + 1);
    }
    out += '}';
  }
  out += ']';
}

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
    if (!varga_.empty()) {
      const std::optional<Varga> varga = VargaNamed(varga_);
      if (!varga) {
        err << kProgram << ": --varga: unknown value \"" << varga_ << "\"\n";
        return kExitBadInput;
      }
      std::vector<VargaWindow> windows;
      try {
        windows = VargaWindows(birth, spanMinutes_, conventions, *varga);
      } catch (const EphemerisUnavailable& error) {
        err << kProgram << ": " << error.what() << '\n';
        return kExitIoFailure;
      }
      if (options_.json) {
        std::string text;
        AppendVargaWindowsJson(text, *varga, windows);
        streams.out << text << '\n';
      } else {
        streams.out << FormatVargaWindowsText(birth, *varga, windows);
      }
      return FinishOutput(streams.out, err);
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
    command.add_option("--varga", varga_,
                       "The Pranapada's sign windows in this varga (D1 .. D60) instead");
  }

  ChartOptions options_;
  std::string varga_;
  int spanMinutes_ = kDefaultTimelineSpanMinutes;
};

}  // namespace

std::unique_ptr<Command> MakeWindowsCommand() { return std::make_unique<WindowsCommand>(); }

}  // namespace velquor
