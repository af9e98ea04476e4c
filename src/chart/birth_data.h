// The typed birth data of one chart, copied from the form (or the command line) at the
// start of a chart run.
#pragma once

#include <string>

namespace velquor {

struct BirthData {
  std::string personName;
  int monthNumber = 1;   // 1 (January) .. 12
  int dayNumber = 1;     // 1 .. 31
  int yearNumber = 1901; // 1901 .. 2050
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
};

}  // namespace velquor
