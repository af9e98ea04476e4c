#include "chart/birth_instant.h"

namespace velquor {

ZoneCorrection ZoneOf(const BirthData& birth) {
  ZoneCorrection zone;
  Zone_Calculation(birth.zoneIndex, zone);
  return zone;
}

LocalDateTime BirthMomentOf(const BirthData& b) {
  return {b.yearNumber, b.monthNumber, b.dayNumber, b.hourNumber, b.minuteNumber, b.secondNumber};
}

BirthData BirthAt(BirthData birth, const LocalDateTime& moment) {
  birth.yearNumber = moment.year;
  birth.monthNumber = moment.month;
  birth.dayNumber = moment.day;
  birth.hourNumber = moment.hour;
  birth.minuteNumber = moment.minute;
  birth.secondNumber = moment.second;
  return birth;
}

GeoPlace GeoPlaceOf(const BirthData& b) {
  double latitude = b.latDegrees + b.latMinutes / 60.0;
  if (b.isSouth) latitude = -latitude;
  double longitude = b.lonDegrees + b.lonMinutes / 60.0;
  if (!b.isEast) longitude = -longitude;
  return {latitude, longitude};
}

SunPlace SunPlaceOf(const BirthData& birth, const ZoneCorrection& zone) {
  const GeoPlace place = GeoPlaceOf(birth);
  double offset = -zone.Hours();
  if (birth.isDst) offset += 1.0;
  return {place.latitude, place.longitude, offset};
}

}  // namespace velquor
