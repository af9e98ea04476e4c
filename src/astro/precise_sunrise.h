// Local sunrise and sunset of a civil date from the Swiss Ephemeris (apparent Sun, data
// files as in precise_ephemeris.h), for either definition of the horizon crossing.
#pragma once

#include "astro/sunrise.h"

namespace velquor {

// Which point of the Sun crosses the horizon.
enum class SunDisc {
  UpperLimb,   // the Sun's upper edge, with standard atmospheric refraction (the almanac sunrise)
  DiscCentre,  // the centre of the disc on the true horizon, no refraction (the Hindu sunrise)
};

// Sunrise and sunset of the civil date (month 1..12, day, year) at `place`.
//
// Returned: each event either occurs, with its local clock date-time, or does not happen
// during this date and says whether the Sun stays up or down. Callers must not assume that
// both events always occur.
// Notes:
//  1. An event belongs to the date when it happens during the local civil day, from local
//     midnight (universal time = date 00:00 - place.zoneOffset) up to the next local
//     midnight. Near the poles, and where the clock runs far from solar time, one event or
//     both may fall outside the day.
//  2. Times are rounded to the nearest second; the rounded time still lies within the date.
//  3. An event that does not happen is SunStaysUp when the Sun culminates above the rising
//     altitude that day, SunStaysDown otherwise (see the .cpp).
//  4. Sea level, the library's definitions: the crossing as seen from the place (the
//     Sun's parallax counted); for the upper limb the semi-diameter of the day's distance
//     and 36.7′ of refraction (1013.25 hPa, 0 °C). Times agree within 2 s with the
//     library's own rise and set search (with its sampling method where its quicker one
//     strays, near 65° around the June solstice). The UpperLimb sunrise
//     comes before the DiscCentre one, and its sunset after: by 3.5 minutes at the equator
//     at the equinox, 4 to 5.5 minutes between 28 and 41 degrees of latitude, up to 7.5
//     at 51 degrees.
//  5. About 25 µs a date at any latitude (the library's search takes 45 µs an event, 1 ms
//     within the polar circles); the next or previous date of the same place costs less on
//     the same thread, which keeps the Sun's position at the midnight they share.
// Throws: EphemerisUnavailable when the data files cannot be used; std::invalid_argument
// for a date that is not a Gregorian day or a latitude outside -90..90.
SunRiseSet ComputePreciseSunRiseSet(int month, int day, int year, const SunPlace& place,
                                    SunDisc disc);

}  // namespace velquor
