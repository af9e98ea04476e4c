// The one list of a birth's fields, and of the choices of its conventions: each key with the
// member it fills. A batch line, an exported JSON Lines file and a CSV header name the
// fields by these keys, the births database stores them in these columns, and the
// command-line tool names its options after their entries.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "births/field_names.h"
#include "chart/birth_data.h"
#include "chart/conventions.h"
#include "chart/validation.h"

namespace velquor {

// How a key's value is written: a whole number, true or false, a text; "conventions" (a
// set's name or the single choices) and "note" (a free text the chart does not read).
enum class BirthKeyKind { Number, Flag, Text, Conventions, Note };

struct BirthKey {
  std::string_view key;
  BirthKeyKind kind = BirthKeyKind::Text;
  bool required = false;  // a batch line and a CSV header must give it
  // The entry the key is typed in: "date" gives year, month and day, "time" hour, minute
  // and second, "lat" and "lon" the degrees, minutes and hemisphere; every other key is an
  // entry of its own. The command-line tool's option of an entry is "--" and its name.
  std::string_view entry;
  // The births database's column; empty for "conventions", whose choices have their own.
  std::string_view column;
  // The field the checks name (BirthField::Count for the flags, conventions and note).
  BirthField field = BirthField::Count;
  // The member the key fills; only the member of its kind is set.
  int BirthData::*number = nullptr;
  bool BirthData::*flag = nullptr;
  std::string BirthData::*text = nullptr;
};

// Every key, in the order the exports write them.
extern const std::array<BirthKey, 20> kBirthKeys;

// The keys by the field the checks name: the words of a batch line's and an import's faults.
extern const FieldNames kBatchFieldNames;

// The conventions as given in texts, a named set and single choices that override it; empty
// means not given.
struct ConventionTexts {
  std::string set;  // "classic" or "modern"
  std::string ephemeris, sunrise, pranapadaSun, afterSunset;
};

// One choice of the conventions.
struct ConventionKey {
  std::string_view key;     // inside "conventions", and in the chart's JSON
  std::string_view column;  // the births database's column
  std::string ConventionTexts::*text;
  std::string_view values;  // the names it takes, for messages: "classic, precise"
  // The name of the choice made in `c` ("upper-limb").
  std::string_view (*nameIn)(const Conventions& c);
  // Makes the choice `name` in `c`; false, `c` unchanged, for a name the choice does not take.
  bool (*choose)(std::string_view name, Conventions& c);
};

inline constexpr std::size_t kConventionChoices = 4;

// The four choices, in the order of the exports.
extern const std::array<ConventionKey, kConventionChoices> kConventionKeys;

}  // namespace velquor
