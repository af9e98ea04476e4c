#include "cli/cli_app.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include <sys/stat.h>

#include <CLI/CLI.hpp>

#include "astro/precise_ephemeris.h"
#include "births/birth_check.h"
#include "births/input_error.h"
#include "chart/birth_timeline.h"
#include "chart/chart_run.h"
#include "chart/time_zones.h"
#include "cli/batch_line.h"
#include "cli/births_command.h"
#include "cli/chart_export.h"
#include "cli/chart_json.h"
#include "cli/chart_options.h"
#include "cli/chart_text.h"
#include "cli/example_birth.h"
#include "cli/ordered_pipeline.h"
#include "cli/place_option.h"
#include "cli/places_command.h"
#include "cli/printable_text.h"
#include "cli/stop_signals.h"
#include "cli/windows_output.h"
#include "places/system_atlas.h"
#include "retro/station_tables.h"

namespace velquor {

namespace {

void AddChartOptions(CLI::App& chart, ChartOptions& options) {
  chart.add_option("--name", options.name, "Name of the person")->required();
  chart.add_option("--date", options.date, "Date of birth, YYYY-MM-DD (1901 to 2050)")->required();
  chart.add_option("--time", options.time, "Local clock time of birth, HH:MM or HH:MM:SS")
      ->required();
  chart.add_option("--zone", options.zone,
                   "Time-zone row: index 0 to 70, or its exact label (with --place: suggested)");
  CLI::Option* lat =
      chart.add_option("--lat", options.lat, "Latitude: degrees, N or S, minutes (28N37)");
  CLI::Option* lon =
      chart.add_option("--lon", options.lon, "Longitude: degrees, E or W, minutes (77E13)");
  chart
      .add_option("--place", options.place,
                  "A place of the offline atlas, CITY[, STATE][, COUNTRY], instead of --lat "
                  "and --lon; it suggests --zone and --dst unless they are given")
      ->excludes(lat)
      ->excludes(lon);
  chart.add_flag("--dst", options.dst, "Daylight saving time was in force");
  chart.add_option("--fold", options.fold,
                   "With --place, a clock time that happened twice when the clocks were put "
                   "back: first (before) or second (after)");
  chart.add_option("--city", options.city, "City (shown in the details)");
  chart.add_option("--state", options.state, "State (shown in the details)");
  chart.add_option("--country", options.country, "Country (shown in the details)");
  chart.add_flag("--json", options.json, "Write the chart as one JSON object");
  chart.add_option("--conventions", options.conventions.set,
                   "The set of conventions: classic (the default) or modern (precise, "
                   "disc-centre, at-birth, from-sunrise)");
  chart.add_option("--ephemeris", options.conventions.ephemeris,
                   "Positions: classic formulas or precise (Swiss Ephemeris, Lahiri)");
  chart.add_option("--sunrise", options.conventions.sunrise,
                   "Sunrise: classic, upper-limb (upper edge, refraction) or disc-centre "
                   "(centre, no refraction)");
  chart.add_option("--pranapada-sun", options.conventions.pranapadaSun,
                   "The Sun the Pranapada counts from: at-sunrise or at-birth");
  chart.add_option("--after-sunset", options.conventions.afterSunset,
                   "A birth after sunset: to-next-sunrise or from-sunrise");
}

// Writes the chart as readable text or JSON; with `exportRequest`, writes its page to the
// file instead of the readable text (JSON is still written when asked for).
int PrintChart(const BirthData& birth, const Conventions& conventions, const FieldNames& names,
               bool json, std::ostream& out, std::ostream& err,
               const ExportRequest* exportRequest = nullptr) {
  try {
    RequireValidBirth(birth, names);
  } catch (const InputError& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitBadInput;
  }
  ChartOutcome outcome;
  try {
    outcome = RunChart(birth, conventions);
  } catch (const EphemerisUnavailable& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitIoFailure;
  }
  if (!outcome.chart) {
    err << kProgram << ": " << outcome.stopMessage << '\n';
    return kExitChartStopped;
  }
  if (exportRequest != nullptr) {
    const int status = WriteChartExport(*exportRequest, *outcome.chart, err);
    if (status != kExitOk || !json) return status;
  }
  if (json) {
    std::string text;
    AppendChartJson(text, *outcome.chart);
    out << text << '\n';
  } else {
    out << FormatChartText(*outcome.chart);
  }
  if (!out.flush()) {
    err << kProgram << ": writing the output failed\n";
    return kExitIoFailure;
  }
  return kExitOk;
}

// The birth data and conventions of the chart options, with the atlas place of --place;
// false when the options are faulty, which has been reported.
bool ReadBirthOfOptions(const ChartOptions& options, BirthData& birth, Conventions& conventions,
                        std::ostream& err, int& status) {
  try {
    conventions = ConventionsOfTexts(options.conventions, kConventionOptionNames);
    birth = BirthDataOfOptions(options);
    if (!options.fold.empty() && options.place.empty()) {
      throw InputError("--fold", "only with --place, whose zone it reads");
    }
    if (!options.place.empty()) {
      const std::string used =
          ApplyPlaceOption(*SystemAtlas().get(), options.place, !options.zone.empty(),
                           ParseFoldOption(options.fold), birth);
      err << kProgram << ": " << used << '\n';
    }
    return true;
  } catch (const InputError& error) {
    err << kProgram << ": " << error.what() << '\n';
    status = kExitBadInput;
  } catch (const AtlasError& error) {
    err << kProgram << ": " << error.what() << '\n';
    status = kExitIoFailure;
  }
  return false;
}

int RunChartCommand(const ChartOptions& options, const ExportTexts& exportTexts, std::ostream& out,
                    std::ostream& err) {
  std::optional<ExportRequest> exportRequest;
  if (!exportTexts.path.empty()) {
    try {
      exportRequest = ReadExportRequest(exportTexts);
    } catch (const InputError& error) {
      err << kProgram << ": " << error.what() << '\n';
      return kExitBadInput;
    }
  }
  BirthData birth;
  Conventions conventions;
  int status = kExitOk;
  if (!ReadBirthOfOptions(options, birth, conventions, err, status)) return status;
  return PrintChart(birth, conventions, kChartOptionNames, options.json, out, err,
                    exportRequest ? &*exportRequest : nullptr);
}

int RunWindowsCommand(const ChartOptions& options, int spanMinutes, std::ostream& out,
                      std::ostream& err) {
  if (spanMinutes < 0 || spanMinutes > kMaxTimelineSpanMinutes) {
    err << kProgram << ": --span: " << spanMinutes << " is not within 0 to "
        << kMaxTimelineSpanMinutes << " minutes\n";
    return kExitBadInput;
  }
  BirthData birth;
  Conventions conventions;
  int status = kExitOk;
  if (!ReadBirthOfOptions(options, birth, conventions, err, status)) return status;
  try {
    RequireValidBirth(birth, kChartOptionNames);
  } catch (const InputError& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitBadInput;
  }
  std::vector<TimelineInterval> timeline;
  try {
    timeline = BirthTimeline(birth, spanMinutes, conventions);
  } catch (const EphemerisUnavailable& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitIoFailure;
  }
  if (options.json) {
    std::string text;
    AppendWindowsJson(text, timeline);
    out << text << '\n';
  } else {
    out << FormatWindowsText(birth, spanMinutes, conventions, timeline);
  }
  if (!out.flush()) {
    err << kProgram << ": writing the output failed\n";
    return kExitIoFailure;
  }
  return kExitOk;
}

// The message why `batch` must not read its input: it is the very file the standard output
// appends to (`batch FILE >> FILE`), so it would read its own answers forever. Empty when
// it may. Only regular files count: a terminal is both input and output by design.
std::string SameFileAsOutput(const std::string& path, int inputFd, int outputFd) {
  struct stat input {};
  struct stat output {};
  if (outputFd < 0 || fstat(outputFd, &output) != 0) return {};
  const bool known =
      path.empty() ? inputFd >= 0 && fstat(inputFd, &input) == 0 : stat(path.c_str(), &input) == 0;
  if (!known || !S_ISREG(input.st_mode) || input.st_dev != output.st_dev ||
      input.st_ino != output.st_ino) {
    return {};
  }
  return (path.empty() ? std::string("the standard input") : path) +
         " is also the standard output: the batch would read its own output";
}

int RunBatchCommand(const std::string& path, std::istream& standardInput, std::ostream& out,
                    std::ostream& err, StandardFds fds) {
  std::ifstream file;
  const bool fromStandardInput = path.empty() || path == "-";
  if (const std::string same = SameFileAsOutput(fromStandardInput ? "" : path, fds.in, fds.out);
      !same.empty()) {
    err << kProgram << ": " << same << '\n';
    return kExitBadInput;
  }
  if (!fromStandardInput) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
      err << kProgram << ": " << path << " is a directory\n";
      return kExitBadInput;
    }
    file.open(path, std::ios::binary);
    if (!file) {
      err << kProgram << ": cannot open " << path << ": " << std::strerror(errno) << '\n';
      return kExitBadInput;
    }
  }
  const StopSignals stopSignals;
  PipelineOptions options;
  options.workers = std::max(1u, std::thread::hardware_concurrency());
  // A file never makes the reader wait; standard input may be a pipe or a terminal.
  const int waitFd = fromStandardInput ? fds.in : -1;
  options.waitForInput = [&] { return stopSignals.WaitForInput(waitFd); };
  options.stopRequested = [] { return StopSignals::Received() != 0; };
  try {
    const PipelineSummary summary =
        ProcessLines(fromStandardInput ? standardInput : file, out, ChartLine, options);
    if (summary.stopped) return 128 + StopSignals::Received();
    return summary.failedLines == 0 ? kExitOk : kExitFailedLines;
  } catch (const std::exception& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitIoFailure;
  }
}

