// The atlas the system provides (libgeonames): about 24,000 cities with state, country,
// coordinates, population and IANA time zone, built into the library.
#pragma once

#include <filesystem>
#include <future>
#include <memory>

#include "places/place_atlas.h"

namespace velquor {

// The program's cache file of the atlas's index: $XDG_CACHE_HOME/velquor/atlas-PROGRAM.index
// ("atlas-velquor-cli.index"), else in ~/.cache/velquor; empty when neither folder is known.
std::filesystem::path DefaultAtlasCacheFile();

// Reads every city of the system's atlas into our index, with the other names and
// city-states of place_names.h: a few hundred milliseconds. With a `cacheFile`, reads the
// index from it instead when it was written from the same atlas library by the same program
// (a few milliseconds), and otherwise writes it there for the next run; a cache that cannot
// be read or written is passed over. An empty path uses no cache.
// Throws AtlasError when the atlas is empty or a city cannot be read.
PlaceAtlas LoadSystemAtlas(const std::filesystem::path& cacheFile);

using SharedAtlas = std::shared_future<std::shared_ptr<const PlaceAtlas>>;

// The system's atlas, read once (through the default cache file) on a thread of its own,
// started by the first call; every call shares that one reading. get() rethrows the AtlasError of a
// failed reading.
SharedAtlas SystemAtlas();

}  // namespace velquor
