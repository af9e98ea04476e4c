// How far the classic chart lies from the precise one, and how often the conventions change
// the Pranapada's sign: the figures of the README's accuracy section. Random births over
// 1901..2050 between 60° South and 60° North, each on the time-zone row nearest its
// longitude; the same seed gives the same figures.
//
//   velquor_accuracy [BIRTHS]      (default 20000)
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "chart/birth_instant.h"
#include "chart/chart_engine.h"
#include "chart/chart_run.h"
#include "chart/conventions.h"

namespace {

using velquor::BirthData;
using velquor::ChartEngine;
using velquor::Conventions;

// Differences collected for one quantity.
class Spread {
 public:
  void Add(double value) { values_.push_back(std::fabs(value)); }

  std::string Row(const char* what, const char* unit) {
    if (values_.empty()) return std::string("| ") + what + " | - | - | - |\n";
    std::sort(values_.begin(), values_.end());
    char row[160];
    std::snprintf(row, sizeof row, "| %s | %.2f %s | %.2f %s | %zu |\n", what,
                  values_[values_.size() / 2], unit, values_.back(), unit, values_.size());
    return row;
  }

 private:
  std::vector<double> values_;
};

// The shorter way round the circle, in arc minutes.
double ArcMinutes(double a, double b) {
  double d = std::fmod(a - b + 540.0, 360.0) - 180.0;
  return d * 60.0;
}

int NearestZoneRow(double longitudeEast) {
  const auto& table = velquor::TimeZoneTable();
  int best = 0;
  double bestGap = 1e9;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const double hoursAhead = -(table[i].zoneHours + table[i].zoneMinutes / 60.0);
    const double gap = std::fabs(hoursAhead - longitudeEast / 15.0);
    if (gap < bestGap) {
      bestGap = gap;
      best = static_cast<int>(i);
    }
  }
  return best;
}

BirthData RandomBirth(std::mt19937_64& random) {
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  BirthData b;
  b.personName = "SAMPLE";
  b.yearNumber = pick(velquor::kFirstYear, velquor::kLastYear);
  b.monthNumber = pick(1, 12);
  b.dayNumber = pick(1, velquor::DaysInMonth(b.yearNumber, b.monthNumber));
  b.hourNumber = pick(0, 23);
  b.minuteNumber = pick(0, 59);
  b.secondNumber = pick(0, 59);
  b.latDegrees = pick(0, 59);
  b.latMinutes = pick(0, 59);
  b.isSouth = pick(0, 1) == 1;
  b.lonDegrees = pick(0, 179);
  b.lonMinutes = pick(0, 59);
  b.isEast = pick(0, 1) == 1;
  b.zoneIndex = NearestZoneRow(velquor::GeoPlaceOf(b).longitude);
  return b;
}

std::optional<int> PranapadaSign(const BirthData& b, const Conventions& c) {
  const velquor::ChartOutcome outcome = velquor::RunChart(b, c);
  if (!outcome.chart) return std::nullopt;
  return outcome.chart->pranapada.PpLSign;
}

}  // namespace

