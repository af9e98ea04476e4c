// A few places of the atlas with their real coordinates, zones and populations: a city on
// Indian time and one on Nepal's quarter hour, accents in both names of São Paulo, and two
// Springfields that only their state tells apart.
#pragma once

#include <vector>

#include "places/place_atlas.h"

namespace velquor::test {

inline std::vector<Place> SmallAtlasPlaces() {
  return {
      {"Varanasi", "State of Uttar Pradesh", "India", "IN", "Asia/Kolkata", 25.31668, 83.01041,
       1164404},
      {"Kathmandu", "Bagmati Province", "Nepal", "NP", "Asia/Kathmandu", 27.70169, 85.3206,
       1442271},
      {"São Paulo", "São Paulo", "Brazil", "BR", "America/Sao_Paulo", -23.5475, -46.63611,
       10021295},
      {"Springfield", "Missouri", "United States of America", "US", "America/Chicago", 37.21533,
       -93.29824, 166810},
      {"Springfield", "Massachusetts", "United States of America", "US", "America/New_York",
       42.10148, -72.58981, 154341},
  };
}

}  // namespace velquor::test
