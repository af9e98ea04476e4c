#include "cli/cli_app.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include <CLI/CLI.hpp>

#include "astro/precise_ephemeris.h"
#include "chart/birth_timeline.h"
#include "chart/chart_run.h"
#include "chart/time_zones.h"
#include "cli/batch_line.h"
#include "cli/birth_check.h"
#include "cli/chart_json.h"
#include "cli/chart_options.h"
#include "cli/chart_text.h"
#include "cli/example_birth.h"
#include "cli/input_error.h"
#include "cli/ordered_pipeline.h"
#include "cli/place_option.h"
#include "cli/places_command.h"
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

int PrintChart(const BirthData& birth, const Conventions& conventions, const FieldNames& names,
               bool json, std::ostream& out, std::ostream& err) {
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

int RunChartCommand(const ChartOptions& options, std::ostream& out, std::ostream& err) {
  BirthData birth;
  Conventions conventions;
  int status = kExitOk;
  if (!ReadBirthOfOptions(options, birth, conventions, err, status)) return status;
  return PrintChart(birth, conventions, kChartOptionNames, options.json, out, err);
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

int RunBatchCommand(const std::string& path, std::istream& standardInput, std::ostream& out,
                    std::ostream& err) {
  std::ifstream file;
  const bool fromStandardInput = path.empty() || path == "-";
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
  PipelineOptions options;
  options.workers = std::max(1u, std::thread::hardware_concurrency());
  try {
    const PipelineSummary summary =
        ProcessLines(fromStandardInput ? standardInput : file, out, ChartLine, options);
    return summary.failedLines == 0 ? kExitOk : kExitFailedLines;
  } catch (const std::exception& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitIoFailure;
  }
}

void PrintZones(std::ostream& out) {
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
  return kExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  CLI::App app{"Pranapada Lagna charts from the command line.", kProgram};
  app.require_subcommand(1);

  ChartOptions chartOptions;
  CLI::App* chart = app.add_subcommand("chart", "Compute one chart");
  AddChartOptions(*chart, chartOptions);

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
  places->add_option("--limit", placesOptions.limit, "Most places listed (default: 10)")
      ->check(CLI::PositiveNumber);

  std::string stationPlanet;
  CLI::App* stations = app.add_subcommand(
      "stations", "List a planet's retrograde periods: retrograde station, then direct station");
  stations
      ->add_option("planet", stationPlanet,
                   "Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune or Pluto")
      ->required();
  CLI::App* example = app.add_subcommand("example", "Compute the chart of a built-in birth");

  try {
    // CLI11 takes the arguments last one first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error, out, err);
    return status == 0 ? kExitOk : kExitBadInput;
  }

  if (*chart) return RunChartCommand(chartOptions, out, err);
  if (*windows) return RunWindowsCommand(windowsOptions, spanMinutes, out, err);
  if (*batch) return RunBatchCommand(batchPath, in, out, err);
  if (*example) return PrintChart(ExampleBirth(), {}, kChartOptionNames, false, out, err);
  if (*stations) return PrintStations(stationPlanet, out, err);
  if (*places) return PrintPlaces(placesOptions, out, err);
  PrintZones(out);  // the one subcommand left
  return kExitOk;
}

}  // namespace velquor
