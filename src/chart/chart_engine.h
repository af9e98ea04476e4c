// The engine steps of one birth's chart under its conventions: positions, ascendant and
// sunrises for any clock reading of the birth place. The chart run and the timeline over
// birth time both compute through it, so that they cannot disagree.
#pragma once

#include "astro/ascendant.h"
#include "astro/date_time.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/sunrise.h"
#include "astro/universal_time.h"
#include "chart/birth_data.h"
#include "chart/conventions.h"
#include "chart/time_zones.h"

namespace velquor {

class ChartEngine {
 public:
  // Keeps the place, zone and daylight flag of `birth`; its date and time play no part.
  ChartEngine(const BirthData& birth, const Conventions& conventions);

  const Conventions& conventions() const { return conventions_; }

  // True when positions differ between the seconds of one clock minute: the precise
  // ephemeris reads the clock to the second, the classic formulas to the minute.
  bool ReadsSeconds() const { return conventions_.ephemeris == EphemerisConvention::Precise; }

  // The ascendant of a clock reading, with the ayanamsa of that instant.
  AscendantResult Ascendant(const LocalDateTime& clock) const;

  // The Moon of a clock reading.
  MoonResult Moon(const LocalDateTime& clock) const;

  // The sidereal ascendant and Moon (degrees) at `clock` plus `extraSeconds`, read to the
  // fraction of a second in both ephemerides: the classic formulas, which read the clock
  // to the minute, take its seconds and the extra ones as a later instant. With a whole
  // minute and no extra seconds they are Ascendant(clock) and Moon(clock) to the bit.
  double AscendantAt(const LocalDateTime& clock, double extraSeconds) const;
  double MoonAt(const LocalDateTime& clock, double extraSeconds) const;

  // The Sun, Mercury .. Saturn and the nodes, sidereal. `ayanamsa` (degrees, positive) is
  // the one the classic formulas subtract: the chart passes that of the birth moment for
  // every clock reading. The precise ephemeris is sidereal of its own instant and ignores it.
  PlanetLongitudes Planets(const LocalDateTime& clock, double ayanamsa) const;

  // The Sun alone: Planets(clock, ayanamsa).bodies[kEarthSun]. The classic Sun of the last
  // clock asked is kept before its ayanamsa, so that asking again with another ayanamsa (the
  // timeline does, minute after minute) takes no new orbit; hence an engine belongs to one
  // thread.
  double Sun(const LocalDateTime& clock, double ayanamsa) const;

  // Sunrise and sunset of a civil date by the sunrise convention.
  SunRiseSet SunRiseSetOf(const LocalDateTime& date) const;

 private:
  // A clock reading of the birth place with the birth's zone: universal time = local time
  // + the signed zone correction, one hour less when daylight saving applied. The direction
  // comes from the zone itself, never from the place's hemisphere, so that a place west of
  // Greenwich on a zone ahead of universal time (Madrid on CET) converts right.
  LocalInstant InstantOf(const LocalDateTime& clock) const;
  double JulianDayOf(const LocalDateTime& clock) const;

  Conventions conventions_;
  ZoneCorrection zone_;
  bool dst_ = false;
  GeoPlace place_;
  SunPlace sunPlace_;
  mutable LocalDateTime lastSunClock_{0, 1, 1, 0, 0, 0};
  mutable double lastSunTropical_ = 0.0;
};

}  // namespace velquor
