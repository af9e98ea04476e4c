// The sidereal ascendant of the birth moment.
#pragma once

#include <string>

#include "astro/universal_time.h"

namespace velquor {

struct AscendantResult {
  double AyanamsaOffset = 0.0;     // minus the ayanamsa of the birth moment, degrees
  double AscendantSidereal = 0.0;  // degrees, 0..360
  int AscendantDegree = 0;         // floor(AscendantSidereal)
  std::string AscendantText;       // FormatLongitude(AscendantSidereal)
};

// Given: the birth instant (local civil date and clock time, seconds unused, with its
// correction to universal time) and the place.
// Returned: the ayanamsa of the birth moment, the sidereal ascendant in degrees 0..360, its
// whole degrees and its long position text.
// Notes: longitude counts positive to the West inside this routine. Universal time may
// fall outside 0..24 h; the Julian day of the local date stays, and T carries the overflow.
AscendantResult ComputeAscendant(const LocalInstant& birth, const GeoPlace& place);

// ComputeAscendant(birth, place).AscendantSidereal alone, without its text. The clock's
// minute and hoursToUniversal fix the instant: a fraction of an hour added to
// hoursToUniversal reads the formulas between the minutes.
double AscendantSiderealOf(const LocalInstant& birth, const GeoPlace& place);

}  // namespace velquor
