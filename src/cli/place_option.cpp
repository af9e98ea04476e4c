#include "cli/place_option.h"

#include <stdexcept>

#include "births/input_error.h"
#include "chart/time_zones.h"
#include "places/place_coordinates.h"
#include "places/zone_suggestion.h"

namespace velquor {

namespace {

// How many candidates an unknown or ambiguous place lists.
constexpr std::size_t kCandidatesListed = 5;

std::string PlaceName(const Place& place, std::string_view otherName) {
  return ShownCity(place, otherName) + (place.state.empty() ? "" : ", " + place.state) + ", " +
         place.country;
}

std::string PlaceWithPosition(const Place& place, std::string_view otherName) {
  return PlaceName(place, otherName) + " (" + LatitudeText(place.latitude) + " " +
         LongitudeText(place.longitude) + ", " + place.timeZone + ")";
}

[[noreturn]] void ThrowNotResolved(const PlaceResolution& resolution,
                                   const PlaceSearchResult& result) {
  std::string message = resolution.problem;
  if (!result.matches.empty()) {
    message += "; the best matches:";
    for (const PlaceMatch& match : result.matches)
      message += "\n  " + PlaceWithPosition(*match.place, match.otherName);
  }
  throw InputError("--place", message);
}

void FillIfEmpty(std::string& field, const std::string& value) {
  if (field.empty()) field = value;
}

}  // namespace

std::string ShownCity(const Place& place, std::string_view otherName) {
  return otherName.empty() ? place.city : std::string(otherName) + " → " + place.city;
}

ClockFold ParseFoldOption(std::string_view text) {
  if (text.empty()) return ClockFold::Unknown;
  if (text == "first") return ClockFold::First;
  if (text == "second") return ClockFold::Second;
  throw InputError("--fold", "expected first or second, got \"" + std::string(text) + "\"");
}

std::string ApplyPlaceOption(const PlaceAtlas& atlas, std::string_view text, bool zoneGiven,
                             ClockFold fold, BirthData& input, std::string* suggestedZone) {
  PlaceQuery query;
  try {
    query = ParsePlaceText(text);
  } catch (const std::invalid_argument& error) {
    throw InputError("--place", error.what());
  }
  const PlaceSearchResult result = atlas.Search(query, kCandidatesListed);
  const PlaceResolution resolution = ResolvePlace(query, result);
  if (resolution.kind != PlaceResolution::Kind::Found) ThrowNotResolved(resolution, result);
  const Place& place = *resolution.place;

  const DegreesMinutes latitude = RoundToMinute(place.latitude);
  const DegreesMinutes longitude = RoundToMinute(place.longitude);
  input.latDegrees = latitude.degrees;
  input.latMinutes = latitude.minutes;
  input.isSouth = latitude.negative;
  input.lonDegrees = longitude.degrees;
  input.lonMinutes = longitude.minutes;
  input.isEast = !longitude.negative;
  FillIfEmpty(input.cityText, place.city);
  FillIfEmpty(input.stateText, place.state);
  FillIfEmpty(input.countryText, place.country);
  // The place found is the best match.
  std::string used = "place " + PlaceWithPosition(place, result.matches.front().otherName);
  if (zoneGiven) return used;

  const ZoneSuggestion zone =
      SuggestZone(place.timeZone,
                  {input.yearNumber, input.monthNumber, input.dayNumber, input.hourNumber,
                   input.minuteNumber, input.secondNumber},
                  fold);
  using Outcome = ZoneSuggestion::Outcome;
  if (zone.outcome == Outcome::InvalidDate) throw InputError("--date", zone.text);
  if (zone.outcome == Outcome::SkippedClockTime) throw InputError("--time", zone.text);
  if (zone.outcome == Outcome::RepeatedClockTime) {
    throw InputError("--time", zone.text + "; say which with --fold first or --fold second");
  }
  if (!zone.row) throw InputError("--place", zone.text + "; give the time zone with --zone");
  input.zoneIndex = *zone.row;
  if (input.isDst && !zone.daylightSaving) {
    // The chart keeps the user's --dst: say so rather than repeat the database's word.
    return used + "; zone " +
           std::string(TimeZoneTable()[static_cast<std::size_t>(*zone.row)].label) +
           ", with daylight saving as --dst asks, although the time-zone database has none on " +
           DateText(input.yearNumber, input.monthNumber, input.dayNumber);
  }
  input.isDst = input.isDst || zone.daylightSaving;
  // The chart's clock is the place's own at the birth: its changes may be followed.
  if (suggestedZone != nullptr) *suggestedZone = place.timeZone;
  return used + "; zone " + zone.text;
}

}  // namespace velquor
