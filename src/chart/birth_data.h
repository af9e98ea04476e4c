// The birth data of one chart, typed: the form reads its boxes and lists into it, the
// command-line tool and the batch build it from numbers.
#pragma once

#include <string>

#include "chart/time_zones.h"

namespace velquor {

// The domain the form's lists and boxes allow.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;
inline constexpr int kMaxLongitudeDegrees = 179;
inline constexpr int kMaxLatitudeDegrees = 89;
inline constexpr int kMaxArcMinutes = 59;

struct BirthData {
  std::string personName;
  int monthNumber = 1;  // 1 (January) .. 12
  int dayNumber = 1;    // 1 .. 31
  int yearNumber = kFirstYear;
  int hourNumber = 0;    // 0 .. 23, local clock time
  int minuteNumber = 0;  // 0 .. 59
  int secondNumber = 0;  // 0 .. 59, used only for the birth moment
  int lonDegrees = 0;    // 0 .. 179
  int lonMinutes = 0;    // 0 .. 59
  int latDegrees = 0;    // 0 .. 89
  int latMinutes = 0;    // 0 .. 59
  bool isEast = true;    // false means West
  bool isSouth = false;  // false means North
  bool isDst = false;    // daylight saving time applied at birth
  std::string cityText;
  std::string stateText;
  std::string countryText;
  int zoneIndex = kDefaultTimeZoneIndex;  // row of the time-zone table

  bool operator==(const BirthData&) const = default;
};

}  // namespace velquor
