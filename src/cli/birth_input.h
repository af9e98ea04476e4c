// The birth entry as numbers, the common ground of the chart options and the batch lines;
// MakeChartRequest (chart_request.h) checks it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velquor {

struct BirthInput {
  std::string name;
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int zoneIndex = 0;  // row of the time-zone table
  int latDegrees = 0;
  int latMinutes = 0;
  bool south = false;
  int lonDegrees = 0;
  int lonMinutes = 0;
  bool east = true;
  bool dst = false;
  std::string city, state, country;

  bool operator==(const BirthInput&) const = default;
};

// The fields a check can name, so that each front end can say them in its own words.
enum class InputField : std::size_t {
  Name, Year, Month, Day, Hour, Minute, Second, Zone, LatDegrees, LatMinutes, LonDegrees,
  LonMinutes, Count
};

// What the user calls each InputField, indexed by it.
using FieldNames = std::array<std::string_view, static_cast<std::size_t>(InputField::Count)>;

}  // namespace velquor
