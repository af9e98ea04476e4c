#include "astro/precise_sunrise.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numbers>
#include <stdexcept>

#include "astro/date_time.h"
#include "astro/precise_ephemeris.h"
#include "astro/swe_thread.h"

// Method: three positions of the Sun a day (local midnight, noon, next midnight) and one
// sidereal time give its altitude at any moment of the day by interpolation, with no
// further calls to the library. The day is cut where the Sun culminates, into pieces in
// which it only climbs or only sinks, and each crossing of the horizon is solved for by
// Newton steps inside its piece. An event thus always belongs to the day searched.

namespace velquor {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr double kRadian = std::numbers::pi / 180.0;
// Turn of the Earth against the true equinox per day of universal time, in degrees.
constexpr double kSiderealDegreesPerDay = 360.98564736629;
// The radii the library uses for the Sun's disc and for the topocentric parallax, in AU.
constexpr double kAstronomicalUnit = 1.49597870700e11;
constexpr double kSunRadiusAu = 696000000.0 / kAstronomicalUnit;
constexpr double kEarthRadiusAu = 6378136.6 / kAstronomicalUnit;
// The search runs a second past each end of the day, so that an event rounded to the
// first or last second of the date is not lost.
constexpr double kMargin = 1.0 / static_cast<double>(kSecondsPerDay);

// Refraction at the horizon in degrees, as the library computes it for its rise and set
// search with a standard pressure of 1013.25 hPa and 0 °C: about 36.7′.
double HorizonRefraction() {
  static const double refraction = [] {
    std::array<double, 20> out{};
    swe_refrac_extended(0.000001, 0.0, 1013.25, 0.0, 0.0065, SE_APP_TO_TRUE, out.data());
    return out[1] - out[0];
  }();
  return refraction;
}

// A few of the library's recent results on this thread, by the exact instant. The two
// dates of a chart share a midnight, and often the sidereal time's reference instant; a
// value found here is the one the library would return again, so results never depend
// on what the thread computed before.
template <typename Value>
class RecentValues {
 public:
  const Value* Find(double jdUt) const {
    for (const Entry& entry : entries_) {
      if (entry.jdUt == jdUt) return &entry.value;
    }
    return nullptr;
  }
  void Add(double jdUt, const Value& value) {
    entries_[next_] = {jdUt, value};
    next_ = (next_ + 1) % entries_.size();
  }

 private:
  struct Entry {
    double jdUt = std::numeric_limits<double>::quiet_NaN();  // matches no instant
    Value value{};
  };
  std::array<Entry, 4> entries_{};
  std::size_t next_ = 0;
};

// Apparent geocentric right ascension, declination (degrees) and distance (AU) of the Sun;
// throws when the data files are not used.
std::array<double, 3> SunEquatorial(double jdUt) {
  thread_local RecentValues<std::array<double, 3>> recent;
  if (const auto* known = recent.Find(jdUt)) return *known;
  std::array<double, 6> position{};
  std::array<char, AS_MAXCH> message{};
  const int flags =
      swe_calc_ut(jdUt, SE_SUN, SEFLG_SWIEPH | SEFLG_EQUATORIAL, position.data(), message.data());
  swe_thread::RequireDataFiles(flags, message.data(), "Sun");
  const std::array<double, 3> sun = {position[0], position[1], position[2]};
  recent.Add(jdUt, sun);
  return sun;
}

// Apparent sidereal time at Greenwich in degrees, from the library's value at the
// nearest instant of a grid of four days carried on at the mean rate: the nutation moves
// it by less than 0.04 s in the two and a half days between. Neighbouring dates mostly
// share the grid instant.
double SiderealTime(double jdUt) {
  constexpr double kGrid = 4.0;
  const double reference = kGrid * std::round(jdUt / kGrid);
  thread_local RecentValues<double> recent;
  const double* known = recent.Find(reference);
  const double atReference = known != nullptr ? *known : swe_sidtime(reference) * 15.0;
  if (known == nullptr) recent.Add(reference, atReference);
  return atReference + kSiderealDegreesPerDay * (jdUt - reference);
}

// Value at s in -1..1 of the parabola through (-1, y[0]), (0, y[1]), (1, y[2]).
double Parabola(const std::array<double, 3>& y, double s) {
  return y[1] + 0.5 * (y[2] - y[0]) * s + 0.5 * (y[2] - 2.0 * y[1] + y[0]) * s * s;
}

// The Sun over one local day, from its position at local midnight, noon and the next
// midnight (one parabola each for right ascension, declination and distance: good to
// thousandths of an arc second over the day) and the apparent sidereal time, which grows
// at a uniform rate. Gives the centre's geocentric altitude
// less the altitude that counts as the crossing, in degrees, at any moment of the day.
class SunDay {
 public:
  SunDay(double midnightUt, const SunPlace& place, SunDisc disc)
      : midnight_(midnightUt),
        sinLatitude_(std::sin(place.latitude * kRadian)),
        cosLatitude_(std::cos(place.latitude * kRadian)),
        disc_(disc) {
    for (std::size_t i = 0; i < 3; ++i) {
      const std::array<double, 3> sun = SunEquatorial(midnightUt + 0.5 * static_cast<double>(i));
      rightAscension_[i] = sun[0];
      declination_[i] = sun[1];
      distance_[i] = sun[2];
    }
    // Continuous through 360°.
    rightAscension_[0] =
        rightAscension_[1] + std::remainder(rightAscension_[0] - rightAscension_[1], 360.0);
    rightAscension_[2] =
        rightAscension_[1] + std::remainder(rightAscension_[2] - rightAscension_[1], 360.0);
    localSiderealNoon_ = SiderealTime(midnightUt + 0.5) + place.longitude;
  }

