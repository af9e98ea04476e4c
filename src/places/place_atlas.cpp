#include "places/place_atlas.h"

#include <algorithm>
#include <array>

#include "places/place_names.h"
#include "text/text_folding.h"

namespace velquor {

namespace {

// Region strengths; two bits each in PlaceMatch::regionScore.
constexpr std::uint8_t kNoRegionMatch = 0;
constexpr std::uint8_t kRegionWordsMatch = 1;
constexpr std::uint8_t kRegionExactMatch = 2;

// Everyday short names of countries whose atlas name they do not abbreviate.
struct CountryAlias {
  std::string_view alias;
  std::string_view code;  // folded country code
};
constexpr std::array<CountryAlias, 3> kCountryAliases = {{
    {"uae", "ae"},
    {"uk", "gb"},
    {"usa", "us"},
}};

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::vector<std::string> Words(std::string_view folded) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start < folded.size()) {
    auto end = folded.find(' ', start);
    if (end == std::string_view::npos) end = folded.size();
    words.emplace_back(folded.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

// True when every word of `words` begins some word of `folded` ("uttar pradesh" in
// "state of uttar pradesh", "united st" in "united states of america").
bool WordsBeginWordsOf(const std::vector<std::string>& words, std::string_view folded) {
  return std::all_of(words.begin(), words.end(), [folded](const std::string& word) {
    for (std::size_t pos = folded.find(word); pos != std::string_view::npos;
         pos = folded.find(word, pos + 1)) {
      if (pos == 0 || folded[pos - 1] == ' ') return true;
    }
    return false;
  });
}

struct FoldedRegion {
  std::string typed;  // as the user gave it, trimmed
  std::string text;   // folded
  std::vector<std::string> words;
  std::string_view aliasCode;  // country code of an everyday short name, or empty
  std::string usState;         // folded state of a United States postal code ("il"), or empty
};

// The regions that are not blank, folded.
std::vector<FoldedRegion> FoldRegions(const std::vector<std::string>& regions) {
  std::vector<FoldedRegion> folded;
  for (const auto& region : regions) {
    FoldedRegion entry{std::string(Trim(region)),
                       FoldForSearch(region),
                       {},
                       {},
                       FoldForSearch(UsStateOfCode(Trim(region)))};
    if (entry.text.empty()) continue;
    entry.words = Words(entry.text);
    for (const auto& alias : kCountryAliases) {
      if (alias.alias == entry.text) entry.aliasCode = alias.code;
    }
    folded.push_back(std::move(entry));
  }
  return folded;
}

// How well a place with these folded state, country and code lies in `region`.
std::uint8_t RegionStrength(const FoldedRegion& region, std::string_view state,
                            std::string_view country, std::string_view countryCode) {
  if (region.text == state || region.text == country || region.text == countryCode ||
      region.aliasCode == countryCode ||
      (!region.usState.empty() && countryCode == "us" && region.usState == state)) {
    return kRegionExactMatch;
  }
  if (WordsBeginWordsOf(region.words, state) || WordsBeginWordsOf(region.words, country)) {
    return kRegionWordsMatch;
  }
  return kNoRegionMatch;
}

}  // namespace

PlaceQuery ParsePlaceText(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const auto comma = text.find(',', start);
    parts.push_back(
        Trim(text.substr(start, comma == std::string_view::npos ? text.npos : comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (parts.front().empty()) {
    throw std::invalid_argument("A place needs a city: CITY[, STATE][, COUNTRY]");
  }
  if (parts.size() > 3) {
    throw std::invalid_argument("A place has at most three parts: CITY[, STATE][, COUNTRY]");
  }
  PlaceQuery query{std::string(parts.front()), {}};
  for (std::size_t i = 1; i < parts.size(); ++i) query.regions.emplace_back(parts[i]);
  return query;
}

PlaceAtlas::PlaceAtlas(std::vector<Place> places, std::vector<PlaceAlias> aliases)
    : places_(std::move(places)), aliases_(std::move(aliases)) {
  std::erase_if(aliases_,
                [this](const PlaceAlias& alias) { return alias.place >= places_.size(); });
  folded_.reserve(places_.size());
  names_.reserve(places_.size() + aliases_.size());
  for (std::uint32_t i = 0; i < places_.size(); ++i) {
    const Place& place = places_[i];
    folded_.push_back({FoldForSearch(place.city), FoldForSearch(place.state),
                       FoldForSearch(place.country), FoldForSearch(place.countryCode)});
    names_.push_back({i, kOwnName, folded_.back().city});
  }
  for (std::uint32_t a = 0; a < aliases_.size(); ++a) {
    names_.push_back({aliases_[a].place, a, FoldForSearch(aliases_[a].name)});
  }
  for (std::uint32_t n = 0; n < names_.size(); ++n) {
    const std::string& text = names_[n].text;
    for (std::uint32_t pos = 0; pos < text.size(); ++pos) {
      if (pos == 0 || text[pos - 1] == ' ') keys_.push_back({n, pos});
    }
  }
  std::sort(keys_.begin(), keys_.end(),
            [this](const NameKey& a, const NameKey& b) { return KeyText(a) < KeyText(b); });
}

std::string_view PlaceAtlas::KeyText(const NameKey& key) const {
  return std::string_view(names_[key.name].text).substr(key.offset);
}

std::vector<PlaceAtlas::Candidate> PlaceAtlas::CityCandidates(std::string_view city) const {
  std::vector<Candidate> candidates;
  auto key = std::lower_bound(
      keys_.begin(), keys_.end(), city,
      [this](const NameKey& k, std::string_view value) { return KeyText(k) < value; });
  for (; key != keys_.end() && KeyText(*key).starts_with(city); ++key) {
    CityMatch match = CityMatch::WordPrefix;
    if (key->offset == 0) {
      match = KeyText(*key).size() == city.size() ? CityMatch::Exact : CityMatch::NamePrefix;
    }
    const FoldedName& name = names_[key->name];
    candidates.push_back({name.place, match, name.alias});
  }
  // A place can begin with the text at more than one word, or by more than one name; its
  // strongest match counts, its own name before an alias.
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.place != b.place) return a.place < b.place;
    if (a.match != b.match) return a.match > b.match;
    return a.alias > b.alias;  // kOwnName is the largest
  });
  candidates.erase(
      std::unique(candidates.begin(), candidates.end(),
                  [](const Candidate& a, const Candidate& b) { return a.place == b.place; }),
      candidates.end());
  return candidates;
}

PlaceSearchResult PlaceAtlas::Search(const PlaceQuery& query, std::size_t limit) const& {
  if (query.regions.size() > kMaxQueryRegions) {
    throw std::invalid_argument("A place search takes at most " + std::to_string(kMaxQueryRegions) +
                                " regions");
  }
  PlaceSearchResult result;
  const std::string city = FoldForSearch(query.city);
  if (city.empty()) return result;
  const std::vector<Candidate> candidates = CityCandidates(city);
  const std::vector<FoldedRegion> regions = FoldRegions(query.regions);

  // strengths[c * regions.size() + r]: how well candidate c lies in region r.
  std::vector<std::uint8_t> strengths;
  strengths.reserve(candidates.size() * regions.size());
  for (const Candidate& candidate : candidates) {
    const FoldedPlace& place = folded_[candidate.place];
    for (const FoldedRegion& region : regions) {
      strengths.push_back(RegionStrength(region, place.state, place.country, place.countryCode));
    }
  }
  const auto strength = [&](std::size_t c, std::size_t r) {
    return strengths[c * regions.size() + r];
  };

  // A region narrows the matches when some of them lie in it; otherwise it is set aside.
  std::vector<bool> keep(candidates.size(), true);
  for (std::size_t r = 0; r < regions.size(); ++r) {
    bool anyInRegion = false;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
      anyInRegion = anyInRegion || (keep[c] && strength(c, r) != kNoRegionMatch);
    }
    if (!anyInRegion) {
      result.unmatchedRegions.push_back(regions[r].typed);
      continue;
    }
    for (std::size_t c = 0; c < candidates.size(); ++c) {
      if (strength(c, r) == kNoRegionMatch) keep[c] = false;
    }
  }

  for (std::size_t c = 0; c < candidates.size(); ++c) {
    if (!keep[c]) continue;
    std::uint32_t score = 0;
    for (std::size_t r = 0; r < regions.size(); ++r) score = (score << 2) | strength(c, r);
    const std::uint32_t alias = candidates[c].alias;
    const std::string_view otherName =
        alias == kOwnName ? std::string_view() : std::string_view(aliases_[alias].name);
    result.matches.push_back(
        {&places_[candidates[c].place], candidates[c].match, otherName, score});
  }
  result.totalMatches = result.matches.size();

  const auto better = [](const PlaceMatch& a, const PlaceMatch& b) {
    if (a.cityMatch != b.cityMatch) return a.cityMatch > b.cityMatch;
    if (a.regionScore != b.regionScore) return a.regionScore > b.regionScore;
    if (a.place->population != b.place->population) {
      return a.place->population > b.place->population;
    }
    return a.place < b.place;
  };
  const std::size_t shown = std::min(limit, result.matches.size());
  std::partial_sort(result.matches.begin(),
                    result.matches.begin() + static_cast<std::ptrdiff_t>(shown),
                    result.matches.end(), better);
  result.matches.resize(shown);
  return result;
}

PlaceResolution ResolvePlace(const PlaceQuery& query, const PlaceSearchResult& result) {
  using Kind = PlaceResolution::Kind;
  if (!result.unmatchedRegions.empty()) {
    return {Kind::NotFound, nullptr,
            "No city called \"" + query.city + "\" lies in \"" + result.unmatchedRegions.front() +
                "\""};
  }
  if (result.matches.empty() || result.matches.front().cityMatch != CityMatch::Exact) {
    return {Kind::NotFound, nullptr, "The atlas has no city called \"" + query.city + "\""};
  }
  const PlaceMatch& best = result.matches.front();
  // A city found by another name is not taken over one that bears the name itself ("Canton"
  // is Guangzhou's old name and a city of Ohio).
  if (!best.otherName.empty()) {
    for (const PlaceMatch& other : result.matches) {
      if (other.otherName.empty() && best.SameRankAs(other)) {
        return {Kind::Ambiguous, nullptr,
                "Several cities are called \"" + query.city +
                    "\"; name the state or country to choose one"};
      }
    }
  }
  if (result.matches.size() > 1 && best.SameRankAs(result.matches[1])) {
    const double runnerUp = result.matches[1].place->population;
    if (best.place->population < 10.0 * runnerUp) {
      return {Kind::Ambiguous, nullptr,
              "Several cities are called \"" + query.city +
                  "\"; name the state or country to choose one"};
    }
  }
  return {Kind::Found, best.place, {}};
}

}  // namespace velquor
