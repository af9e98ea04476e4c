// The conventions a chart is counted by. Programs of different schools agree on the
// Pranapada's formula and differ in these four choices; the classic set is this program's
// own and its default, and every result says which set it used.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velquor {

// Where the positions come from: the classic almanac formulas, or the Swiss Ephemeris
// (sidereal Lahiri, at the birth instant to the second).
enum class EphemerisConvention { Classic, Precise };

// Which sunrise the count starts from: the classic almanac routine; the Sun's upper edge
// with standard refraction, computed precisely; or the Sun's centre without refraction,
// the Hindu definition.
enum class SunriseConvention { Classic, UpperLimb, DiscCentre };

// Which Sun the Pranapada is counted from: the Sun at the reference sunrise, or at birth.
enum class PranapadaSunConvention { AtSunrise, AtBirth };

// A birth after sunset: counted to the next sunrise, or from the day's own sunrise onward
// through the night.
enum class AfterSunsetConvention { ToNextSunrise, FromSunrise };

struct Conventions {
  EphemerisConvention ephemeris = EphemerisConvention::Classic;
  SunriseConvention sunrise = SunriseConvention::Classic;
  PranapadaSunConvention pranapadaSun = PranapadaSunConvention::AtSunrise;
  AfterSunsetConvention afterSunset = AfterSunsetConvention::ToNextSunrise;

  bool operator==(const Conventions&) const = default;
};

// The named sets: "classic" (the default) and "modern" (precise, disc-centre, at-birth,
// from-sunrise: what today's Vedic programs do).
Conventions ClassicConventions();
Conventions ModernConventions();
std::optional<Conventions> ConventionsNamed(std::string_view name);

// The name of the set `c` equals, or nothing for a mixture.
std::optional<std::string_view> SetNameOf(const Conventions& c);

// Each choice's name, as options, batch keys and JSON write it: "classic", "precise";
// "classic", "upper-limb", "disc-centre"; "at-sunrise", "at-birth"; "to-next-sunrise",
// "from-sunrise". The readers give nothing for an unknown name.
std::string_view NameOf(EphemerisConvention value);
std::string_view NameOf(SunriseConvention value);
std::string_view NameOf(PranapadaSunConvention value);
std::string_view NameOf(AfterSunsetConvention value);
std::optional<EphemerisConvention> EphemerisNamed(std::string_view name);
std::optional<SunriseConvention> SunriseNamed(std::string_view name);
std::optional<PranapadaSunConvention> PranapadaSunNamed(std::string_view name);
std::optional<AfterSunsetConvention> AfterSunsetNamed(std::string_view name);

// One line for a result: "Conventions: classic (classic ephemeris, classic sunrise, Sun at
// sunrise, after sunset to the next sunrise)", the set's name first when it has one, and
// "not the classic set" said for any other.
std::string ConventionsLine(const Conventions& c);

}  // namespace velquor