  double midnight() const { return midnight_; }

  // Local hour angle in degrees, growing without wrap-around (about 360 a day).
  double HourAngle(double jdUt) const {
    const double fromNoon = jdUt - midnight_ - 0.5;
    return localSiderealNoon_ + kSiderealDegreesPerDay * fromNoon -
           Parabola(rightAscension_, 2.0 * fromNoon);
  }

  // Hour angle per day at noon.
  double HourAngleRate() const {
    return kSiderealDegreesPerDay - (rightAscension_[2] - rightAscension_[0]);
  }

  // Altitude of the centre less the crossing altitude (degrees), and its rate per day
  // from the Earth's turn alone (the Sun's own motion changes it by a thousandth).
  struct Height {
    double above, rate;
  };
  Height HeightAt(double jdUt) const {
    const double s = 2.0 * (jdUt - midnight_ - 0.5);
    const double declination = Parabola(declination_, s) * kRadian;
    const double hourAngle = HourAngle(jdUt) * kRadian;
    const double sinAltitude =
        std::clamp(sinLatitude_ * std::sin(declination) +
                       cosLatitude_ * std::cos(declination) * std::cos(hourAngle),
                   -1.0, 1.0);
    const double altitude = std::asin(sinAltitude);
    const double rate = -cosLatitude_ * std::cos(declination) * std::sin(hourAngle) /
                        std::cos(altitude) * HourAngleRate();  // degrees per day
    return {altitude / kRadian - CrossingAltitude(Parabola(distance_, s)), rate};
  }

  // Hour angle in degrees (0..180) at which the centre stands at the crossing altitude,
  // for the declination and distance at `jdUt`; NaN when it stays above or below.
  double CrossingHourAngle(double jdUt) const {
    const double s = 2.0 * (jdUt - midnight_ - 0.5);
    const double declination = Parabola(declination_, s) * kRadian;
    const double crossing = CrossingAltitude(Parabola(distance_, s)) * kRadian;
    const double cosine = (std::sin(crossing) - sinLatitude_ * std::sin(declination)) /
                          (cosLatitude_ * std::cos(declination));
    return std::fabs(cosine) <= 1.0 ? std::acos(cosine) / kRadian
                                    : std::numeric_limits<double>::quiet_NaN();
  }

 private:
  // The geocentric altitude of the centre at the crossing. The library counts the
  // crossing seen from the place (topocentric), which sees the Sun lower by the parallax
  // times the cosine of the altitude: 8.8″ at the horizon. The upper limb touches the
  // apparent horizon when the centre lies a semi-diameter (15.8′ to 16.3′, from the
  // distance) and the horizon refraction below it.
  double CrossingAltitude(double distanceAu) const {
    const double parallax = std::asin(kEarthRadiusAu / distanceAu) / kRadian;
    if (disc_ == SunDisc::DiscCentre) return parallax;
    const double topocentric =
        -(std::asin(kSunRadiusAu / distanceAu) / kRadian + HorizonRefraction());
    return topocentric + parallax * std::cos(topocentric * kRadian);
  }

