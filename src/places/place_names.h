// The names of places that the system's atlas lacks: historic and alternate names of its
// cities (Bombay, Peking, München), their current official names where the atlas keeps an
// older one (Gurugram for Gurgaon), the sovereign city-states it leaves out (Singapore,
// Vatican City), and the two-letter codes of the states of the United States. A small table
// kept by hand: each entry cites the renaming or usage it rests on.
#pragma once

#include <string_view>
#include <vector>

#include "places/place_atlas.h"

namespace velquor {

// Given: the atlas's places.
// Returned: the atlas searched by their own names and by the other names of the table. A
// city whose atlas name is outdated is shown by its current name and found by both; the
// city-states missing from `places` are added. Entries whose city `places` lacks are left
// out, so that a small atlas can be used as well.
PlaceAtlas AtlasWithOtherNames(std::vector<Place> places);

// The state of the United States (or the District of Columbia) whose postal code is `code`
// ("IL" → "Illinois"), whatever the case; empty for any other text.
std::string_view UsStateOfCode(std::string_view code);

// The names of the table, for tests: each other name, the atlas city it stands for, and
// that city's two-letter country code.
struct OtherName {
  std::string_view name;
  std::string_view atlasCity;
  std::string_view countryCode;
  bool current;  // the current official name of a city the atlas calls by an older one
};
const std::vector<OtherName>& OtherNames();

// The city-states added when the atlas lacks them.
const std::vector<Place>& AddedCityStates();

}  // namespace velquor
