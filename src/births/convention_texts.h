// The conventions read from texts: a named set and single choices that override it, as a
// batch line's "conventions" or a front end's options give them (ConventionTexts,
// birth_keys.h).
#pragma once

#include <array>
#include <string>

#include "births/birth_keys.h"
#include "chart/conventions.h"

namespace velquor {

// How a front end names the set and each choice in its messages, the choices in the order
// of kConventionKeys.
struct ConventionNames {
  std::string set;
  std::array<std::string, kConventionChoices> choices;
};

// A batch line's: "conventions", "conventions.ephemeris" …
const ConventionNames& ConventionBatchNames();

// The set (classic when none is given) with each given choice put in its place.
// Throws InputError naming the option or key of an unknown value, and listing the known ones.
Conventions ConventionsOfTexts(const ConventionTexts& texts, const ConventionNames& names);

// Whether `texts` give a set or any choice at all.
bool AnyConventionGiven(const ConventionTexts& texts);

}  // namespace velquor
