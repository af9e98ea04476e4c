#include "places/place_atlas.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "places/place_coordinates.h"
#include "places/system_atlas.h"

namespace velquor {
namespace {

// A small atlas whose ranking every test can read at a glance.
PlaceAtlas SmallAtlas() {
  return PlaceAtlas({
      {"Springfield", "Illinois", "United States of America", "US", "America/Chicago", 39.8, -89.6,
       116565},
      {"Springfield", "Missouri", "United States of America", "US", "America/Chicago", 37.2, -93.3,
       166810},
      {"Springfield", "Massachusetts", "United States of America", "US", "America/New_York", 42.1,
       -72.6, 154341},
      {"Springfield Gardens", "New York", "United States of America", "US", "America/New_York",
       40.7, -73.8, 30515},
      {"West Springfield", "Massachusetts", "United States of America", "US", "America/New_York",
       42.1, -72.6, 28000},
      {"Madrid", "Madrid", "Spain", "ES", "Europe/Madrid", 40.4, -3.7, 3255944},
      {"Madrid", "Cundinamarca", "Colombia", "CO", "America/Bogota", 4.7, -74.3, 50437},
      {"Zürich", "Canton of Zurich", "Switzerland", "CH", "Europe/Zurich", 47.4, 8.5, 341730},
      {"London", "England", "United Kingdom", "GB", "Europe/London", 51.5, -0.1, 8961989},
      {"Varanasi", "State of Uttar Pradesh", "India", "IN", "Asia/Kolkata", 25.3, 83.0, 1164404},
  });
}

std::vector<std::string> Describe(const PlaceSearchResult& result) {
  std::vector<std::string> lines;
  for (const auto& match : result.matches) {
    lines.push_back(match.place->city + ", " + match.place->state);
  }
  return lines;
}

using Lines = std::vector<std::string>;

TEST(PlaceAtlas, RanksByCityThenRegionsThenPopulation) {
  const PlaceAtlas atlas = SmallAtlas();
  struct Case {
    PlaceQuery query;
    Lines expected;
    Lines unmatched;
  };
  const Case cases[] = {
      // Whole name, then names beginning with it, then later words; population orders each.
      {{"springfield", {}},
       {"Springfield, Missouri", "Springfield, Massachusetts", "Springfield, Illinois",
        "Springfield Gardens, New York", "West Springfield, Massachusetts"},
       {}},
      // A region that some matches lie in drops the others.
      {{"Springfield", {"Massachusetts"}},
       {"Springfield, Massachusetts", "West Springfield, Massachusetts"},
       {}},
      // State words, country names, codes and everyday short names all place a city.
      {{"varanasi", {"uttar pradesh", "INDIA"}}, {"Varanasi, State of Uttar Pradesh"}, {}},
      {{"Madrid", {"Colombia"}}, {"Madrid, Cundinamarca"}, {}},
      {{"Madrid", {"co"}}, {"Madrid, Cundinamarca"}, {}},
      {{"London", {"UK"}}, {"London, England"}, {}},
      // A region no match lies in is set aside, and reported.
      {{"Madrid", {"Narnia"}}, {"Madrid, Madrid", "Madrid, Cundinamarca"}, {"Narnia"}},
      // Blank regions are no regions (the form lets a single blank through).
      {{"Madrid", {" ", ""}}, {"Madrid, Madrid", "Madrid, Cundinamarca"}, {}},
      // Case and accents do not matter, on either side.
      {{"ZURICH", {}}, {"Zürich, Canton of Zurich"}, {}},
      {{"Zü", {"Zürich"}}, {"Zürich, Canton of Zurich"}, {}},
      {{"Atlantis", {}}, {}, {}},
      {{"  ", {}}, {}, {}},
  };
  for (const auto& c : cases) {
    const PlaceSearchResult result = atlas.Search(c.query, 10);
    EXPECT_EQ(Describe(result), c.expected) << c.query.city;
    EXPECT_EQ(result.unmatchedRegions, c.unmatched) << c.query.city;
  }
}

TEST(PlaceAtlas, LimitKeepsTheBestAndCountsAll) {
  const PlaceAtlas atlas = SmallAtlas();
  const PlaceSearchResult result = atlas.Search({"spr", {}}, 2);
  EXPECT_EQ(Describe(result), (Lines{"Springfield, Missouri", "Springfield, Massachusetts"}));
  EXPECT_EQ(result.totalMatches, 5u);
}

TEST(PlaceAtlas, ParsesPlaceText) {
  struct Case {
    const char* text;
    PlaceQuery expected;
  };
  const Case cases[] = {
      {"Varanasi", {"Varanasi", {}}},
      {" Varanasi , India ", {"Varanasi", {"India"}}},
      {"Springfield, Illinois, USA", {"Springfield", {"Illinois", "USA"}}},
  };
  for (const auto& c : cases) {
    const PlaceQuery query = ParsePlaceText(c.text);
    EXPECT_EQ(query.city, c.expected.city) << c.text;
    EXPECT_EQ(query.regions, c.expected.regions) << c.text;
  }
  EXPECT_THROW(ParsePlaceText(", India"), std::invalid_argument);
  EXPECT_THROW(ParsePlaceText("a, b, c, d"), std::invalid_argument);
}

TEST(PlaceAtlas, ResolvesOnlyAClearBestMatch) {
  const PlaceAtlas atlas = SmallAtlas();
  using Kind = PlaceResolution::Kind;
  struct Case {
    const char* text;
    Kind kind;
    const char* state;
  };
  const Case cases[] = {
      {"Varanasi, India", Kind::Found, "State of Uttar Pradesh"},
      {"Springfield, Illinois", Kind::Found, "Illinois"},
      {"Springfield", Kind::Ambiguous, ""},         // populations too close to choose
      {"Madrid", Kind::Found, "Madrid"},            // 3.3 million against 50,000
      {"Springfield, Narnia", Kind::NotFound, ""},  // a region that nothing lies in
      {"Varan", Kind::NotFound, ""},                // only the start of a name
      {"Atlantis", Kind::NotFound, ""},
  };
  for (const auto& c : cases) {
    const PlaceQuery query = ParsePlaceText(c.text);
    const PlaceResolution resolution = ResolvePlace(query, atlas.Search(query, 10));
    EXPECT_EQ(resolution.kind, c.kind) << c.text;
    if (c.kind == Kind::Found) {
      ASSERT_NE(resolution.place, nullptr) << c.text;
      EXPECT_EQ(resolution.place->state, c.state) << c.text;
    } else {
      EXPECT_FALSE(resolution.problem.empty()) << c.text;
    }
  }
}

// The index as bytes: read back, it searches as the atlas it was written from.
TEST(PlaceAtlasIndex, RoundTripsAndRefusesDamagedBytes) {
  const PlaceAtlas atlas = PlaceAtlas(
      {{"Mumbai", "Maharashtra", "India", "IN", "Asia/Kolkata", 19.07, 72.88, 12691836},
       {"Zürich", "Canton of Zurich", "Switzerland", "CH", "Europe/Zurich", 47.4, 8.5, 341730}},
      {{0, "Bombay"}});
  const std::string bytes = atlas.IndexBytes();
  const std::optional<PlaceAtlas> read = PlaceAtlas::FromIndexBytes(bytes);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->IndexBytes(), bytes);
  for (const char* typed : {"bombay", "mum", "zurich", "z", "canton"}) {
    const PlaceSearchResult before = atlas.Search({typed, {}}, 10);
    const PlaceSearchResult after = read->Search({typed, {}}, 10);
    ASSERT_EQ(after.matches.size(), before.matches.size()) << typed;
    for (std::size_t i = 0; i < before.matches.size(); ++i) {
      EXPECT_EQ(after.matches[i].place->city, before.matches[i].place->city) << typed;
      EXPECT_EQ(after.matches[i].place->latitude, before.matches[i].place->latitude) << typed;
      EXPECT_EQ(after.matches[i].otherName, before.matches[i].otherName) << typed;
    }
  }
  // Every shortened or lengthened copy is refused; a changed byte never crashes a search.
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_FALSE(PlaceAtlas::FromIndexBytes(std::string_view(bytes).substr(0, size))) << size;
  }
  EXPECT_FALSE(PlaceAtlas::FromIndexBytes(bytes + '\0'));
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    std::string damaged = bytes;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x5a);
    if (const auto loaded = PlaceAtlas::FromIndexBytes(damaged)) loaded->Search({"m", {}}, 10);
  }
}

