// The Moon's sidereal longitude and the start of its nakshatra.
#pragma once

#include <string>

#include "astro/universal_time.h"

namespace velquor {

struct MoonResult {
  double MoonSidereal = 0.0;        // degrees, 0 <= x < 360
  std::string MoonText;             // FormatLongitude(MoonSidereal)
  double MoonNakshatraStart = 0.0;  // degrees, a 13.33-step table entry
};

// Given: the birth instant (local civil date and clock time, seconds unused, with its
// correction to universal time).
// Returned: the Moon's sidereal longitude in degrees (0 <= x < 360), its long position text
// and the start of its nakshatra.
// Notes: the mean arguments are linear in T only; the Moon carries its own ayanamsa, which
// differs from the ascendant's in polynomial and time argument.
MoonResult ComputeMoon(const LocalInstant& birth);

// ComputeMoon(birth).MoonSidereal alone, without its text.
double MoonSiderealOf(const LocalInstant& birth);

// The start of the nakshatra a sidereal Moon (degrees, 0..360) stands in: an entry of the
// 13.33-step table, the index counted in exact widths of 800 arc minutes.
double NakshatraStartOf(double moonSidereal);

}  // namespace velquor
