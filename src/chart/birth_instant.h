// What the engine steps read of the birth data: the instant and the place, in the form
// each step takes them.
#pragma once

#include "astro/date_time.h"
#include "astro/sunrise.h"
#include "astro/universal_time.h"
#include "chart/birth_data.h"
#include "chart/time_zones.h"

namespace velquor {

// The signed correction of the birth's time-zone row.
ZoneCorrection ZoneOf(const BirthData& birth);

// The typed date and clock time, seconds included, with no zone or daylight correction.
LocalDateTime BirthMomentOf(const BirthData& birth);

// The same birth with its date and clock time (seconds included) replaced by `moment`.
BirthData BirthAt(BirthData birth, const LocalDateTime& moment);

// Latitude and longitude in decimal degrees, North and East positive.
GeoPlace GeoPlaceOf(const BirthData& birth);

// The sunrise routine's place and clock: East positive, and the clock's offset east of
// Greenwich; a ticked daylight box adds its hour on every day, as the user gave it.
SunPlace SunPlaceOf(const BirthData& birth, const ZoneCorrection& zone);

}  // namespace velquor
