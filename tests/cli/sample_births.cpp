#include "sample_births.h"

#include <nlohmann/json.hpp>

#include "chart/pinned_charts.h"
#include "sweep/sweep_plan.h"

namespace velquor::test {

std::vector<SampleBirth> SampleBirths() {
  std::vector<SampleBirth> samples;
  for (const PinnedChart& pin : kPinnedCharts) {
    samples.push_back({pin.birth, false});
    samples.push_back({pin.birth, true});
  }
  // The reduced sweep's plan; a step prime to its cell count spreads the sample over
  // zones, days, times and latitudes.
  const SweepPlan plan(SweepSize{0, 1, 5});
  constexpr std::uint64_t kStep = 211;
  for (std::uint64_t index = 0; index < plan.ChartCount(); index += kStep) {
    const BirthData birth = plan.Chart(index);
    samples.push_back({birth, false});
    if (index % (5 * kStep) == 0) samples.push_back({birth, true});
  }
  return samples;
}

std::string BatchInputLine(const SampleBirth& sample) {
  const BirthData& b = sample.birth;
  nlohmann::json line = {{"name", b.personName},
                         {"year", b.yearNumber},
                         {"month", b.monthNumber},
                         {"day", b.dayNumber},
                         {"hour", b.hourNumber},
                         {"minute", b.minuteNumber},
                         {"second", b.secondNumber},
                         {"zone", b.zoneIndex},
                         {"lat_deg", b.latDegrees},
                         {"lat_min", b.latMinutes},
                         {"south", b.isSouth},
                         {"lon_deg", b.lonDegrees},
                         {"lon_min", b.lonMinutes},
                         {"east", b.isEast},
                         {"dst", b.isDst},
                         {"city", b.cityText},
                         {"state", b.stateText},
                         {"country", b.countryText},
                         {"conventions", sample.modern ? "modern" : "classic"}};
  return line.dump();
}

}  // namespace velquor::test
