#include "births/birth_keys.h"

namespace velquor {

const std::array<BirthKey, 20> kBirthKeys = {{
    {"name", BirthKeyKind::Text, true, nullptr, nullptr, &BirthData::personName},
    {"year", BirthKeyKind::Number, true, &BirthData::yearNumber},
    {"month", BirthKeyKind::Number, true, &BirthData::monthNumber},
    {"day", BirthKeyKind::Number, true, &BirthData::dayNumber},
    {"hour", BirthKeyKind::Number, true, &BirthData::hourNumber},
    {"minute", BirthKeyKind::Number, true, &BirthData::minuteNumber},
    {"second", BirthKeyKind::Number, false, &BirthData::secondNumber},
    {"zone", BirthKeyKind::Number, true, &BirthData::zoneIndex},
    {"lat_deg", BirthKeyKind::Number, true, &BirthData::latDegrees},
    {"lat_min", BirthKeyKind::Number, true, &BirthData::latMinutes},
    {"south", BirthKeyKind::Flag, false, nullptr, &BirthData::isSouth},
    {"lon_deg", BirthKeyKind::Number, true, &BirthData::lonDegrees},
    {"lon_min", BirthKeyKind::Number, true, &BirthData::lonMinutes},
    {"east", BirthKeyKind::Flag, false, nullptr, &BirthData::isEast},
    {"dst", BirthKeyKind::Flag, false, nullptr, &BirthData::isDst},
    {"city", BirthKeyKind::Text, false, nullptr, nullptr, &BirthData::cityText},
    {"state", BirthKeyKind::Text, false, nullptr, nullptr, &BirthData::stateText},
    {"country", BirthKeyKind::Text, false, nullptr, nullptr, &BirthData::countryText},
    {"conventions", BirthKeyKind::Conventions},
    {"note", BirthKeyKind::Note},
}};

std::array<std::string_view, 4> ConventionChoiceNames(const Conventions& c) {
  return {NameOf(c.ephemeris), NameOf(c.sunrise), NameOf(c.pranapadaSun), NameOf(c.afterSunset)};
}

}  // namespace velquor
