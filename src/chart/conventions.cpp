#include "chart/conventions.h"

#include <array>
#include <utility>

namespace velquor {

namespace {

template <typename Value, std::size_t N>
using NameTable = std::array<std::pair<Value, std::string_view>, N>;

constexpr NameTable<EphemerisConvention, 2> kEphemerisNames = {
    {{EphemerisConvention::Classic, "classic"}, {EphemerisConvention::Precise, "precise"}}};
constexpr NameTable<SunriseConvention, 3> kSunriseNames = {
    {{SunriseConvention::Classic, "classic"},
     {SunriseConvention::UpperLimb, "upper-limb"},
     {SunriseConvention::DiscCentre, "disc-centre"}}};
constexpr NameTable<PranapadaSunConvention, 2> kPranapadaSunNames = {
    {{PranapadaSunConvention::AtSunrise, "at-sunrise"},
     {PranapadaSunConvention::AtBirth, "at-birth"}}};
constexpr NameTable<AfterSunsetConvention, 2> kAfterSunsetNames = {
    {{AfterSunsetConvention::ToNextSunrise, "to-next-sunrise"},
     {AfterSunsetConvention::FromSunrise, "from-sunrise"}}};

template <typename Value, std::size_t N>
std::string_view NameIn(const NameTable<Value, N>& table, Value value) {
  for (const auto& [known, name] : table) {
    if (known == value) return name;
  }
  return {};
}

template <typename Value, std::size_t N>
std::optional<Value> ValueIn(const NameTable<Value, N>& table, std::string_view name) {
  for (const auto& [value, known] : table) {
    if (known == name) return value;
  }
  return std::nullopt;
}

// The choices in words, for the result's line.
std::string InWords(const Conventions& c) {
  std::string words = c.ephemeris == EphemerisConvention::Precise ? "precise ephemeris (Swiss "
                                                                    "Ephemeris, Lahiri)"
                                                                  : "classic ephemeris";
  switch (c.sunrise) {
    case SunriseConvention::Classic:
      words += ", classic sunrise";
      break;
    case SunriseConvention::UpperLimb:
      words += ", sunrise of the Sun's upper edge";
      break;
    case SunriseConvention::DiscCentre:
      words += ", sunrise of the Sun's centre";
      break;
  }
  words +=
      c.pranapadaSun == PranapadaSunConvention::AtBirth ? ", Sun at birth" : ", Sun at sunrise";
  words += c.afterSunset == AfterSunsetConvention::FromSunrise
               ? ", after sunset from sunrise"
               : ", after sunset to the next sunrise";
  return words;
}

}  // namespace

Conventions ClassicConventions() { return {}; }

Conventions ModernConventions() {
  return {EphemerisConvention::Precise, SunriseConvention::DiscCentre,
          PranapadaSunConvention::AtBirth, AfterSunsetConvention::FromSunrise};
}

std::optional<Conventions> ConventionsNamed(std::string_view name) {
  if (name == "classic") return ClassicConventions();
  if (name == "modern") return ModernConventions();
  return std::nullopt;
}

std::optional<std::string_view> SetNameOf(const Conventions& c) {
  if (c == ClassicConventions()) return "classic";
  if (c == ModernConventions()) return "modern";
  return std::nullopt;
}

std::string_view NameOf(EphemerisConvention value) { return NameIn(kEphemerisNames, value); }
std::string_view NameOf(SunriseConvention value) { return NameIn(kSunriseNames, value); }
std::string_view NameOf(PranapadaSunConvention value) { return NameIn(kPranapadaSunNames, value); }
std::string_view NameOf(AfterSunsetConvention value) { return NameIn(kAfterSunsetNames, value); }

std::optional<EphemerisConvention> EphemerisNamed(std::string_view name) {
  return ValueIn(kEphemerisNames, name);
}
std::optional<SunriseConvention> SunriseNamed(std::string_view name) {
  return ValueIn(kSunriseNames, name);
}
std::optional<PranapadaSunConvention> PranapadaSunNamed(std::string_view name) {
  return ValueIn(kPranapadaSunNames, name);
}
std::optional<AfterSunsetConvention> AfterSunsetNamed(std::string_view name) {
  return ValueIn(kAfterSunsetNames, name);
}

std::string ConventionsLine(const Conventions& c) {
  const std::optional<std::string_view> set = SetNameOf(c);
  std::string line = "Conventions: ";
  if (set) {
    line += std::string(*set) + " (" + InWords(c) + ")";
  } else {
    line += InWords(c);
  }
  if (c != ClassicConventions()) line += "; not the classic set";
  return line;
}

}  // namespace velquor