// kExitOk once `out` has taken everything written to it, else kExitIoFailure with a message.
int FlushedStatus(std::ostream& out, std::ostream& err) {
  if (out.flush()) return kExitOk;
  err << kProgram << ": writing the output failed\n";
  return kExitIoFailure;
}

int PrintZones(std::ostream& out, std::ostream& err) {
  char row[128];
  std::snprintf(row, sizeof row, "%5s %5s %7s  %s\n", "Index", "Hours", "Minutes", "Label");
  out << row;
  const auto& table = TimeZoneTable();
  for (std::size_t index = 0; index < table.size(); ++index) {
    const TimeZoneRow& zone = table[index];
    std::snprintf(row, sizeof row, "%5zu %5d %7d  %.*s\n", index, zone.zoneHours, zone.zoneMinutes,
                  static_cast<int>(zone.label.size()), zone.label.data());
    out << row;
  }
  return FlushedStatus(out, err);
}

int PrintStations(const std::string& planet, std::ostream& out, std::ostream& err) {
  std::vector<std::string> lines;
  try {
    lines = StationTableLines(planet);
  } catch (const std::invalid_argument&) {
    err << kProgram << ": no station table for \"" << planet
        << "\"; the planets are Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune and Pluto\n";
    return kExitBadInput;
  }
  for (const std::string& line : lines) out << line << '\n';
  return FlushedStatus(out, err);
}

}  // namespace

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
      "\n"
      "See also:\n"
      "  velquor(1)    the same charts in a window");

  ChartOptions chartOptions;
  CLI::App* chart = app.add_subcommand("chart", "Compute one chart");
  AddChartOptions(*chart, chartOptions);
  ExportTexts exportTexts;
  AddExportOptions(*chart, exportTexts);

  ChartOptions windowsOptions;
  int spanMinutes = kDefaultTimelineSpanMinutes;
  CLI::App* windows = app.add_subcommand(
      "windows",
      "The Pranapada's sign windows around the birth time: from which second to which it "
      "keeps its sign, house and reference sunrise, with the classical check");
  AddChartOptions(*windows, windowsOptions);
  windows->add_option("--span", spanMinutes,
                      "Minutes either side of the birth time, 0 to 720 (default 30)");

  std::string batchPath;
  CLI::App* batch = app.add_subcommand(
      "batch", "Charts of JSON Lines (a file, or standard input) as JSON Lines, in order");
  batch->add_option("file", batchPath, "Input file; standard input when absent or -");

  app.add_subcommand("zones", "List the time-zone rows");

  PlacesOptions placesOptions;
  CLI::App* places = app.add_subcommand(
      "places", "List the places of the offline atlas that match, with their suggested zone rows");
  places->add_option("query", placesOptions.query, "CITY[, STATE][, COUNTRY]")->required();
  places->add_option("--date", placesOptions.date,
                     "Date for the zone suggestion, YYYY-MM-DD (default: today)");
  places->add_option("--time", placesOptions.time,
                     "Local clock time for the zone suggestion, HH:MM or HH:MM:SS (default: noon)");
  places->add_option("--fold", placesOptions.fold,
                     "A clock time that happened twice: first (before the clocks were put "
                     "back) or second (after); by default both readings are shown");
  places->add_option("--limit", placesOptions.limit,
                     "Most places listed, 1 to 100000 (default: 10)");

  std::string stationPlanet;
  CLI::App* stations = app.add_subcommand(
      "stations", "List a planet's retrograde periods: retrograde station, then direct station");
  stations
      ->add_option("planet", stationPlanet,
                   "Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune or Pluto")
      ->required();
  CLI::App* example = app.add_subcommand("example", "Compute the chart of a built-in birth");

  BirthsOptions birthsOptions;
  CLI::App* births = AddBirthsCommand(app, birthsOptions);

  std::string helpTopic;
  CLI::App* help = app.add_subcommand("help", "Describe the commands, or one COMMAND's options");
  help->add_option("command", helpTopic, "The command to describe");

  const auto findCommand = [&app](const std::string& name) -> const CLI::App* {
    for (const CLI::App* command : app.get_subcommands({})) {
      if (command->get_name() == name) return command;
    }
    return nullptr;
  };
  // A first argument that is neither an option nor a command: named, with the commands.
  if (!args.empty() && !args[0].empty() && args[0][0] != '-' && findCommand(args[0]) == nullptr) {
    std::string names;
    for (const CLI::App* command : app.get_subcommands({})) {
      names += (names.empty() ? "" : ", ") + command->get_name();
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

  if (*help) {
    if (helpTopic.empty()) {
      // The tool's own help: app.help() would describe the selected "help" command.
      out << app.get_formatter()->make_help(&app, kProgram, CLI::AppFormatMode::Normal);
      return FlushedStatus(out, err);
    }
    const CLI::App* topic = findCommand(helpTopic);
    if (topic == nullptr) {
      err << kProgram << ": help: unknown command \"" << helpTopic << "\"\n";
      return kExitBadInput;
    }
    out << topic->help(kProgram);
    return FlushedStatus(out, err);
  }
  if (*chart) return RunChartCommand(chartOptions, exportTexts, out, err);
  if (*windows) return RunWindowsCommand(windowsOptions, spanMinutes, out, err);
  if (*batch) return RunBatchCommand(batchPath, in, out, err, fds);
  if (*example) return PrintChart(ExampleBirth(), {}, kChartOptionNames, false, out, err);
  if (*stations) return PrintStations(stationPlanet, out, err);
  if (*places) return PrintPlaces(placesOptions, out, err);
  if (*births) return RunBirthsCommand(*births, birthsOptions, in, out, err);
  return PrintZones(out, err);  // the one subcommand left
}

}  // namespace velquor