int main(int argc, char** argv) {
  const int births = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
  std::mt19937_64 random(1901'2050);

  Conventions precise;
  precise.ephemeris = velquor::EphemerisConvention::Precise;
  Conventions upperLimb;
  upperLimb.sunrise = velquor::SunriseConvention::UpperLimb;
  Conventions discCentre;
  discCentre.sunrise = velquor::SunriseConvention::DiscCentre;
  Conventions atBirth;
  atBirth.pranapadaSun = velquor::PranapadaSunConvention::AtBirth;
  Conventions fromSunrise;
  fromSunrise.afterSunset = velquor::AfterSunsetConvention::FromSunrise;
  const std::vector<std::pair<std::string, Conventions>> sets = {
      {"classic", velquor::ClassicConventions()},
      {"precise ephemeris", precise},
      {"upper-limb sunrise", upperLimb},
      {"disc-centre sunrise", discCentre},
      {"Sun at birth", atBirth},
      {"after sunset from sunrise", fromSunrise},
      {"modern (all four)", velquor::ModernConventions()},
  };

  Spread sun, moon, mercury, venus, mars, jupiter, saturn, rahu, ascendant;
  Spread riseUpper, riseCentre, centreAfterUpper;
  // Pairs of sets: births both could chart, and those whose Pranapada signs differ.
  const std::size_t n = sets.size();
  std::vector<int> compared(n * n, 0), differ(n * n, 0);
  for (int birth = 0; birth < births; ++birth) {
    const BirthData b = RandomBirth(random);
    const ChartEngine classic(b, {});
    const ChartEngine exact(b, precise);
    const velquor::LocalDateTime moment = velquor::BirthMomentOf(b);
    const velquor::AscendantResult classicAsc = classic.Ascendant(moment);
    const auto classicPlanets = classic.Planets(moment, std::fabs(classicAsc.AyanamsaOffset));
    const auto exactPlanets = exact.Planets(moment, 0.0);
    sun.Add(ArcMinutes(classicPlanets.bodies[velquor::kEarthSun],
                       exactPlanets.bodies[velquor::kEarthSun]));
    mercury.Add(ArcMinutes(classicPlanets.bodies[velquor::kMercury],
                           exactPlanets.bodies[velquor::kMercury]));
    venus.Add(
        ArcMinutes(classicPlanets.bodies[velquor::kVenus], exactPlanets.bodies[velquor::kVenus]));
    mars.Add(
        ArcMinutes(classicPlanets.bodies[velquor::kMars], exactPlanets.bodies[velquor::kMars]));
    jupiter.Add(ArcMinutes(classicPlanets.bodies[velquor::kJupiter],
                           exactPlanets.bodies[velquor::kJupiter]));
    saturn.Add(
        ArcMinutes(classicPlanets.bodies[velquor::kSaturn], exactPlanets.bodies[velquor::kSaturn]));
    rahu.Add(ArcMinutes(classicPlanets.rahu, exactPlanets.rahu));
    moon.Add(ArcMinutes(classic.Moon(moment).MoonSidereal, exact.Moon(moment).MoonSidereal));
    ascendant.Add(
        ArcMinutes(classicAsc.AscendantSidereal, exact.Ascendant(moment).AscendantSidereal));

    const velquor::LocalDateTime day{b.yearNumber, b.monthNumber, b.dayNumber, 0, 0, 0};
    const auto classicRise = classic.SunRiseSetOf(day).sunrise;
    const auto upperRise = ChartEngine(b, upperLimb).SunRiseSetOf(day).sunrise;
    const auto centreRise = ChartEngine(b, discCentre).SunRiseSetOf(day).sunrise;
    if (classicRise.occurs() && upperRise.occurs()) {
      riseUpper.Add(static_cast<double>(velquor::SecondsBetween(upperRise.time, classicRise.time)));
    }
    if (classicRise.occurs() && centreRise.occurs()) {
      riseCentre.Add(
          static_cast<double>(velquor::SecondsBetween(centreRise.time, classicRise.time)));
    }
    if (upperRise.occurs() && centreRise.occurs()) {
      centreAfterUpper.Add(
          static_cast<double>(velquor::SecondsBetween(upperRise.time, centreRise.time)));
    }

    std::vector<std::optional<int>> signs;
    for (const auto& set : sets) signs.push_back(PranapadaSign(b, set.second));
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j) {
        if (!signs[i] || !signs[j]) continue;
        ++compared[i * n + j];
        if (*signs[i] != *signs[j]) ++differ[i * n + j];
      }
    }
  }

  std::printf("Classic against precise, %d random births 1901..2050 (60 S..60 N):\n\n", births);
  std::printf(
      "| Quantity | Median difference | Largest difference | Births |\n|---|---|---|---|\n");
  std::printf("%s", sun.Row("Sun", "'").c_str());
  std::printf("%s", moon.Row("Moon", "'").c_str());
  std::printf("%s", mercury.Row("Mercury", "'").c_str());
  std::printf("%s", venus.Row("Venus", "'").c_str());
  std::printf("%s", mars.Row("Mars", "'").c_str());
  std::printf("%s", jupiter.Row("Jupiter", "'").c_str());
  std::printf("%s", saturn.Row("Saturn", "'").c_str());
  std::printf("%s", rahu.Row("Rahu (mean node)", "'").c_str());
  std::printf("%s", ascendant.Row("Ascendant", "'").c_str());
  std::printf("%s", riseUpper.Row("Sunrise: classic against upper limb", "s").c_str());
  std::printf("%s", riseCentre.Row("Sunrise: classic against disc centre", "s").c_str());
  std::printf("%s", centreAfterUpper.Row("Sunrise: disc centre after upper limb", "s").c_str());
  std::printf(
      "\nHow often the Pranapada sign differs, set against set (the classic set and one "
      "convention changed at a time):\n\n| |");
  for (std::size_t j = 0; j < n; ++j) std::printf(" %s |", sets[j].first.c_str());
  std::printf("\n|---|");
  for (std::size_t j = 0; j < n; ++j) std::printf("---|");
  std::printf("\n");
  for (std::size_t i = 0; i < n; ++i) {
    std::printf("| %s |", sets[i].first.c_str());
    for (std::size_t j = 0; j < n; ++j) {
      const int both = compared[i * n + j];
      std::printf(" %.0f %% |", both == 0 ? 0.0 : 100.0 * differ[i * n + j] / both);
    }
    std::printf("\n");
  }
  return 0;
}
