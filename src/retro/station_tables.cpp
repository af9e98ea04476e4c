#include "retro/station_tables.h"

#include <stdexcept>

#include "retro/station_rows.h"

namespace velquor {

namespace {

struct NamedTable {
  std::string_view name;
  StationTable rows;
};

constexpr std::array<NamedTable, 8> kTables = {{
    {kStationPlanetNames[0], kMercuryStations},
    {kStationPlanetNames[1], kVenusStations},
    {kStationPlanetNames[2], kMarsStations},
    {kStationPlanetNames[3], kJupiterStations},
    {kStationPlanetNames[4], kSaturnStations},
    {kStationPlanetNames[5], kUranusStations},
    {kStationPlanetNames[6], kNeptuneStations},
    {kStationPlanetNames[7], kPlutoStations},
}};

}  // namespace

StationTable StationTableFor(std::string_view planetName) {
  for (const NamedTable& table : kTables) {
    if (table.name == planetName) return table.rows;
  }
  throw std::invalid_argument("no station table for planet \"" + std::string(planetName) + "\"");
}

std::vector<std::string> StationTableLines(std::string_view planetName) {
  std::vector<std::string> lines;
  for (const StationRow& row : StationTableFor(planetName)) {
    lines.push_back(FormatStation(row.retrograde) + ' ' + FormatStation(row.direct));
  }
  return lines;
}

}  // namespace velquor
