// Everything one chart run reads and writes, passed explicitly from step to step so that
// any number of charts can be computed at once on different threads.
#pragma once

#include <array>
#include <string>

#include "astro/ascendant.h"
#include "astro/date_time.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "chart/birth_data.h"
#include "chart/time_zones.h"
#include "pranapada/arudha.h"

namespace velquor {

struct ChartContext {
  BirthData birth;
  ZoneCorrection zone;
  AscendantResult ascendant;
  MoonResult moon;
  PlanetResult planets;

  // Second planet run: the reference sunrise instead of the birth moment.
  bool SunriseMode = false;
  LocalDateTime ReferenceSunriseParts;  // local clock, seconds ignored

  // Sign-cell names by body index, retrograde planets followed by " (R) ".
  std::array<std::string, 10> ChartNames;

  ArudhaState arudha;
  // The special-point cells of the chart by sign index (0 = Aries), as they will read.
  std::array<std::string, 12> SpecialCells;
};

}  // namespace velquor
