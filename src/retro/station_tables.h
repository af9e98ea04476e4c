// The built-in tables of retrograde periods of Mercury .. Pluto, 1899 to 2051.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "retro/station.h"

namespace velquor {

// One planet's retrograde periods, oldest first. In every table each retrograde station
// lies before its direct station, and each direct station before the next row's
// retrograde station.
using StationTable = std::span<const StationRow>;

// The planets that have a table, in the order of their tables.
inline constexpr std::array<std::string_view, 8> kStationPlanetNames = {
    "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

// The table of the planet whose name matches one of kStationPlanetNames exactly
// (case-sensitive). Throws std::invalid_argument for any other name.
StationTable StationTableFor(std::string_view planetName);

// The planet's table as text, one line per row: the retrograde station, a blank and the
// direct station, each in the form "3,15,1900,13,19,". Throws like StationTableFor.
std::vector<std::string> StationTableLines(std::string_view planetName);

}  // namespace velquor
