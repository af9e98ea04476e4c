// Birth data for the chart run. Mostly values inside the form's domains (any zone row,
// day of 1901..2050, second of the day, latitude to 89° 59', longitude to 179° 59',
// hemispheres, daylight flag, names of any bytes): the run must give a sound chart or the
// polar stop. One input in eight takes any integers at all: then the run must either
// refuse them with std::invalid_argument or, when they happen to lie inside, be sound.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "astro/date_time.h"
#include "chart/chart_run.h"
#include "chart/time_zones.h"
#include "sweep/chart_checks.h"

namespace {

using velquor::BirthData;

constexpr std::size_t kTextBytes = 64;

void ReadTexts(FuzzedDataProvider& in, BirthData& b) {
  b.personName = in.ConsumeRandomLengthString(kTextBytes);
  b.cityText = in.ConsumeRandomLengthString(kTextBytes);
  b.stateText = in.ConsumeRandomLengthString(kTextBytes);
  b.countryText = in.ConsumeRandomLengthString(kTextBytes);
}

void ReadInsideTheForm(FuzzedDataProvider& in, BirthData& b) {
  b.zoneIndex = in.ConsumeIntegralInRange(0, velquor::kTimeZoneCount - 1);
  b.yearNumber = in.ConsumeIntegralInRange(1901, 2050);
  b.monthNumber = in.ConsumeIntegralInRange(1, 12);
  b.dayNumber = in.ConsumeIntegralInRange(1, velquor::DaysInMonth(b.yearNumber, b.monthNumber));
  b.hourNumber = in.ConsumeIntegralInRange(0, 23);
  b.minuteNumber = in.ConsumeIntegralInRange(0, 59);
  b.secondNumber = in.ConsumeIntegralInRange(0, 59);
  b.latDegrees = in.ConsumeIntegralInRange(0, 89);
  b.latMinutes = in.ConsumeIntegralInRange(0, 59);
  b.lonDegrees = in.ConsumeIntegralInRange(0, 179);
  b.lonMinutes = in.ConsumeIntegralInRange(0, 59);
}

void ReadAnyIntegers(FuzzedDataProvider& in, BirthData& b) {
  for (int* field :
       {&b.zoneIndex, &b.yearNumber, &b.monthNumber, &b.dayNumber, &b.hourNumber, &b.minuteNumber,
        &b.secondNumber, &b.latDegrees, &b.latMinutes, &b.lonDegrees, &b.lonMinutes}) {
    *field = in.ConsumeIntegral<int>();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const bool anyIntegers = in.ConsumeIntegralInRange(0, 7) == 0;
  BirthData birth;
  if (anyIntegers) {
    ReadAnyIntegers(in, birth);
  } else {
    ReadInsideTheForm(in, birth);
  }
  birth.isEast = in.ConsumeBool();
  birth.isSouth = in.ConsumeBool();
  birth.isDst = in.ConsumeBool();
  ReadTexts(in, birth);

  velquor::ChartOutcome outcome;
  try {
    outcome = velquor::RunChart(birth);
  } catch (const std::invalid_argument& error) {
    if (anyIntegers) return 0;
    std::fprintf(stderr, "chart run fuzzer: refused data inside the form's domains: %s\n",
                 error.what());
    std::abort();
  }
  const std::vector<std::string> faults = velquor::ChartOutcomeFaults(birth, outcome);
  if (faults.empty()) return 0;
  std::fprintf(
      stderr,
      "chart run fuzzer: %04d-%02d-%02d %02d:%02d:%02d, %d%c%02d %d%c%02d, zone %d, dst %s\n",
      birth.yearNumber, birth.monthNumber, birth.dayNumber, birth.hourNumber, birth.minuteNumber,
      birth.secondNumber, birth.latDegrees, birth.isSouth ? 'S' : 'N', birth.latMinutes,
      birth.lonDegrees, birth.isEast ? 'E' : 'W', birth.lonMinutes, birth.zoneIndex,
      birth.isDst ? "on" : "off");
  for (const std::string& fault : faults)
    std::fprintf(stderr, "chart run fuzzer: %s\n", fault.c_str());
  std::abort();
}