// The real atlas of the system.
class SystemAtlasTest : public ::testing::Test {
 protected:
  static const PlaceAtlas& Atlas() { return *SystemAtlas().get(); }
};

TEST_F(SystemAtlasTest, FindsKnownCities) {
  struct Case {
    const char* text;
    const char* city;
    const char* state;
    const char* latitude;
    const char* longitude;
    const char* zone;
  };
  const Case cases[] = {
      {"New Delhi, India", "New Delhi", "National Capital Territory of Delhi", "28N38", "77E13",
       "Asia/Kolkata"},
      {"Varanasi, Uttar Pradesh, India", "Varanasi", "State of Uttar Pradesh", "25N19", "83E01",
       "Asia/Kolkata"},
      {"Madrid", "Madrid", "Madrid", "40N25", "3W42", "Europe/Madrid"},
      {"Madrid, Colombia", "Madrid", "Cundinamarca", "4N44", "74W16", "America/Bogota"},
      {"Sao Paulo", "São Paulo", "São Paulo", "23S33", "46W38", "America/Sao_Paulo"},
      {"Springfield, Illinois", "Springfield", "Illinois", "39N48", "89W39", "America/Chicago"},
      {"Springfield, Missouri", "Springfield", "Missouri", "37N13", "93W18", "America/Chicago"},
      {"Springfield, Ohio", "Springfield", "Ohio", "39N55", "83W49", "America/New_York"},
      {"Springfield, Massachusetts, USA", "Springfield", "Massachusetts", "42N06", "72W35",
       "America/New_York"},
      {"Springfield, Oregon", "Springfield", "Oregon", "44N03", "123W01", "America/Los_Angeles"},
  };
  for (const auto& c : cases) {
    const PlaceQuery query = ParsePlaceText(c.text);
    const PlaceResolution resolution = ResolvePlace(query, Atlas().Search(query, 10));
    ASSERT_EQ(resolution.kind, PlaceResolution::Kind::Found)
        << c.text << ": " << resolution.problem;
    const Place& place = *resolution.place;
    EXPECT_EQ(place.city, c.city) << c.text;
    EXPECT_EQ(place.state, c.state) << c.text;
    EXPECT_EQ(LatitudeText(place.latitude), c.latitude) << c.text;
    EXPECT_EQ(LongitudeText(place.longitude), c.longitude) << c.text;
    EXPECT_EQ(place.timeZone, c.zone) << c.text;
  }
}

