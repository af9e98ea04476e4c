// The Pranapada Lagna: two degrees of arc for every vighati (24 s) since the reference
// sunrise, counted from the Sun at that sunrise and shifted by the kind of the Sun's sign.
#pragma once

#include <cstdint>
#include <string_view>

namespace velquor {

struct PranapadaResult {
  int Signs = 0;    // whole signs of arc, carries included
  int Degrees = 0;  // 0..29
  int Minutes = 0;  // 0..59
  int PpLSign = 1;  // 1 (Aries) .. 12 (Pisces)
  int House = 1;    // 1..12, counted from the ascendant's sign
};

// Splits x signs of arc (its absolute value) into whole Signs, Degrees and Minutes of
// `result`, each part taken by floor.
void Vighati2Degree(double x, PranapadaResult& result);

// Given: sunAtSunriseText, the Sun at the reference sunrise as a short position text
// ("16 Sag 31"); elapsedSeconds >= 0 since (or to) that sunrise; ascSign 1..12.
// Returned: the arc (ten signs per hour), PpLSign and House (the ascendant's sign is
// house 1, the sign before it house 12).
// Notes: only the carries of the Sun's minutes and degrees into the arc move the sign;
// the summed degrees and minutes themselves are not kept. A movable Sun sign adds its own
// index, a fixed one its index + 8, a dual one its index + 4.
// Throws std::invalid_argument for a text that is not a short position text.
PranapadaResult ComputePranapadaLagna(std::string_view sunAtSunriseText,
                                      std::int64_t elapsedSeconds, int ascSign);

// The Pranapada Lagna's longitude in degrees (0 <= x < 360), to the arc minute: its sign
// (result.PpLSign), then the Sun's degrees and minutes plus the arc's, each carried.
// Given: the Sun's short position text and the result ComputePranapadaLagna made of it.
double PranapadaLongitude(std::string_view sunAtSunriseText, const PranapadaResult& result);

}  // namespace velquor
