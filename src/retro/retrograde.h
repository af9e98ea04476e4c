// Retrograde motion on a birth date, looked up in the station tables, and the retrograde
// marks of the chart names.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "astro/date_time.h"

namespace velquor {

// True when the planet was retrograde on the calendar day of `birth`: strictly after the
// day of a retrograde station and strictly before the day of the following direct
// station. Only the date counts; the time of day of the birth and of the stations plays
// no part, so both station days count as not retrograde. Dates outside the planet's
// table are never retrograde. `planetName` is one of kStationPlanetNames; any other name
// throws std::invalid_argument.
bool IsRetrograde(const LocalDateTime& birth, std::string_view planetName);

// The ten chart names in body order (Sun, Moon, Mercury .. Saturn, Rahu, Ketu, Asc), with
// " (R) " after each of Mercury .. Saturn that was retrograde on the birth date. The date is
// the local one as entered, with no zone or daylight-saving conversion.
std::array<std::string, 10> MarkRetrogrades(const LocalDateTime& birth);

}  // namespace velquor
