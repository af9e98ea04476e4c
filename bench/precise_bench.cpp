#include <benchmark/benchmark.h>

#include "astro/date_time.h"
#include "astro/precise_ephemeris.h"
#include "astro/precise_sunrise.h"

namespace {

// The Swiss Ephemeris keeps the last position of each body and returns it again for the
// same instant: every iteration takes a new birth, three days and seven hours after the
// one before, from 15 August 1990 on.
struct Birth {
  velquor::LocalDateTime date;
  double hours = 0.0;  // local clock
};

struct Births {
  int step = 0;
  Birth next() {
    const int n = step++ % 10000;
    return {velquor::AddDays({1990, 8, 15, 0, 0, 0}, 3 * n),
            static_cast<double>((7 * n) % 24) + 0.37};
  }
};

constexpr double kDelhiLongitude = 77.22, kDelhiZone = 5.5;

// A whole precise chart (argument: latitude in degrees North, at Delhi's longitude and
// clock): the bodies and the ascendant at the birth moment, sunrise and sunset of the
// birth date, and the sunrise of the day before (birth before 06:00) or after, all with
// the disc centre. 70° lies beyond the polar circle.
void BM_PreciseChart(benchmark::State& state) {
  const velquor::SunPlace place{static_cast<double>(state.range(0)), kDelhiLongitude, kDelhiZone};
  Births births;
  for (auto _ : state) {
    const Birth birth = births.next();
    const velquor::LocalDateTime& d = birth.date;
    const double jd = velquor::JulianDayUt(d.year, d.month, d.day, birth.hours - place.zoneOffset);
    benchmark::DoNotOptimize(velquor::PreciseLongitudes(jd));
    benchmark::DoNotOptimize(velquor::PreciseAscendant(jd, place.latitude, place.longitude));
    benchmark::DoNotOptimize(velquor::ComputePreciseSunRiseSet(d.month, d.day, d.year, place,
                                                               velquor::SunDisc::DiscCentre));
    const velquor::LocalDateTime other = velquor::AddDays(d, birth.hours < 6.0 ? -1 : 1);
    benchmark::DoNotOptimize(velquor::ComputePreciseSunRiseSet(
        other.month, other.day, other.year, place, velquor::SunDisc::DiscCentre));
  }
}
BENCHMARK(BM_PreciseChart)->Arg(29)->Arg(70);

void BM_PreciseLongitudes(benchmark::State& state) {
  Births births;
  for (auto _ : state) {
    const Birth birth = births.next();
    const velquor::LocalDateTime& d = birth.date;
    benchmark::DoNotOptimize(
        velquor::PreciseLongitudes(velquor::JulianDayUt(d.year, d.month, d.day, birth.hours)));
  }
}
BENCHMARK(BM_PreciseLongitudes);

// Sunrise and sunset of one date (argument: latitude, as above).
void BM_PreciseSunRiseSet(benchmark::State& state) {
  const velquor::SunPlace place{static_cast<double>(state.range(0)), kDelhiLongitude, kDelhiZone};
  Births births;
  for (auto _ : state) {
    const velquor::LocalDateTime d = births.next().date;
    benchmark::DoNotOptimize(velquor::ComputePreciseSunRiseSet(d.month, d.day, d.year, place,
                                                               velquor::SunDisc::DiscCentre));
  }
}
BENCHMARK(BM_PreciseSunRiseSet)->Arg(29)->Arg(70);

}  // namespace
