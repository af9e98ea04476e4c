// The atlas the system provides (libgeonames): about 24,000 cities with state, country,
// coordinates, population and IANA time zone, built into the library.
#pragma once

#include <future>
#include <memory>

#include "places/place_atlas.h"

namespace velquor {

// Reads every city of the system's atlas into our index (a few hundred milliseconds), with
// the other names and city-states of place_names.h.
// Throws AtlasError when the atlas is empty or a city cannot be read.
PlaceAtlas LoadSystemAtlas();

using SharedAtlas = std::shared_future<std::shared_ptr<const PlaceAtlas>>;

// The system's atlas, read once on a thread of its own, started by the first call; every
// call shares that one reading. get() rethrows the AtlasError of a failed reading.
SharedAtlas SystemAtlas();

}  // namespace velquor
