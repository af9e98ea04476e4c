// The one file that includes the atlas library's GLib-based header: GLib uses the name
// `signals`, which Qt defines as a macro, so no Qt header may meet it.
#include "places/system_atlas.h"

#include <dlfcn.h>
#include <geonames.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#include "places/place_names.h"
#include "text/text_folding.h"

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

std::vector<Place> ReadSystemPlaces(gint count) {
  std::vector<Place> places;
  places.reserve(static_cast<std::size_t>(count));
  for (gint i = 0; i < count; ++i) places.push_back(ReadCity(i));
  return places;
}

// "path size modification-time" of a file; empty when it cannot be read.
std::string FileIdentity(const std::filesystem::path& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) return {};
  const auto time = std::filesystem::last_write_time(file, error);
  if (error) return {};
  return file.string() + " " + std::to_string(size) + " " +
         std::to_string(time.time_since_epoch().count());
}

// What the cached index was built from: the atlas library (its data is inside it) and this
// program (its folding and its table of other names). Asking the library anything, even its
// city count, unpacks its data: the key does without.
std::string SourceKey() {
  Dl_info library{};
  const std::string atlas =
      dladdr(reinterpret_cast<void*>(&geonames_get_n_cities), &library) != 0 &&
              library.dli_fname != nullptr
          ? FileIdentity(library.dli_fname)
          : std::string();
  const std::string program = FileIdentity("/proc/self/exe");
  if (atlas.empty() || program.empty()) return {};
  return "velquor atlas index\n" + atlas + "\n" + program + "\n";
}

std::optional<PlaceAtlas> ReadCache(const std::filesystem::path& file, const std::string& key) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  std::string bytes(size, '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size)) || !bytes.starts_with(key)) {
    return std::nullopt;
  }
  return PlaceAtlas::FromIndexBytes(std::string_view(bytes).substr(key.size()));
}

// Written to a file of its own first and then renamed, so that a reader never sees half of
// it; a cache that cannot be written only costs the next run its time.
void WriteCache(const std::filesystem::path& file, const std::string& key,
                const PlaceAtlas& atlas) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return;
  const std::filesystem::path partial =
      file.string() + ".partial-" + std::to_string(static_cast<long>(::getpid()));
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << key << atlas.IndexBytes();
    if (!out.flush()) {
      out.close();
      std::filesystem::remove(partial, error);
      return;
    }
  }
  std::filesystem::rename(partial, file, error);
  if (error) std::filesystem::remove(partial, error);
}

}  // namespace

std::filesystem::path DefaultAtlasCacheFile() {
  // One file per program: each keys its index to itself, and the desktop program and the
  // command-line tool would otherwise replace each other's.
  std::error_code error;
  const std::string program = std::filesystem::read_symlink("/proc/self/exe", error).filename();
  if (error || program.empty()) return {};
  const std::string name = "atlas-" + program + ".index";
  const char* cacheHome = std::getenv("XDG_CACHE_HOME");
  if (cacheHome != nullptr && *cacheHome == '/') {
    return std::filesystem::path(cacheHome) / "velquor" / name;
  }
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home == '/') {
    return std::filesystem::path(home) / ".cache" / "velquor" / name;
  }
  return {};
}

PlaceAtlas LoadSystemAtlas(const std::filesystem::path& cacheFile) {
  const std::string key = cacheFile.empty() ? std::string() : SourceKey();
  if (!key.empty()) {
    if (std::optional<PlaceAtlas> cached = ReadCache(cacheFile, key)) return std::move(*cached);
  }
  const gint count = geonames_get_n_cities();
  if (count <= 0) {
    throw AtlasError("The system's atlas (libgeonames) holds no cities");
  }
  PlaceAtlas atlas = AtlasWithOtherNames(ReadSystemPlaces(count));
  if (!key.empty()) WriteCache(cacheFile, key, atlas);
  return atlas;
}

SharedAtlas SystemAtlas() {
  static const SharedAtlas atlas =
      std::async(std::launch::async, [] {
        return std::make_shared<const PlaceAtlas>(LoadSystemAtlas(DefaultAtlasCacheFile()));
      }).share();
  return atlas;
}

}  // namespace velquor
