// The keys of a birth in the exchange formats: a batch line, an exported JSON Lines file and
// the header row of a CSV file all name the birth data's fields by these keys.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "births/convention_options.h"
#include "chart/birth_data.h"

namespace velquor {

// How a key's value is written: a whole number, true or false, a text; "conventions" (a
// set's name or the single choices) and "note" (a free text the chart does not read).
enum class BirthKeyKind { Number, Flag, Text, Conventions, Note };

struct BirthKey {
  std::string_view key;
  BirthKeyKind kind;
  bool required = false;
  // The field the key fills; only the member of its kind is set.
  int BirthData::*number = nullptr;
  bool BirthData::*flag = nullptr;
  std::string BirthData::*text = nullptr;
};

// Every key, in the order the exports write them.
extern const std::array<BirthKey, 20> kBirthKeys;

// The keys of the single choices of "conventions", with the text each fills.
struct ConventionKey {
  std::string_view key;
  std::string ConventionTexts::*text;
};
inline constexpr std::array<ConventionKey, 4> kConventionKeys = {{
    {"ephemeris", &ConventionTexts::ephemeris},
    {"sunrise", &ConventionTexts::sunrise},
    {"pranapada_sun", &ConventionTexts::pranapadaSun},
    {"after_sunset", &ConventionTexts::afterSunset},
}};

// The names of the four choices of `c`, in the order of kConventionKeys.
std::array<std::string_view, 4> ConventionChoiceNames(const Conventions& c);

}  // namespace velquor
