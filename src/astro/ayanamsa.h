// The ayanamsa of the ascendant and the planets: the precession of the equinox from the
// sidereal zodiac's starting point.
#pragma once

namespace velquor {

// Minus the ayanamsa in degrees (a negative number), so that tropical + result = sidereal.
// Given: T, Julian centuries from JD 2415020.0 (1900 January 0.5).
// Returned: about -22.4663 at T = 0 and -23.8540 at T = 1.
double AyanamsaCorrection(double T);

}  // namespace velquor
