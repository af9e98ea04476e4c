#include "astro/sunrise.h"

#include <cmath>

#include "astro/angles.h"

namespace velquor {

namespace {

// The almanac constants in the shortened decimal forms the chart's reference tables were
// computed with; changing any of them moves sunrise times by a minute here and there.
constexpr double kHalfPi = 1.5708;
constexpr double kShortPi = 3.14159;
constexpr double kThreeHalfPi = 4.71239;
constexpr double kShortTwoPi = 6.28319;
constexpr double kShortDegToRad = 0.0174533;
constexpr double kMeanMotion = 0.017202;
constexpr double kAnomalyOffset = 0.0574039;
constexpr double kCentre1 = 0.0334405;
constexpr double kCentre2 = 0.000349066;
constexpr double kPerigee = 4.93289;
constexpr double kEpsilon = 4.84814e-06;
constexpr double kCosObliquity = 0.91746;
constexpr double kSinObliquity = 0.39782;
constexpr double kCosZenith = -0.0145439;
constexpr double kSiderealRate = 0.0172028;
constexpr double kSiderealOffset = 1.73364;
constexpr double kHourToRad = 0.261799;
constexpr double kRadToHour = 3.81972;

// Quadrant bounds of the right ascension at full precision.
constexpr double kExactHalfPi = kPi / 2.0;
constexpr double kExactThreeHalfPi = 3.0 * kPi / 2.0;

enum class Event { Rise, Set };

struct Radians {
  double lat;
  double lon;
  double zone;
};

// Clock hours of local mean noon relative to midnight of the input date, in [0 h, 24 h).
double MeanNoonOnClock(const SunPlace& place) {
  double r = place.zoneOffset - place.longitude / 15.0;
  while (r < -12.0) r += 24.0;
  while (r >= 12.0) r -= 24.0;
  return 12.0 + r;
}

// One event of the almanac method. Returns the status; on Occurs, `local` is the local
// clock time in radians of time, folded into [0, 2π).
SunEventStatus LocalEventTime(Event event, int dayIndex, const Radians& at, double& local) {
  const double angle = event == Event::Rise ? kHalfPi : kThreeHalfPi;
  const double t = dayIndex + (angle - at.lon) / kShortTwoPi;
  const double M = kMeanMotion * t - kAnomalyOffset;
  double L = M + kCentre1 * std::sin(M) + kCentre2 * std::sin(2.0 * M) + kPerigee;
  while (L < 0.0) L += kShortTwoPi;
  while (L >= kShortTwoPi) L -= kShortTwoPi;
  if (std::floor(L / kHalfPi) == L / kHalfPi) L += kEpsilon;

  double RA = SunAtan2(kCosObliquity * std::sin(L) / std::cos(L), 1.0);
  if (L > kExactThreeHalfPi) {
    RA += kShortTwoPi;
  } else if (L > kExactHalfPi) {
    RA += kShortPi;
  }

  const double sinDec = kSinObliquity * std::sin(L);
  const double dec = SunAtan2(sinDec / std::sqrt(1.0 - sinDec * sinDec), 1.0);
  const double cosH =
      (kCosZenith - std::sin(dec) * std::sin(at.lat)) / (std::cos(at.lat) * std::cos(dec));
  if (cosH >= 1.0) return SunEventStatus::SunStaysDown;
  if (cosH <= -1.0) return SunEventStatus::SunStaysUp;

  double H = kHalfPi - SunAtan2(cosH / std::sqrt(1.0 - cosH * cosH), 1.0);
  if (event == Event::Rise) H = kShortTwoPi - H;
  const double T = (H + RA) - kSiderealRate * t - kSiderealOffset;
  local = T - at.lon + at.zone;
  while (local < 0.0) local += kShortTwoPi;
  while (local >= kShortTwoPi) local -= kShortTwoPi;
  return SunEventStatus::Occurs;
}

// Whole days to move the input date so that the event falls in its window around noon.
int DayShiftIntoWindow(Event event, double local, double noonHours) {
  const double windowStart = noonHours + (event == Event::Rise ? -18.0 : -6.0);
  int shift = 0;
  while (local * kRadToHour < windowStart) {
    local += kShortTwoPi;
    ++shift;
  }
  while (local * kRadToHour >= windowStart + 24.0) {
    local -= kShortTwoPi;
    --shift;
  }
  return shift;
}

SunEvent MakeEvent(Event event, int month, int day, int year, const Radians& at, double noonHours) {
  SunEvent result;
  double local = 0.0;
  result.status = LocalEventTime(event, DayOfYear(year, month, day) - 1, at, local);
  if (!result.occurs()) return result;

  const double hours = local * kRadToHour;
  const double hour = std::floor(hours);
  const double minute = std::floor(0.5 + 60.0 * (hours - hour));
  const int minutesOfDay = static_cast<int>(hour) * 60 + static_cast<int>(minute);
  const int days = DayShiftIntoWindow(event, local, noonHours);
  result.time = AddMinutes(LocalDateTime{year, month, day, 0, 0, 0}, minutesOfDay + days * 24 * 60);
  return result;
}

}  // namespace

// The sunrise module's arc tangent is the chart's QuadrantAtan, branch for branch.
double SunAtan2(double y, double x) { return QuadrantAtan(y, x); }

SunRiseSet ComputeSunRiseSet(int month, int day, int year, const SunPlace& place) {
  const Radians at{place.latitude * kShortDegToRad, place.longitude * kShortDegToRad,
                   place.zoneOffset * kHourToRad};
  const double noonHours = MeanNoonOnClock(place);
  return {MakeEvent(Event::Rise, month, day, year, at, noonHours),
          MakeEvent(Event::Set, month, day, year, at, noonHours)};
}

}  // namespace velquor