  double midnight_;
  double sinLatitude_, cosLatitude_;
  SunDisc disc_;
  std::array<double, 3> rightAscension_{}, declination_{}, distance_{};
  double localSiderealNoon_ = 0.0;
};

// The moment the hour angle equals `target` degrees, starting from `guess`.
double HourAngleTime(const SunDay& day, double target, double guess) {
  double t = guess;
  for (int i = 0; i < 4; ++i) t -= (day.HourAngle(t) - target) / day.HourAngleRate();
  return t;
}

// The crossing inside [a, b], where the height changes sign once: Newton steps from the
// time the hour-angle formula gives for the declination midway (else from the middle),
// with a halving of the bracket whenever a step would leave it. Converges to a
// millisecond.
double Crossing(const SunDay& day, double a, double b, bool aboveAtA) {
  constexpr double kTolerance = 1e-8;  // days
  double t = 0.5 * (a + b);
  const double crossingHourAngle = day.CrossingHourAngle(t);
  if (!std::isnan(crossingHourAngle)) {
    const double atA = day.HourAngle(a);
    const double wanted = aboveAtA ? crossingHourAngle : -crossingHourAngle;  // setting : rising
    const double guess =
        a + (wanted + 360.0 * std::ceil((atA - wanted) / 360.0) - atA) / day.HourAngleRate();
    if (guess < b) t = guess;
  }
  for (int i = 0; i < 100 && b - a > kTolerance; ++i) {
    const SunDay::Height h = day.HeightAt(t);
    if ((h.above > 0.0) == aboveAtA) {
      a = t;
    } else {
      b = t;
    }
    const double next = t - h.above / h.rate;
    if (std::fabs(next - t) < kTolerance && next > a && next < b) return next;
    t = (next > a && next < b) ? next : 0.5 * (a + b);
  }
  return t;
}

struct Events {
  SunEvent sunrise, sunset;
};

// The first sunrise and the first sunset of the local day. The day is cut at the
// meridian passages (hour angle a multiple of 180°): between a lower and an upper passage
// the Sun climbs, between an upper and a lower one it sinks, so each piece holds at most
// one crossing, found where the height changes sign across it. No crossing in a piece
// means none that day, however near the polar day or night: the search never leaves the
// day. An event missing from the day gets `ifAbsent`.
Events FindEvents(const SunDay& day, const LocalDateTime& localMidnight, SunEventStatus ifAbsent) {
  Events events;
  events.sunrise.status = ifAbsent;
  events.sunset.status = ifAbsent;
  // The pieces' ends: the day's bounds and at most three passages between.
  std::array<double, 5> cuts{};
  std::size_t count = 0;
  const double start = day.midnight() - kMargin, end = day.midnight() + 1.0 + kMargin;
  cuts[count++] = start;
  const double first = std::ceil(day.HourAngle(start) / 180.0),
               last = std::floor(day.HourAngle(end) / 180.0);
  for (double k = first; k <= last && count < cuts.size() - 1; ++k) {
    const double guess = start + (180.0 * k - day.HourAngle(start)) / day.HourAngleRate();
    cuts[count++] = std::clamp(HourAngleTime(day, 180.0 * k, guess), start, end);
  }
  cuts[count++] = end;

  bool aboveAtA = day.HeightAt(cuts[0]).above > 0.0;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const double a = cuts[i], b = cuts[i + 1];
    const bool aboveAtB = day.HeightAt(b).above > 0.0;
    const bool aboveAtStart = aboveAtA;
    aboveAtA = aboveAtB;
    if (aboveAtStart == aboveAtB || b <= a) continue;
    SunEvent& event = aboveAtB ? events.sunrise : events.sunset;
    if (event.occurs()) continue;  // the first of its kind stands
    const double t = Crossing(day, a, b, aboveAtStart);
    const std::int64_t seconds =
        std::llround((t - day.midnight()) * static_cast<double>(kSecondsPerDay));
    if (seconds < 0 || seconds >= kSecondsPerDay) continue;
    event.status = SunEventStatus::Occurs;
    event.time = AddSeconds(localMidnight, seconds);
  }
  return events;
}

// Where the Sun stands on a date on which an event does not happen: decided by its
// height at the upper meridian passage nearest local noon, the highest it gets that day.
// If even that stays below the crossing altitude the Sun is down all day; otherwise it is
// up through the day (a polar day, or a clock so far from solar time that the missing
// event falls just before or after the civil day, while the Sun is up at that end of the
// day).
SunEventStatus AbsentStatus(const SunDay& day) {
  const double noon = day.midnight() + 0.5;
  const double passage = HourAngleTime(day, 360.0 * std::round(day.HourAngle(noon) / 360.0), noon);
  return day.HeightAt(passage).above > 0.0 ? SunEventStatus::SunStaysUp
                                           : SunEventStatus::SunStaysDown;
}

}  // namespace

SunRiseSet ComputePreciseSunRiseSet(int month, int day, int year, const SunPlace& place,
                                    SunDisc disc) {
  if (!IsValidCivilDate(year, month, day))
    throw std::invalid_argument("not a Gregorian calendar date");
  if (!(place.latitude >= -90.0 && place.latitude <= 90.0)) {
    throw std::invalid_argument("latitude outside -90..90 degrees");
  }
  swe_thread::Prepare();

  // Midnight as 0h UT less the zone: consecutive dates then give midnights exactly a day
  // apart, and share the Sun's position there.
  const SunDay sunDay(JulianDayUt(year, month, day, 0.0) - place.zoneOffset / 24.0, place, disc);
  const Events events =
      FindEvents(sunDay, LocalDateTime{year, month, day, 0, 0, 0}, AbsentStatus(sunDay));
  return {events.sunrise, events.sunset};
}

}  // namespace velquor
