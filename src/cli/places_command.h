// velquor-cli places QUERY: the atlas's matches for a place, one a line, with the time-zone
// row suggested for each.
#pragma once

#include <ostream>
#include <string>

#include "places/place_atlas.h"
#include "places/zone_suggestion.h"

namespace velquor {

inline constexpr std::size_t kMaxPlacesLimit = 100000;

struct PlacesOptions {
  std::string query;         // CITY[, STATE][, COUNTRY]
  std::string date;          // YYYY-MM-DD for the zone suggestion; empty: today
  std::string time;          // HH:MM[:SS]; empty: noon
  std::string fold;          // first or second for a clock time that happened twice; empty: both
  std::string limit = "10";  // most places listed: decimal, 1 to kMaxPlacesLimit
};

// One line of the listing, fields separated by tabs: city ("Bombay → Mumbai" when found by
// another name), state, country, latitude and longitude ("25N19", "83E01"), IANA zone, and
// the suggested row ("34 Indian Time, IST, +5.3", followed by " and daylight saving" when it
// was in force) or why there is none.
std::string PlaceLine(const Place& place, const ZoneSuggestion& zone,
                      std::string_view otherName = {});

// Lists the matches on `out`; says on `err` which regions matched nothing and how many
// matches the limit left out. Returns the exit status: bad input when the options are
// malformed or nothing matches, an input failure when the atlas cannot be read.
int PrintPlaces(const PlacesOptions& options, std::ostream& out, std::ostream& err);

}  // namespace velquor
