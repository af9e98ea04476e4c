// The one file that includes the atlas library's GLib-based header: GLib uses the name
// `signals`, which Qt defines as a macro, so no Qt header may meet it.
#include "places/system_atlas.h"

#include <geonames.h>

#include "places/place_names.h"

#include <string>

namespace velquor {

namespace {

std::string TextOrEmpty(const gchar* text) { return text ? std::string(text) : std::string(); }

Place ReadCity(gint index) {
  GeonamesCity* city = geonames_get_city(index);
  if (!city) {
    throw AtlasError("The system's atlas (libgeonames) could not read its city number " +
                     std::to_string(index));
  }
  Place place{TextOrEmpty(geonames_city_get_name(city)),
              TextOrEmpty(geonames_city_get_state(city)),
              TextOrEmpty(geonames_city_get_country(city)),
              TextOrEmpty(geonames_city_get_country_code(city)),
              TextOrEmpty(geonames_city_get_timezone(city)),
              geonames_city_get_latitude(city),
              geonames_city_get_longitude(city),
              geonames_city_get_population(city)};
  geonames_city_free(city);
  return place;
}

}  // namespace

PlaceAtlas LoadSystemAtlas() {
  const gint count = geonames_get_n_cities();
  if (count <= 0) {
    throw AtlasError("The system's atlas (libgeonames) holds no cities");
  }
  std::vector<Place> places;
  places.reserve(static_cast<std::size_t>(count));
  for (gint i = 0; i < count; ++i) places.push_back(ReadCity(i));
  return AtlasWithOtherNames(std::move(places));
}

SharedAtlas SystemAtlas() {
  static const SharedAtlas atlas = std::async(std::launch::async, [] {
                                     return std::make_shared<const PlaceAtlas>(LoadSystemAtlas());
                                   }).share();
  return atlas;
}

}  // namespace velquor
