#include "cli/places_command.h"

#include <ctime>
#include <stdexcept>

#include "births/birth_check.h"
#include "births/input_error.h"
#include "chart/birth_instant.h"
#include "chart/time_zones.h"
#include "cli/chart_options.h"
#include "cli/cli_app.h"
#include "cli/option_values.h"
#include "cli/place_option.h"
#include "places/place_coordinates.h"
#include "places/system_atlas.h"

namespace velquor {

namespace {

// Holds the moment to the chart's ranges and calendar (hour 0 to 23, no 30 February, years
// 1901 to 2050), so that a time the chart would refuse is not quietly read as another.
// Throws InputError naming --date or --time.
void RequireValidMoment(const LocalMoment& moment) {
  BirthData birth;
  birth.personName = "places";
  RequireValidBirth(BirthAt(birth, {moment.year, moment.month, moment.day, moment.hour,
                                    moment.minute, moment.second}),
                    kChartOptionNames);
}

// The moment the suggestions are for: the options' date and time, else today at noon.
LocalMoment MomentOf(const PlacesOptions& options) {
  LocalMoment moment;
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

}  // namespace

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

int PrintPlaces(const PlacesOptions& options, std::ostream& out, std::ostream& err) {
  LocalMoment moment;
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
  if (!out.flush()) {
    err << kProgram << ": writing the output failed\n";
    return kExitIoFailure;
  }
  return kExitOk;
}

}  // namespace velquor
