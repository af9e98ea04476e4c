#include "cli/places_command.h"

#include <ctime>
#include <stdexcept>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "births/birth_check.h"
#include "births/input_error.h"
#include "chart/birth_instant.h"
#include "chart/time_zones.h"
#include "cli/chart_options.h"
#include "cli/command_io.h"
#include "cli/option_values.h"
#include "cli/place_option.h"
#include "places/place_atlas.h"
#include "places/place_coordinates.h"
#include "places/system_atlas.h"
#include "places/zone_suggestion.h"

namespace velquor {

namespace {

constexpr std::size_t kMaxPlacesLimit = 100000;

struct PlacesOptions {
  std::string query;         // CITY[, STATE][, COUNTRY]
  std::string date;          // YYYY-MM-DD for the zone suggestion; empty: today
  std::string time;          // HH:MM[:SS]; empty: noon
  std::string fold;          // first or second for a clock time that happened twice; empty: both
  std::string limit = "10";  // most places listed: decimal, 1 to kMaxPlacesLimit
};

// Holds the moment to the chart's ranges and calendar (hour 0 to 23, no 30 February, years
// 1901 to 2050), so that a time the chart would refuse is not quietly read as another.
// Throws InputError naming --date or --time.
void RequireValidMoment(const LocalDateTime& moment) {
  BirthData birth;
  birth.personName = "places";
  RequireValidBirth(BirthAt(birth, moment), ChartOptionNames());
}

// The moment the suggestions are for: the options' date and time, else today at noon.
LocalDateTime MomentOf(const PlacesOptions& options) {
  LocalDateTime moment;
  if (options.date.empty()) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    moment.year = local.tm_year + 1900;
    moment.month = local.tm_mon + 1;
    moment.day = local.tm_mday;
  } else {
    const DateOption date = ParseDateOption(options.date);
    moment.year = date.year;
    moment.month = date.month;
    moment.day = date.day;
  }
  moment.hour = 12;
  if (!options.time.empty()) {
    const TimeOption time = ParseTimeOption(options.time);
    moment.hour = time.hour;
    moment.minute = time.minute;
    moment.second = time.second;
  }
  RequireValidMoment(moment);
  return moment;
}

// One line of the listing, fields separated by tabs: city ("Bombay → Mumbai" when found by
// another name), state, country, latitude and longitude ("25N19", "83E01"), IANA zone, and
// the suggested row ("34 Indian Time, IST, +5.3", followed by " and daylight saving" when it
// was in force) or why there is none.
std::string PlaceLine(const Place& place, const ZoneSuggestion& zone, std::string_view otherName) {
  std::string row;
  if (zone.row) {
    row = std::to_string(*zone.row) + " " + std::string(TimeZoneTable()[*zone.row].label) +
          (zone.daylightSaving ? " and daylight saving" : "");
  } else {
    row = "no row: " + zone.text;
  }
  return ShownCity(place, otherName) + '\t' + place.state + '\t' + place.country + '\t' +
         LatitudeText(place.latitude) + '\t' + LongitudeText(place.longitude) + '\t' +
         place.timeZone + '\t' + row;
}

// Lists the matches on `out`; says on `err` which regions matched nothing and how many
// matches the limit left out. Returns the exit status: bad input when the options are
// malformed or nothing matches, an input failure when the atlas cannot be read.
int PrintPlaces(const PlacesOptions& options, std::ostream& out, std::ostream& err) {
  LocalDateTime moment;
  PlaceQuery query;
  std::size_t limit = 0;
  ClockFold fold = ClockFold::Unknown;
  try {
    limit = ParseCountOption("--limit", options.limit, kMaxPlacesLimit);
    RequireUtf8Option("query", options.query);
    moment = MomentOf(options);
    fold = ParseFoldOption(options.fold);
    query = ParsePlaceText(options.query);
  } catch (const InputError& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitBadInput;
  } catch (const std::invalid_argument& error) {
    err << kProgram << ": query: " << error.what() << '\n';
    return kExitBadInput;
  }

  PlaceSearchResult result;
  try {
    result = SystemAtlas().get()->Search(query, limit);
  } catch (const AtlasError& error) {
    err << kProgram << ": " << error.what() << '\n';
    return kExitIoFailure;
  }
  for (const std::string& region : result.unmatchedRegions) {
    err << kProgram << ": no match lies in \"" << region << "\"; it was left out\n";
  }
  if (result.matches.empty()) {
    err << kProgram << ": no place in the atlas matches \"" << options.query << "\"\n";
    return kExitBadInput;
  }
  for (const PlaceMatch& match : result.matches) {
    out << PlaceLine(*match.place, SuggestZone(match.place->timeZone, moment, fold),
                     match.otherName)
        << '\n';
  }
  if (result.totalMatches > result.matches.size()) {
    err << kProgram << ": " << result.totalMatches - result.matches.size()
        << (result.totalMatches - result.matches.size() == 1 ? " more match" : " more matches")
        << "; name the state or country, or raise --limit\n";
  }
  return FinishOutput(out, err);
}

class PlacesCommand final : public Command {
 public:
  PlacesCommand()
      : Command("places",
                "List the places of the offline atlas that match, with their suggested zone "
                "rows") {}

  int Run(const CommandStreams& streams) override {
    return PrintPlaces(options_, streams.out, streams.err);
  }

 private:
  void AddOptions(CLI::App& command) override {
    command.add_option("query", options_.query, "CITY[, STATE][, COUNTRY]")->required();
    command.add_option("--date", options_.date,
                       "Date for the zone suggestion, YYYY-MM-DD (default: today)");
    command.add_option(
        "--time", options_.time,
        "Local clock time for the zone suggestion, HH:MM or HH:MM:SS (default: noon)");
    command.add_option("--fold", options_.fold,
                       "A clock time that happened twice: first (before the clocks were put "
                       "back) or second (after); by default both readings are shown");
    command.add_option("--limit", options_.limit, "Most places listed, 1 to 100000 (default: 10)");
  }

  PlacesOptions options_;
};

}  // namespace

std::unique_ptr<Command> MakePlacesCommand() { return std::make_unique<PlacesCommand>(); }

}  // namespace velquor
