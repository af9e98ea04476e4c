// Everything one chart run produces: the values and the texts the result window shows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "astro/ascendant.h"
#include "astro/date_time.h"
#include "astro/moon.h"
#include "chart/birth_data.h"
#include "chart/conventions.h"
#include "chart/detail_texts.h"
#include "chart/time_zones.h"
#include "pranapada/pranapada_lagna.h"

namespace velquor {

// Sunrise and sunset of one civil date at the birth place, local clock, whole minutes.
// An event is empty when it does not happen that day and the chart did not need it.
struct SunDay {
  std::optional<LocalDateTime> sunrise;
  std::optional<LocalDateTime> sunset;
};

struct ChartResult {
  BirthData birth;          // what the chart was made for
  Conventions conventions;  // and how it was counted
  int zoneIndex = kDefaultTimeZoneIndex;
  ZoneCorrection zone;
  bool dst = false;

  AscendantResult ascendant;
  MoonResult moon;

  DetailTexts details;
  std::array<std::string, 10> PositionTexts;  // birth moment
  // The longitudes PositionTexts are made of: sidereal degrees, 0 to 360, same order.
  std::array<double, 10> longitudes{};
  std::array<std::string, 10> ChartNames;
  int AscSign = 1;                           // 1..12
  std::array<std::string, 12> SignCells;     // lblAries .. lblPisces, by sign index
  std::array<std::string, 12> SpecialCells;  // lblArudha, by sign index

  std::array<SunDay, 3> sunDays;  // D-1, D, D+1
  LocalDateTime BirthMoment;
  LocalDateTime ReferenceSunrise;
  std::int64_t ElapsedSeconds = 0;
  std::int64_t ElapsedMinutes = 0;
  double SunAtSunrise = 0.0;
  std::string SunAtSunriseText;
  std::array<std::string, 10> SunrisePositionTexts;  // the second planet run

  PranapadaResult pranapada;
  std::string HouseText;
};

}  // namespace velquor
