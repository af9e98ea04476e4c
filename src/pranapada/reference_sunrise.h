// The sunrise from which a birth's Pranapada time is counted, and the time elapsed.
#pragma once

#include <cstdint>

#include "astro/date_time.h"

namespace velquor {

// The day D of the birth date, or its neighbour whose sunrise starts the count.
enum class ReferenceDay { Previous, Birth, Next };

// How a birth after sunset is counted: to the next sunrise, or from the day's own sunrise
// onward through the night.
enum class NightCount { ToNextSunrise, FromSunrise };

// Birth in the daylight of D, sunrise(D) <= birth <= sunset(D): D itself; before
// sunrise(D): D − 1; after sunset(D): D + 1, or D itself when counted from sunrise. The
// bounds count as daylight.
ReferenceDay ReferenceDayOf(const LocalDateTime& birth, const LocalDateTime& sunriseD,
                            const LocalDateTime& sunsetD,
                            NightCount night = NightCount::ToNextSunrise);

struct ElapsedTime {
  std::int64_t seconds = 0;  // whole seconds, never negative
  std::int64_t minutes = 0;  // minute boundaries crossed (both ends cut to the minute)
};

// Time between the reference sunrise and the birth, in either direction. A birth after
// sunset counts the time still to go to the next sunrise; where a clock far from its sun
// puts the birth after that sunrise too, the birth lies in the next day's daylight and the
// count runs forward from it, as for any day birth.
ElapsedTime ElapsedBetween(const LocalDateTime& referenceSunrise, const LocalDateTime& birth);

}  // namespace velquor