// The cache file: written by the first reading, read by the next, the same atlas either way;
// a damaged file is passed over and written again.
TEST(SystemAtlasCache, TheCachedIndexIsTheAtlas) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("velquor-atlas-cache-test-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  const std::filesystem::path file = folder / "velquor" / "atlas.index";
  const std::string fresh = LoadSystemAtlas(file).IndexBytes();
  ASSERT_TRUE(std::filesystem::exists(file));
  const auto written = std::filesystem::file_size(file);
  EXPECT_EQ(LoadSystemAtlas(file).IndexBytes(), fresh);
  EXPECT_EQ(LoadSystemAtlas({}).IndexBytes(), fresh);

  std::filesystem::resize_file(file, written / 2);
  EXPECT_EQ(LoadSystemAtlas(file).IndexBytes(), fresh);
  EXPECT_EQ(std::filesystem::file_size(file), written);
  std::filesystem::remove_all(folder);
}

TEST_F(SystemAtlasTest, SpringfieldAloneIsAmbiguous) {
  const PlaceQuery query{"Springfield", {}};
  const PlaceSearchResult result = Atlas().Search(query, 10);
  EXPECT_EQ(ResolvePlace(query, result).kind, PlaceResolution::Kind::Ambiguous);
  ASSERT_GE(result.matches.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(result.matches[i].place->city, "Springfield");
}

}  // namespace
}  // namespace velquor
