// Local sunrise and sunset of a civil date by the low-precision almanac method (mean
// anomaly, true longitude, right ascension, declination, hour angle for a zenith of
// 90° 50'), evaluated with the shortened decimal constants the chart has always used.
#pragma once

#include "astro/date_time.h"

namespace velquor {

// Where the Sun stands for an event that does not happen: always up, or always down.
enum class SunEventStatus { Occurs, SunStaysUp, SunStaysDown };

struct SunEvent {
  SunEventStatus status = SunEventStatus::Occurs;
  LocalDateTime time;  // local clock, whole minutes; meaningful only when the event occurs

  bool occurs() const { return status == SunEventStatus::Occurs; }
};

struct SunRiseSet {
  SunEvent sunrise;
  SunEvent sunset;
};

// The place and clock of the sunrise computation.
struct SunPlace {
  double latitude = 0.0;    // degrees, North positive
  double longitude = 0.0;   // degrees, East positive
  double zoneOffset = 0.0;  // hours the clock runs ahead of universal time, daylight hour included
};

// Two-argument arc tangent in radians: atan(y/x) for x > 0, sgn(y)·π/2 for x = 0, and
// (π − atan|y/x|)·sgn(y) for x < 0 (so the negative x axis gives 0, not π).
double SunAtan2(double y, double x);

// Sunrise and sunset of the civil date (month 1..12, day, year) at `place`.
//
// Returned: each event either occurs, with its local clock date-time, or does not happen
// this day (|cos H| >= 1) and says whether the Sun stays up or down. Callers must not
// assume that both events always occur.
// Notes:
//  1. Clock times are those of the almanac method with its constants as written, rounded
//     to the minute (equator at the March equinox: 06:04 and 18:11 on Greenwich time).
//  2. The right ascension is put in the quadrant of the true longitude by comparing with
//     π/2 and 3π/2 at full precision (the shortened bounds 1.5708 and 4.71239 would put it
//     in the wrong half of the circle for a longitude just between them).
//  3. Each event carries the date on which it happens on the local clock: sunrise lies in
//     [noon − 18 h, noon + 6 h) and sunset in [noon − 6 h, noon + 18 h), where noon is the
//     clock time of local mean noon. Nearly everywhere this is the input date.
//  4. A rounded minute of 60, or an hour of 24, carries into the next hour and day.
SunRiseSet ComputeSunRiseSet(int month, int day, int year, const SunPlace& place);

}  // namespace velquor
