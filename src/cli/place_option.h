// The chart command's --place: a place of the offline atlas standing in for --lat and --lon
// and, unless --zone is given, for the time zone and daylight saving.
#pragma once

#include <string>
#include <string_view>

#include "chart/birth_data.h"
#include "places/place_atlas.h"
#include "places/zone_suggestion.h"

namespace velquor {

// The city as found: "Bombay → Mumbai" when found by another name, else its name.
std::string ShownCity(const Place& place, std::string_view otherName);

// --fold: "first" or "second"; empty is ClockFold::Unknown.
// Throws InputError naming --fold for any other text.
ClockFold ParseFoldOption(std::string_view text);

// Puts the place the user means by `text` ("Varanasi, India") into `input`: its coordinates,
// and its city, state and country where `input` has none. Unless `zoneGiven`, also the
// time-zone row suggested for the birth moment already in `input` (for a clock time that
// happened twice, the reading `fold` names), and its daylight saving (a --dst already in
// `input` stays, and the line says so). Returns a line saying which place and zone were used.
// Throws InputError naming --place for an unknown or ambiguous place (listing the best
// candidates) or an offset without a row, naming --date for a date that does not exist, and
// naming --time for a clock time that was skipped, or that happened twice without a `fold`.
// When the zone was suggested and the chart keeps its offset (no --dst the database has
// not), `suggestedZone` (if given) receives the place's IANA zone.
std::string ApplyPlaceOption(const PlaceAtlas& atlas, std::string_view text, bool zoneGiven,
                             ClockFold fold, BirthData& input,
                             std::string* suggestedZone = nullptr);

}  // namespace velquor
