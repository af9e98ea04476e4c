// Birth data written in the order the command line reads it: name, date, time, zone row,
// latitude, longitude, daylight saving, place names.
#pragma once

#include <string>

#include "chart/birth_data.h"

namespace velquor::test {

inline BirthData BirthOf(std::string name, int year, int month, int day, int hour, int minute,
                         int second, int zone, int latDeg, int latMin, bool south, int lonDeg,
                         int lonMin, bool east, bool dst, std::string city, std::string state,
                         std::string country) {
  BirthData b;
  b.personName = std::move(name);
  b.yearNumber = year;
  b.monthNumber = month;
  b.dayNumber = day;
  b.hourNumber = hour;
  b.minuteNumber = minute;
  b.secondNumber = second;
  b.zoneIndex = zone;
  b.latDegrees = latDeg;
  b.latMinutes = latMin;
  b.isSouth = south;
  b.lonDegrees = lonDeg;
  b.lonMinutes = lonMin;
  b.isEast = east;
  b.isDst = dst;
  b.cityText = std::move(city);
  b.stateText = std::move(state);
  b.countryText = std::move(country);
  return b;
}

}  // namespace velquor::test
