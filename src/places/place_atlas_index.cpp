// The atlas's index as bytes: what a cache file holds so that a later run need not read the
// system's atlas and build the index again. Integers and doubles are written as they are in
// memory; the cache file's key (system_atlas.cpp) names the program build that wrote them.
#include <algorithm>
#include <cstring>
#include <type_traits>

#include "places/place_atlas.h"

namespace velquor {

namespace {

class Writer {
 public:
  template <typename Number>
  void Put(Number value) {
    static_assert(std::is_arithmetic_v<Number>);
    bytes_.append(reinterpret_cast<const char*>(&value), sizeof value);
  }
  void Put(std::string_view text) {
    Put(static_cast<std::uint32_t>(text.size()));
    bytes_.append(text);
  }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// Reads what Writer wrote; once anything is missing every later read fails too.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}

  template <typename Number>
  bool Get(Number& value) {
    static_assert(std::is_arithmetic_v<Number>);
    if (!ok_ || rest_.size() < sizeof value) {
      ok_ = false;
      return false;
    }
    std::memcpy(&value, rest_.data(), sizeof value);
    rest_.remove_prefix(sizeof value);
    return true;
  }
  bool Get(std::string& text) {
    std::uint32_t size = 0;
    if (!Get(size) || rest_.size() < size) {
      ok_ = false;
      return false;
    }
    text.assign(rest_.substr(0, size));
    rest_.remove_prefix(size);
    return true;
  }
  // A count of items each at least `minimumBytes` long: no more than the bytes left allow.
  bool GetCount(std::uint32_t& count, std::size_t minimumBytes) {
    if (Get(count) && count <= rest_.size() / minimumBytes) return true;
    ok_ = false;
    return false;
  }
  bool AtEnd() const { return ok_ && rest_.empty(); }

 private:
  std::string_view rest_;
  bool ok_ = true;
};

constexpr std::uint32_t kIndexFormat = 1;

// The least bytes an item can take: its numbers and the sizes of its texts.
constexpr std::size_t kWord = sizeof(std::uint32_t);
constexpr std::size_t kLeastPlace = 9 * kWord + 2 * sizeof(double) + kWord;
constexpr std::size_t kLeastAlias = 2 * kWord;
constexpr std::size_t kLeastName = 3 * kWord;
constexpr std::size_t kLeastKey = 2 * kWord;

}  // namespace

std::string PlaceAtlas::IndexBytes() const {
  Writer out;
  out.Put(kIndexFormat);
  out.Put(static_cast<std::uint32_t>(places_.size()));
  for (std::size_t i = 0; i < places_.size(); ++i) {
    const Place& place = places_[i];
    for (std::string_view text :
         {std::string_view(place.city), std::string_view(place.state),
          std::string_view(place.country), std::string_view(place.countryCode),
          std::string_view(place.timeZone)}) {
      out.Put(text);
    }
    out.Put(place.latitude);
    out.Put(place.longitude);
    out.Put(place.population);
    const FoldedPlace& folded = folded_[i];
    for (const std::string* text :
         {&folded.city, &folded.state, &folded.country, &folded.countryCode}) {
      out.Put(std::string_view(*text));
    }
  }
  out.Put(static_cast<std::uint32_t>(aliases_.size()));
  for (const PlaceAlias& alias : aliases_) {
    out.Put(alias.place);
    out.Put(std::string_view(alias.name));
  }
  out.Put(static_cast<std::uint32_t>(names_.size()));
  for (const FoldedName& name : names_) {
    out.Put(name.place);
    out.Put(name.alias);
    out.Put(std::string_view(name.text));
  }
  out.Put(static_cast<std::uint32_t>(keys_.size()));
  for (const NameKey& key : keys_) {
    out.Put(key.name);
    out.Put(key.offset);
  }
  return out.Take();
}

std::optional<PlaceAtlas> PlaceAtlas::FromIndexBytes(std::string_view bytes) {
  Reader in(bytes);
  std::uint32_t format = 0;
  if (!in.Get(format) || format != kIndexFormat) return std::nullopt;
  PlaceAtlas atlas;
  std::uint32_t count = 0;
  if (!in.GetCount(count, kLeastPlace)) return std::nullopt;
  atlas.places_.resize(count);
  atlas.folded_.resize(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    Place& place = atlas.places_[i];
    FoldedPlace& folded = atlas.folded_[i];
    const bool read = in.Get(place.city) && in.Get(place.state) && in.Get(place.country) &&
                      in.Get(place.countryCode) && in.Get(place.timeZone) &&
                      in.Get(place.latitude) && in.Get(place.longitude) &&
                      in.Get(place.population) && in.Get(folded.city) && in.Get(folded.state) &&
                      in.Get(folded.country) && in.Get(folded.countryCode);
    if (!read) return std::nullopt;
  }
  if (!in.GetCount(count, kLeastAlias)) return std::nullopt;
  atlas.aliases_.resize(count);
  for (PlaceAlias& alias : atlas.aliases_) {
    if (!in.Get(alias.place) || !in.Get(alias.name) || alias.place >= atlas.places_.size()) {
      return std::nullopt;
    }
  }
  if (!in.GetCount(count, kLeastName)) return std::nullopt;
  atlas.names_.resize(count);
  for (FoldedName& name : atlas.names_) {
    if (!in.Get(name.place) || !in.Get(name.alias) || !in.Get(name.text) ||
        name.place >= atlas.places_.size() ||
        (name.alias != kOwnName && name.alias >= atlas.aliases_.size())) {
      return std::nullopt;
    }
  }
  if (!in.GetCount(count, kLeastKey)) return std::nullopt;
  atlas.keys_.resize(count);
  for (NameKey& key : atlas.keys_) {
    if (!in.Get(key.name) || !in.Get(key.offset) || key.name >= atlas.names_.size() ||
        key.offset > atlas.names_[key.name].text.size()) {
      return std::nullopt;
    }
  }
  if (!in.AtEnd()) return std::nullopt;
  // Searching relies on the keys' order.
  const bool sorted = std::is_sorted(
      atlas.keys_.begin(), atlas.keys_.end(),
      [&atlas](const NameKey& a, const NameKey& b) { return atlas.KeyText(a) < atlas.KeyText(b); });
  if (!sorted) return std::nullopt;
  return atlas;
}

}  // namespace velquor
