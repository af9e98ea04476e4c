// The offline atlas: every city of the system's atlas in an index of our own, searched
// as the user types. Matching ignores case and accents; the city name decides first, then
// the state and country the user gave, then the population.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velquor {

struct Place {
  std::string city;
  std::string state;  // may be empty
  std::string country;
  std::string countryCode;  // two letters, e.g. "IN"
  std::string timeZone;     // IANA zone, e.g. "Asia/Kolkata"
  double latitude = 0.0;    // degrees, North positive
  double longitude = 0.0;   // degrees, East positive
  unsigned population = 0;
};

// What the user looks for: a city, and the regions (state, country, in the order given)
// that narrow and rank the cities of that name. A blank region is no region.
struct PlaceQuery {
  std::string city;
  std::vector<std::string> regions;
};

inline constexpr std::size_t kMaxQueryRegions = 4;

// "Springfield, Illinois, USA" → city "Springfield", regions {"Illinois", "USA"}; parts are
// trimmed. Throws std::invalid_argument when the city is missing or there are more than
// three parts.
PlaceQuery ParsePlaceText(std::string_view text);

// How a city name matched what was typed, from weakest to strongest.
enum class CityMatch : std::uint8_t {
  WordPrefix = 1,  // a later word of the name begins with it ("delhi" in "New Delhi")
  NamePrefix = 2,  // the name begins with it
  Exact = 3,       // the whole name
};

struct PlaceMatch {
  const Place* place = nullptr;  // points into the atlas searched
  CityMatch cityMatch = CityMatch::WordPrefix;
  // The other name of the place that matched ("Bombay" for Mumbai), pointing into the atlas;
  // empty when its own name matched as well as any other.
  std::string_view otherName;
  // How well the place lies in the query's regions; the first region weighs most.
  std::uint32_t regionScore = 0;

  // Same city match and same region score: only the population tells them apart.
  bool SameRankAs(const PlaceMatch& other) const {
    return cityMatch == other.cityMatch && regionScore == other.regionScore;
  }
};

struct PlaceSearchResult {
  std::vector<PlaceMatch> matches;  // best first
  std::size_t totalMatches = 0;     // before the limit was applied
  // Regions that no matching city lies in; they were left out of the search.
  std::vector<std::string> unmatchedRegions;
};

// Another name a place is found by: a historic name, an everyday one or a spelling.
struct PlaceAlias {
  std::uint32_t place;  // index in the atlas's places
  std::string name;
};

class PlaceAtlas {
 public:
  // Aliases whose place is out of range are ignored.
  explicit PlaceAtlas(std::vector<Place> places, std::vector<PlaceAlias> aliases = {});

  // Cities whose name or alias, or a word of either, begins with the query's city. Each region that
  // some of them lie in (by state, country, country code, or the words of either) drops those that
  // do not. Ranked by city match, region score, then population, largest first. Throws
  // std::invalid_argument for more than kMaxQueryRegions regions. The matches point into this
  // atlas, so a temporary atlas cannot be searched.
  PlaceSearchResult Search(const PlaceQuery& query, std::size_t limit) const&;
  PlaceSearchResult Search(const PlaceQuery& query, std::size_t limit) const&& = delete;

  std::size_t size() const { return places_.size(); }

  // The atlas with its built index as bytes, for a cache file; FromIndexBytes reads them
  // back into an atlas equal to this one. The bytes are for this program on this machine.
  std::string IndexBytes() const;
  // Empty when `bytes` are not a whole and consistent index of IndexBytes's format.
  static std::optional<PlaceAtlas> FromIndexBytes(std::string_view bytes);

 private:
  PlaceAtlas() = default;

  struct FoldedPlace {
    std::string city, state, country, countryCode;
  };
  // A name a place is found by, folded; `alias` indexes aliases_, or is kOwnName.
  struct FoldedName {
    std::uint32_t place;
    std::uint32_t alias;
    std::string text;
  };
  static constexpr std::uint32_t kOwnName = UINT32_MAX;
  // A word start inside a folded name: the name from there on is a search key.
  struct NameKey {
    std::uint32_t name;
    std::uint32_t offset;
  };

  struct Candidate {
    std::uint32_t place;
    CityMatch match;
    std::uint32_t alias;
  };

  std::string_view KeyText(const NameKey& key) const;
  // Every place whose folded name or alias, or a word of either, begins with `city` (folded),
  // once, with its strongest match (its own name before an alias of the same strength).
  std::vector<Candidate> CityCandidates(std::string_view city) const;

  std::vector<Place> places_;
  std::vector<PlaceAlias> aliases_;
  std::vector<FoldedPlace> folded_;  // same order as places_
  std::vector<FoldedName> names_;    // the places' own names, then the aliases
  std::vector<NameKey> keys_;        // sorted by KeyText
};

// The outcome of taking a search's best match as the place meant, for callers that need one
// place without asking the user (the command line).
struct PlaceResolution {
  enum class Kind { Found, Ambiguous, NotFound };
  Kind kind = Kind::NotFound;
  const Place* place = nullptr;  // set when Found
  std::string problem;           // why not Found, in words
};

// Found when the best match names the city exactly, lies in every region given, and is the
// only one of its rank, or has at least ten times the population of the next of that rank
// (Madrid, Spain against Madrid, Colombia). A best match found by another name is ambiguous
// when a match of its rank bears that name as its own.
PlaceResolution ResolvePlace(const PlaceQuery& query, const PlaceSearchResult& result);

// The atlas could not be read.
class AtlasError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace velquor
