// The conventions as the command-line tool takes them: a named set and single choices
// that override it, from options or from a batch line's "conventions".
#pragma once

#include <string>
#include <string_view>

#include "chart/conventions.h"

namespace velquor {

// Texts as given; empty means not given.
struct ConventionTexts {
  std::string set;  // "classic" or "modern"
  std::string ephemeris, sunrise, pranapadaSun, afterSunset;
};

// How the front end names each text: options ("--sunrise") or batch keys ("sunrise").
struct ConventionNames {
  std::string_view set, ephemeris, sunrise, pranapadaSun, afterSunset;
};

inline constexpr ConventionNames kConventionOptionNames = {
    "--conventions", "--ephemeris", "--sunrise", "--pranapada-sun", "--after-sunset"};
inline constexpr ConventionNames kConventionBatchNames = {
    "conventions", "conventions.ephemeris", "conventions.sunrise", "conventions.pranapada_sun",
    "conventions.after_sunset"};

// The set (classic when none is given) with each given choice put in its place.
// Throws InputError naming the option or key of an unknown value, and listing the known ones.
Conventions ConventionsOfTexts(const ConventionTexts& texts, const ConventionNames& names);

}  // namespace velquor
