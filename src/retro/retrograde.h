// Retrograde motion on a birth date, looked up in the station tables, and the retrograde
// marks of the chart names.
#pragma once

#include <string_view>

#include "astro/date_time.h"

namespace velquor {

struct ChartContext;

// True when the planet was retrograde on the calendar day of `birth`: strictly after the
// day of a retrograde station and strictly before the day of the following direct
// station. Only the date counts; the time of day of the birth and of the stations plays
// no part, so both station days count as not retrograde. Dates outside the planet's
// table are never retrograde. `planetName` is one of kStationPlanetNames; any other name
// throws std::invalid_argument.
bool IsRetrograde(const LocalDateTime& birth, std::string_view planetName);

// Rewrites chart.ChartNames with the ten plain names and appends " (R) " to each of
// Mercury .. Saturn that was retrograde on the birth date. Reads the birth month, day,
// year, hour and minute as entered, with no zone or daylight-saving conversion.
void MarkRetrogrades(ChartContext& chart);

}  // namespace velquor
