#include "cli/chart_json.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "births/birth_keys.h"
#include "pranapada/pranapada_lagna.h"
#include "text/json_text.h"

namespace velquor {

namespace {

// A comma unless the value opens its object or array.
void Separate(std::string& out) {
  const char last = out.back();
  if (last != '{' && last != '[') out += ',';
}

template <std::size_t N>
void StringArray(std::string& out, std::string_view key, const std::array<std::string, N>& items) {
  AppendJsonKey(out, key);
  out += '[';
  for (const std::string& item : items) {
    Separate(out);
    AppendJsonString(out, item);
  }
  out += ']';
}

char* TwoDigits(char* at, int value) {
  *at++ = static_cast<char>('0' + value / 10);
  *at++ = static_cast<char>('0' + value % 10);
  return at;
}

// A quoted date-time as FormatMinute ("YYYY-MM-DD HH:MM") or FormatSecond (with ":SS")
// writes it, without printf: eight of them are a good part of the cost of a batch line.
void DateTime(std::string& out, const LocalDateTime& t, bool withSeconds) {
  const auto twoDigits = [](int value) { return value >= 0 && value <= 99; };
  const bool plain = t.year >= 0 && t.year <= 9999 && twoDigits(t.month) && twoDigits(t.day) &&
                     twoDigits(t.hour) && twoDigits(t.minute) && twoDigits(t.second);
  if (!plain) {
    AppendJsonString(out, withSeconds ? FormatSecond(t) : FormatMinute(t));
    return;
  }
  char buffer[24];
  char* end = buffer;
  *end++ = '"';
  end = TwoDigits(end, t.year / 100);
  end = TwoDigits(end, t.year % 100);
  *end++ = '-';
  end = TwoDigits(end, t.month);
  *end++ = '-';
  end = TwoDigits(end, t.day);
  *end++ = ' ';
  end = TwoDigits(end, t.hour);
  *end++ = ':';
  end = TwoDigits(end, t.minute);
  if (withSeconds) {
    *end++ = ':';
    end = TwoDigits(end, t.second);
  }
  *end++ = '"';
  out.append(buffer, end);
}

void OptionalMinute(std::string& out, const std::optional<LocalDateTime>& moment) {
  Separate(out);
  if (moment) {
    DateTime(out, *moment, false);
  } else {
    out += "null";
  }
}

void SunDayPair(std::string& out, std::string_view key, const SunDay& day) {
  AppendJsonKey(out, key);
  out += '[';
  OptionalMinute(out, day.sunrise);
  OptionalMinute(out, day.sunset);
  out += ']';
}

void Zone(std::string& out, const ChartResult& chart) {
  AppendJsonKey(out, "zone");
  out += '{';
  AppendJsonKey(out, "index");
  AppendJsonInteger(out, chart.zoneIndex);
  AppendJsonKey(out, "label");
  AppendJsonString(out, TimeZoneTable().at(static_cast<std::size_t>(chart.zoneIndex)).label);
  AppendJsonKey(out, "hours");
  AppendJsonInteger(out, chart.zone.ZoneHours);
  AppendJsonKey(out, "minutes");
  AppendJsonInteger(out, chart.zone.ZoneMinutes);
  out += '}';
}

void Ascendant(std::string& out, const AscendantResult& ascendant) {
  AppendJsonKey(out, "ascendant");
  out += '{';
  AppendJsonKey(out, "ayanamsa_offset");
  AppendJsonDouble(out, ascendant.AyanamsaOffset);
  AppendJsonKey(out, "sidereal");
  AppendJsonDouble(out, ascendant.AscendantSidereal);
  AppendJsonKey(out, "degree");
  AppendJsonInteger(out, ascendant.AscendantDegree);
  AppendJsonKey(out, "text");
  AppendJsonString(out, ascendant.AscendantText);
  out += '}';
}

void Moon(std::string& out, const MoonResult& moon) {
  AppendJsonKey(out, "moon");
  out += '{';
  AppendJsonKey(out, "sidereal");
  AppendJsonDouble(out, moon.MoonSidereal);
  AppendJsonKey(out, "text");
  AppendJsonString(out, moon.MoonText);
  AppendJsonKey(out, "nakshatra_start");
  AppendJsonDouble(out, moon.MoonNakshatraStart);
  out += '}';
}

// The numbers of the position texts, by body name.
void Longitudes(std::string& out, const std::array<double, 10>& longitudes) {
  static constexpr std::array<std::string_view, 10> kBodies = {
      "sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "rahu", "ketu", "ascendant"};
  AppendJsonKey(out, "longitudes");
  out += '{';
  for (std::size_t body = 0; body < kBodies.size(); ++body) {
    AppendJsonKey(out, kBodies[body]);
    AppendJsonDouble(out, longitudes[body]);
  }
  out += '}';
}

void Pranapada(std::string& out, const PranapadaResult& pranapada, std::string_view sunText) {
  AppendJsonKey(out, "pranapada");
  out += '{';
  AppendJsonKey(out, "signs");
  AppendJsonInteger(out, pranapada.Signs);
  AppendJsonKey(out, "degrees");
  AppendJsonInteger(out, pranapada.Degrees);
  AppendJsonKey(out, "minutes");
  AppendJsonInteger(out, pranapada.Minutes);
  AppendJsonKey(out, "sign");
  AppendJsonInteger(out, pranapada.PpLSign);
  AppendJsonKey(out, "house");
  AppendJsonInteger(out, pranapada.House);
  AppendJsonKey(out, "longitude");
  AppendJsonDouble(out, PranapadaLongitude(sunText, pranapada));
  out += '}';
}

void StringMember(std::string& out, std::string_view key, std::string_view value) {
  AppendJsonKey(out, key);
  AppendJsonString(out, value);
}

void Details(std::string& out, const DetailTexts& details) {
  AppendJsonKey(out, "details");
  out += '{';
  StringMember(out, "name", details.name);
  StringMember(out, "dob", details.dob);
  StringMember(out, "tob", details.tob);
  StringMember(out, "latitude", details.latitude);
  StringMember(out, "longitude", details.longitude);
  StringMember(out, "city", details.city);
  StringMember(out, "state", details.state);
  StringMember(out, "country", details.country);
  out += '}';
}

void ConventionsMember(std::string& out, const Conventions& c) {
  AppendJsonKey(out, "conventions");
  out += '{';
  for (const ConventionKey& choice : kConventionKeys)
    StringMember(out, choice.key, choice.nameIn(c));
  out += '}';
}

}  // namespace

void AppendChartJson(std::string& out, const ChartResult& chart) {
  out += '{';
  Zone(out, chart);
  Ascendant(out, chart.ascendant);
  Moon(out, chart.moon);
  StringArray(out, "positions", chart.PositionTexts);
  Longitudes(out, chart.longitudes);
  StringArray(out, "chart_names", chart.ChartNames);
  AppendJsonKey(out, "asc_sign");
  AppendJsonInteger(out, chart.AscSign);
  StringArray(out, "sign_cells", chart.SignCells);
  StringArray(out, "special_cells", chart.SpecialCells);

  AppendJsonKey(out, "sunrise");
  out += '{';
  SunDayPair(out, "previous", chart.sunDays[0]);
  SunDayPair(out, "birth_day", chart.sunDays[1]);
  SunDayPair(out, "next", chart.sunDays[2]);
  out += '}';

  AppendJsonKey(out, "birth_moment");
  DateTime(out, chart.BirthMoment, true);
  AppendJsonKey(out, "reference_sunrise");
  DateTime(out, chart.ReferenceSunrise, true);
  AppendJsonKey(out, "elapsed_seconds");
  AppendJsonInteger(out, chart.ElapsedSeconds);
  AppendJsonKey(out, "elapsed_minutes");
  AppendJsonInteger(out, chart.ElapsedMinutes);
  AppendJsonKey(out, "sun_at_sunrise");
  AppendJsonDouble(out, chart.SunAtSunrise);
  StringMember(out, "sun_at_sunrise_text", chart.SunAtSunriseText);
  StringArray(out, "sunrise_positions", chart.SunrisePositionTexts);
  Pranapada(out, chart.pranapada, chart.SunAtSunriseText);
  StringMember(out, "house_text", chart.HouseText);
  AppendJsonKey(out, "dst");
  AppendJsonBool(out, chart.dst);
  Details(out, chart.details);
  ConventionsMember(out, chart.conventions);
  out += '}';
}

}  // namespace velquor
