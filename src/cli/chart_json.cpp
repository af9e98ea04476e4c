#include "cli/chart_json.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "astro/position_text.h"
#include "astro/vargas.h"
#include "births/birth_keys.h"
#include "chart/varga_chart.h"
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

// The numbers of the position texts, by body name.
void Longitudes(std::string& out, const std::array<double, 10>& longitudes) {
  static constexpr std::array<std::string_view, 10> kBodies = {
      "sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "rahu", "ketu", "ascendant"};
  AppendJsonObject(out, "longitudes", [&] {
    for (std::size_t body = 0; body < kBodies.size(); ++body) {
      AppendJsonMember(out, kBodies[body], longitudes[body]);
    }
  });
}

void Details(std::string& out, const DetailTexts& details) {
  AppendJsonObject(out, "details", [&] {
    for (const auto& [key, text] : {std::pair{"name", &details.name},
                                    {"dob", &details.dob},
                                    {"tob", &details.tob},
                                    {"latitude", &details.latitude},
                                    {"longitude", &details.longitude},
                                    {"city", &details.city},
                                    {"state", &details.state},
                                    {"country", &details.country}}) {
      AppendJsonMember(out, key, *text);
    }
  });
}

constexpr std::array<std::string_view, 10> kBodyKeys = {
    "sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "rahu", "ketu", "ascendant"};

void SpecialLagnaObjects(std::string& out, const SpecialLagnas& lagnas) {
  AppendJsonObject(out, "special_lagnas", [&] {
    AppendJsonObject(out, "options", [&] {
      AppendJsonMember(out, "varnada", NameOf(lagnas.options.varnada));
      AppendJsonMember(out, "gulika", NameOf(lagnas.options.gulika));
      AppendJsonMember(out, "mandi", NameOf(lagnas.options.mandi));
    });
    for (const SpecialLagna lagna : kSpecialLagnas) {
      const SpecialLagnaPoint& point = lagnas[lagna];
      if (!point.available) {
        AppendJsonKey(out, SpecialLagnaKey(lagna));
        out += "null";
        continue;
      }
      AppendJsonObject(out, SpecialLagnaKey(lagna), [&] {
        AppendJsonMember(out, "longitude", point.longitude);
        AppendJsonMember(out, "text", FormatLongitude(point.longitude));
        AppendJsonMember(out, "sign", point.sign + 1);
        AppendJsonMember(out, "house", point.house);
        AppendJsonMember(out, "whole_sign", point.wholeSign);
      });
    }
  });
}

void VargaObjects(std::string& out, const ChartResult& chart, const SpecialLagnas* lagnas) {
  AppendJsonObject(out, "vargas", [&] {
    for (const VargaPlaces& v : AllVargaPlacesOf(chart, lagnas)) {
      AppendJsonObject(out, VargaCode(v.varga), [&] {
        for (std::size_t body = 0; body < kBodyKeys.size(); ++body) {
          AppendJsonMember(out, kBodyKeys[body], v.bodies[body].sign + 1);
        }
        AppendJsonMember(out, "pranapada", v.pranapada.sign + 1);
        for (std::size_t i = 0; i < kSpecialLagnaCount; ++i) {
          if (v.specialLagnas[i]) {
            AppendJsonMember(out, SpecialLagnaKey(kSpecialLagnas[i]), v.specialLagnas[i]->sign + 1);
          }
        }
      });
    }
  });
}

void AppendChartObject(std::string& out, const ChartResult& chart, const ChartJsonParts* parts);

}  // namespace

void AppendChartJson(std::string& out, const ChartResult& chart) {
  AppendChartObject(out, chart, nullptr);
}

void AppendChartJson(std::string& out, const ChartResult& chart, const ChartJsonParts& parts) {
  AppendChartObject(out, chart, &parts);
}

namespace {

void AppendChartObject(std::string& out, const ChartResult& chart, const ChartJsonParts* parts) {
  out += '{';
  AppendJsonObject(out, "zone", [&] {
    AppendJsonMember(out, "index", chart.zoneIndex);
    AppendJsonMember(out, "label",
                     TimeZoneTable().at(static_cast<std::size_t>(chart.zoneIndex)).label);
    AppendJsonMember(out, "hours", chart.zone.ZoneHours);
    AppendJsonMember(out, "minutes", chart.zone.ZoneMinutes);
  });
  const AscendantResult& ascendant = chart.ascendant;
  AppendJsonObject(out, "ascendant", [&] {
    AppendJsonMember(out, "ayanamsa_offset", ascendant.AyanamsaOffset);
    AppendJsonMember(out, "sidereal", ascendant.AscendantSidereal);
    AppendJsonMember(out, "degree", ascendant.AscendantDegree);
    AppendJsonMember(out, "text", ascendant.AscendantText);
  });
  AppendJsonObject(out, "moon", [&] {
    AppendJsonMember(out, "sidereal", chart.moon.MoonSidereal);
    AppendJsonMember(out, "text", chart.moon.MoonText);
    AppendJsonMember(out, "nakshatra_start", chart.moon.MoonNakshatraStart);
  });
  StringArray(out, "positions", chart.PositionTexts);
  Longitudes(out, chart.longitudes);
  StringArray(out, "chart_names", chart.ChartNames);
  AppendJsonMember(out, "asc_sign", chart.AscSign);
  StringArray(out, "sign_cells", chart.SignCells);
  StringArray(out, "special_cells", chart.SpecialCells);
  AppendJsonObject(out, "sunrise", [&] {
    SunDayPair(out, "previous", chart.sunDays[0]);
    SunDayPair(out, "birth_day", chart.sunDays[1]);
    SunDayPair(out, "next", chart.sunDays[2]);
  });
  AppendJsonKey(out, "birth_moment");
  DateTime(out, chart.BirthMoment, true);
  AppendJsonKey(out, "reference_sunrise");
  DateTime(out, chart.ReferenceSunrise, true);
  AppendJsonMember(out, "elapsed_seconds", chart.ElapsedSeconds);
  AppendJsonMember(out, "elapsed_minutes", chart.ElapsedMinutes);
  AppendJsonMember(out, "sun_at_sunrise", chart.SunAtSunrise);
  AppendJsonMember(out, "sun_at_sunrise_text", chart.SunAtSunriseText);
  StringArray(out, "sunrise_positions", chart.SunrisePositionTexts);
  const PranapadaResult& pranapada = chart.pranapada;
  AppendJsonObject(out, "pranapada", [&] {
    AppendJsonMember(out, "signs", pranapada.Signs);
    AppendJsonMember(out, "degrees", pranapada.Degrees);
    AppendJsonMember(out, "minutes", pranapada.Minutes);
    AppendJsonMember(out, "sign", pranapada.PpLSign);
    AppendJsonMember(out, "house", pranapada.House);
    AppendJsonMember(out, "longitude", PranapadaLongitude(chart.SunAtSunriseText, pranapada));
  });
  AppendJsonMember(out, "house_text", chart.HouseText);
  AppendJsonMember(out, "dst", chart.dst);
  Details(out, chart.details);
  AppendJsonObject(out, "conventions", [&] {
    for (const ConventionKey& choice : kConventionKeys) {
      AppendJsonMember(out, choice.key, choice.nameIn(chart.conventions));
    }
  });
  if (parts != nullptr && (parts->specialLagnas || parts->vargas)) {
    std::optional<SpecialLagnas> lagnas;
    if (parts->specialLagnas) {
      lagnas = ComputeSpecialLagnas(chart, parts->lagnaOptions);
      SpecialLagnaObjects(out, *lagnas);
    }
    if (parts->vargas) VargaObjects(out, chart, lagnas ? &*lagnas : nullptr);
  }
  out += '}';
}

}  // namespace

}  // namespace velquor
