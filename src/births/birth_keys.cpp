#include "births/birth_keys.h"

namespace velquor {

namespace {

enum class Need { Required, Optional };

// A key of the birth data: its name, the database's column, the entry it is typed in, the
// field the checks name, the member it fills (whose type gives its kind) and whether a
// batch line must give it.
constexpr BirthKey Key(std::string_view name, std::string_view column, std::string_view entry,
                       BirthField field, std::string BirthData::*text, Need need) {
  BirthKey key{name, BirthKeyKind::Text, need == Need::Required, entry, column, field};
  key.text = text;
  return key;
}
constexpr BirthKey Key(std::string_view name, std::string_view column, std::string_view entry,
                       BirthField field, int BirthData::*number, Need need) {
  BirthKey key{name, BirthKeyKind::Number, need == Need::Required, entry, column, field};
  key.number = number;
  return key;
}
constexpr BirthKey Key(std::string_view name, std::string_view column, std::string_view entry,
                       bool BirthData::*flag) {
  BirthKey key{name, BirthKeyKind::Flag, false, entry, column, BirthField::Count};
  key.flag = flag;
  return key;
}
// A key that fills no member of the birth data: its own entry, optional.
constexpr BirthKey Key(std::string_view name, std::string_view column, BirthKeyKind kind) {
  return {name, kind, false, name, column, BirthField::Count};
}

// A choice of the conventions: the member of Conventions it is and the reader of its names,
// then its key, its database column, the text it is given in and the names it takes.
template <auto kMember, auto kNamed>
constexpr ConventionKey Choice(std::string_view key, std::string_view column,
                               std::string ConventionTexts::*text, std::string_view values) {
  return {key,
          column,
          text,
          values,
          [](const Conventions& c) { return NameOf(c.*kMember); },
          [](std::string_view name, Conventions& c) {
            const auto value = kNamed(name);
            if (value) c.*kMember = *value;
            return value.has_value();
          }};
}

constexpr FieldNames NamesByField(const std::array<BirthKey, 20>& keys) {
  FieldNames names{};
  for (const BirthKey& key : keys) {
    if (key.field != BirthField::Count) names[static_cast<std::size_t>(key.field)] = key.key;
  }
  return names;
}

constexpr Need kRequired = Need::Required;
constexpr Need kOptional = Need::Optional;

}  // namespace

// Key, column, entry, field, member and need.
constexpr std::array<BirthKey, 20> kBirthKeys = {{
    Key("name", "name", "name", BirthField::Name, &BirthData::personName, kRequired),
    Key("year", "year", "date", BirthField::Year, &BirthData::yearNumber, kRequired),
    Key("month", "month", "date", BirthField::Month, &BirthData::monthNumber, kRequired),
    Key("day", "day", "date", BirthField::Day, &BirthData::dayNumber, kRequired),
    Key("hour", "hour", "time", BirthField::Hour, &BirthData::hourNumber, kRequired),
    Key("minute", "minute", "time", BirthField::Minute, &BirthData::minuteNumber, kRequired),
    Key("second", "second", "time", BirthField::Second, &BirthData::secondNumber, kOptional),
    Key("zone", "zone", "zone", BirthField::Zone, &BirthData::zoneIndex, kRequired),
    Key("lat_deg", "lat_deg", "lat", BirthField::LatDegrees, &BirthData::latDegrees, kRequired),
    Key("lat_min", "lat_min", "lat", BirthField::LatMinutes, &BirthData::latMinutes, kRequired),
    Key("south", "south", "lat", &BirthData::isSouth),
    Key("lon_deg", "lon_deg", "lon", BirthField::LonDegrees, &BirthData::lonDegrees, kRequired),
    Key("lon_min", "lon_min", "lon", BirthField::LonMinutes, &BirthData::lonMinutes, kRequired),
    Key("east", "east", "lon", &BirthData::isEast),
    Key("dst", "dst", "dst", &BirthData::isDst),
    Key("city", "city", "city", BirthField::City, &BirthData::cityText, kOptional),
    Key("state", "state", "state", BirthField::State, &BirthData::stateText, kOptional),
    Key("country", "country", "country", BirthField::Country, &BirthData::countryText, kOptional),
    Key("conventions", "", BirthKeyKind::Conventions),
    Key("note", "note", BirthKeyKind::Note),
}};

constexpr FieldNames kBatchFieldNames = NamesByField(kBirthKeys);

constexpr std::array<ConventionKey, kConventionChoices> kConventionKeys = {{
    Choice<&Conventions::ephemeris, &EphemerisNamed>(
        "ephemeris", "ephemeris", &ConventionTexts::ephemeris, "classic, precise"),
    Choice<&Conventions::sunrise, &SunriseNamed>("sunrise", "sunrise", &ConventionTexts::sunrise,
                                                 "classic, upper-limb, disc-centre"),
    Choice<&Conventions::pranapadaSun, &PranapadaSunNamed>(
        "pranapada_sun", "pranapada_sun", &ConventionTexts::pranapadaSun, "at-sunrise, at-birth"),
    Choice<&Conventions::afterSunset, &AfterSunsetNamed>("after_sunset", "after_sunset",
                                                         &ConventionTexts::afterSunset,
                                                         "to-next-sunrise, from-sunrise"),
}};

}  // namespace velquor
