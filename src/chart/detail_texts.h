// The texts of the result window's details frame.
#pragma once

#include <string>

namespace velquor {

struct BirthData;

// The eight texts of the details frame.
struct DetailTexts {
  std::string name;
  std::string dob;        // e.g. March/5/1980
  std::string tob;        // e.g. 5:7
  std::string latitude;   // e.g. 28 36' N
  std::string longitude;  // e.g. 77 12' E
  std::string city;
  std::string state;
  std::string country;
};

// Numbers in plain decimal without leading zeros; the time of birth without its seconds;
// names and places as typed.
DetailTexts MakeDetailTexts(const BirthData& birth);

}  // namespace velquor
