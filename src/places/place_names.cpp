#include "places/place_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <string>
#include <utility>

#include "text/text_folding.h"

namespace velquor {

namespace {

// Each entry: the other name, the city as the atlas names it, its country, and whether the
// other name is the city's current official one. The comment says what the name rests on.
const std::vector<OtherName> kOtherNames = {
    // India: renamings by the state or central government, and British-era spellings still
    // on birth certificates.
    {"Bombay", "Mumbai", "IN", false},                 // renamed Mumbai in 1995
    {"Calcutta", "Kolkata", "IN", false},              // renamed Kolkata in 2001
    {"Madras", "Chennai", "IN", false},                // renamed Chennai in 1996
    {"Benares", "Varanasi", "IN", false},              // British-era spelling of Banaras
    {"Banaras", "Varanasi", "IN", false},              // Varanasi officially since 1956
    {"Bangalore", "Bengaluru", "IN", false},           // renamed Bengaluru in 2014
    {"Poona", "Pune", "IN", false},                    // spelt Pune since 1978
    {"Baroda", "Vadodara", "IN", false},               // renamed Vadodara in 1974
    {"Allahabad", "Prayagraj", "IN", false},           // renamed Prayagraj in 2018
    {"Palghat", "Palakkad", "IN", false},              // English spelling of Palakkad
    {"Cochin", "Kochi", "IN", false},                  // renamed Kochi in 1996
    {"Calicut", "Kozhikode", "IN", false},             // English name of Kozhikode
    {"Cawnpore", "Kanpur", "IN", false},               // British-era spelling
    {"Simla", "Shimla", "IN", false},                  // British-era spelling
    {"Jubbulpore", "Jabalpur", "IN", false},           // British-era spelling
    {"Gauhati", "Guwahati", "IN", false},              // former spelling
    {"Tanjore", "Thanjavur", "IN", false},             // English name of Thanjavur
    {"Trichinopoly", "Tiruchirappalli", "IN", false},  // British-era name
    {"Trichy", "Tiruchirappalli", "IN", false},        // everyday short name
    {"Vizag", "Visakhapatnam", "IN", false},           // everyday short name
    {"Pondicherry", "Puducherry", "IN", false},        // renamed Puducherry in 2006
    {"Thiruvananthapuram", "Trivandrum", "IN", true},  // official name since 1991
    {"Gurugram", "Gurgaon", "IN", true},               // renamed Gurugram in 2016
    {"Mysuru", "Mysore", "IN", true},                  // renamed Mysuru in 2014
    {"Mangaluru", "Mangalore", "IN", true},            // renamed Mangaluru in 2014
    {"Belagavi", "Belgaum", "IN", true},               // renamed Belagavi in 2014
    {"Hubballi", "Hubli", "IN", true},                 // renamed Hubballi in 2014
    // Elsewhere in Asia.
    {"Dacca", "Dhaka", "BD", false},              // spelt Dhaka since 1982
    {"Peking", "Beijing", "CN", false},           // the name before pinyin (1979)
    {"Canton", "Guangzhou", "CN", false},         // the name before pinyin (1979)
    {"Rangoon", "Yangon", "MM", false},           // renamed Yangon in 1989
    {"Saigon", "Ho Chi Minh City", "VN", false},  // renamed in 1976
    {"Astana", "Nur-Sultan", "KZ", true},         // named Astana again in 2022
    {"Constantinople", "Istanbul", "TR", false},  // Istanbul officially since 1930
    // Europe: former names, English and local spellings.
    {"Leningrad", "Saint Petersburg", "RU", false},  // its name 1924 to 1991
    {"Petrograd", "Saint Petersburg", "RU", false},  // its name 1914 to 1924
    {"Kiev", "Kyiv", "UA", false},                   // the spelling from Russian
    {"Lemberg", "Lviv", "UA", false},                // German name, Lwów in Polish
    {"Lwow", "Lviv", "UA", false},                   // Polish name (1919 to 1939)
    {"Cracow", "Krakow", "PL", false},               // English name of Kraków
    {"Danzig", "Gdansk", "PL", false},               // German name before 1945
    {"Breslau", "Wroclaw", "PL", false},             // German name before 1945
    {"Warszawa", "Warsaw", "PL", false},             // Polish name
    {"Pressburg", "Bratislava", "SK", false},        // German name before 1919
    {"Praha", "Prague", "CZ", false},                // Czech name
    {"Wien", "Vienna", "AT", false},                 // German name
    {"Munchen", "Munich", "DE", false},              // German name (München)
    {"Koln", "Cologne", "DE", false},                // German name (Köln)
    {"Roma", "Rome", "IT", false},                   // Italian name
    {"Firenze", "Florence", "IT", false},            // Italian name
    {"Lisboa", "Lisbon", "PT", false},               // Portuguese name
    {"Bruxelles", "Brussels", "BE", false},          // French name
    // The Americas.
    {"New York City", "New York", "US", false},        // the city's full name
    {"NYC", "New York", "US", false},                  // its everyday abbreviation
    {"Washington", "Washington D.C.", "US", false},    // the capital, said without D.C.
    {"Ciudad de Mexico", "Mexico City", "MX", false},  // Spanish name (Ciudad de México)
};

// Sovereign city-states the atlas leaves out. Coordinates to the arc minute and populations
// from GeoNames (Singapore 1880252, Vatican City 6691831).
const std::vector<Place> kCityStates = {
    {"Singapore", "", "Singapore", "SG", "Asia/Singapore", 1.28967, 103.85007, 3547809},
    {"Vatican City", "", "Vatican City", "VA", "Europe/Vatican", 41.90268, 12.45414, 829},
};

// The postal codes of the states of the United States and of its capital's district, with
// the state names the atlas uses.
constexpr std::array<std::pair<std::string_view, std::string_view>, 51> kUsStates = {{
    {"AK", "Alaska"},         {"AL", "Alabama"},
    {"AR", "Arkansas"},       {"AZ", "Arizona"},
    {"CA", "California"},     {"CO", "Colorado"},
    {"CT", "Connecticut"},    {"DC", "District of Columbia"},
    {"DE", "Delaware"},       {"FL", "Florida"},
    {"GA", "Georgia"},        {"HI", "Hawaii"},
    {"IA", "Iowa"},           {"ID", "Idaho"},
    {"IL", "Illinois"},       {"IN", "Indiana"},
    {"KS", "Kansas"},         {"KY", "Kentucky"},
    {"LA", "Louisiana"},      {"MA", "Massachusetts"},
    {"MD", "Maryland"},       {"ME", "Maine"},
    {"MI", "Michigan"},       {"MN", "Minnesota"},
    {"MO", "Missouri"},       {"MS", "Mississippi"},
    {"MT", "Montana"},        {"NC", "North Carolina"},
    {"ND", "North Dakota"},   {"NE", "Nebraska"},
    {"NH", "New Hampshire"},  {"NJ", "New Jersey"},
    {"NM", "New Mexico"},     {"NV", "Nevada"},
    {"NY", "New York"},       {"OH", "Ohio"},
    {"OK", "Oklahoma"},       {"OR", "Oregon"},
    {"PA", "Pennsylvania"},   {"RI", "Rhode Island"},
    {"SC", "South Carolina"}, {"SD", "South Dakota"},
    {"TN", "Tennessee"},      {"TX", "Texas"},
    {"UT", "Utah"},           {"VA", "Virginia"},
    {"VT", "Vermont"},        {"WA", "Washington"},
    {"WI", "Wisconsin"},      {"WV", "West Virginia"},
    {"WY", "Wyoming"},
}};

// The key of a city in the atlas: its folded name and its country code.
using CityKey = std::pair<std::string, std::string>;

}  // namespace

const std::vector<OtherName>& OtherNames() { return kOtherNames; }

const std::vector<Place>& AddedCityStates() { return kCityStates; }

std::string_view UsStateOfCode(std::string_view code) {
  if (code.size() != 2) return {};
  const std::string upper{static_cast<char>(std::toupper(static_cast<unsigned char>(code[0]))),
                          static_cast<char>(std::toupper(static_cast<unsigned char>(code[1])))};
  for (const auto& [postal, state] : kUsStates) {
    if (postal == upper) return state;
  }
  return {};
}

PlaceAtlas AtlasWithOtherNames(std::vector<Place> places) {
  // The most populous city of each name and country.
  std::map<CityKey, std::uint32_t> cities;
  const auto add = [&cities, &places](std::uint32_t index) {
    const Place& place = places[index];
    auto [at, inserted] = cities.try_emplace({FoldForSearch(place.city), place.countryCode}, index);
    if (!inserted && places[at->second].population < place.population) at->second = index;
  };
  for (std::uint32_t i = 0; i < places.size(); ++i) add(i);
  for (const Place& cityState : kCityStates) {
    if (!cities.contains({FoldForSearch(cityState.city), cityState.countryCode})) {
      places.push_back(cityState);
      add(static_cast<std::uint32_t>(places.size() - 1));
    }
  }

  std::vector<PlaceAlias> aliases;
  for (const OtherName& other : kOtherNames) {
    const auto city = cities.find({FoldForSearch(other.atlasCity), std::string(other.countryCode)});
    if (city == cities.end()) continue;
    if (other.current) {
      Place& place = places[city->second];
      aliases.push_back({city->second, place.city});
      place.city = std::string(other.name);
    } else {
      aliases.push_back({city->second, std::string(other.name)});
    }
  }
  return PlaceAtlas(std::move(places), std::move(aliases));
}

}  // namespace velquor
