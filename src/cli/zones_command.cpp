#include "cli/zones_command.h"

#include <cstdio>

#include "chart/time_zones.h"
#include "cli/command_io.h"

namespace velquor {

namespace {

int PrintZones(const CommandStreams& streams) {
  char row[128];
  std::snprintf(row, sizeof row, "%5s %5s %7s  %s\n", "Index", "Hours", "Minutes", "Label");
  streams.out << row;
  const auto& table = TimeZoneTable();
  for (std::size_t index = 0; index < table.size(); ++index) {
    const TimeZoneRow& zone = table[index];
    std::snprintf(row, sizeof row, "%5zu %5d %7d  %.*s\n", index, zone.zoneHours, zone.zoneMinutes,
                  static_cast<int>(zone.label.size()), zone.label.data());
    streams.out << row;
  }
  return FinishOutput(streams.out, streams.err);
}

}  // namespace

std::unique_ptr<Command> MakeZonesCommand() {
  return PlainCommand("zones", "List the time-zone rows", &PrintZones);
}

}  // namespace velquor
