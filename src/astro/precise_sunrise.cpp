#include "astro/precise_sunrise.h"

#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "astro/date_time.h"
#include "astro/precise_ephemeris.h"
#include "astro/swe_thread.h"

namespace velquor {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Altitude of the Sun's centre at the moment each definition counts as the crossing:
// semi-diameter (16') plus standard refraction (34') below the horizon for the upper limb,
// the true horizon for the centre.
double CrossingAltitude(SunDisc disc) { return disc == SunDisc::UpperLimb ? -50.0 / 60.0 : 0.0; }

int RiseSetBits(SunDisc disc) {
  return disc == SunDisc::UpperLimb ? 0 : SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
}

// Where the Sun stands on a date on which an event does not happen: decided by its
// altitude at upper culmination, 90 - |latitude - declination|, the highest it gets that
// day. If even that stays below the crossing altitude the Sun is down all day; otherwise
// it is up through the day (a polar day, or a clock so far from solar time that the
// missing event falls just before or after the civil day, while the Sun is up at that
// end of the day). The declination is taken at local mean noon, within a quarter of an
// hour of the culmination; the sign cannot come out wrong except within minutes of arc
// of the threshold, on the first or last day of a polar day or night.
SunEventStatus AbsentStatus(double latitude, double declination, SunDisc disc) {
  const double culmination = 90.0 - std::fabs(latitude - declination);
  return culmination > CrossingAltitude(disc) ? SunEventStatus::SunStaysUp
                                              : SunEventStatus::SunStaysDown;
}

// Declination of the apparent Sun in degrees; throws when the data files are not used.
double SunDeclination(double jdUt) {
  std::array<double, 6> position{};
  std::array<char, AS_MAXCH> message{};
  const int flags =
      swe_calc_ut(jdUt, SE_SUN, SEFLG_SWIEPH | SEFLG_EQUATORIAL, position.data(), message.data());
  swe_thread::RequireDataFiles(flags, message.data(), "Sun");
  return position[1];
}

// The first event of kind `riseOrSet` from local midnight, if it happens before the next
// local midnight.
SunEvent FindEvent(int riseOrSet, const LocalDateTime& localMidnight, double midnightUt,
                   const SunPlace& place, SunDisc disc, SunEventStatus ifAbsent) {
  std::array<double, 3> geographic = {place.longitude, place.latitude, 0.0};
  std::array<char, AS_MAXCH> message{};
  double eventUt = 0.0;
  // swe_rise_trans takes a non-const star name; the Sun needs none.
  const int found =
      swe_rise_trans(midnightUt, SE_SUN, nullptr, SEFLG_SWIEPH, riseOrSet | RiseSetBits(disc),
                     geographic.data(), 0.0, 0.0, &eventUt, message.data());
  SunEvent event;
  event.status = ifAbsent;
  if (found == -2) return event;  // circumpolar: no crossing within the library's search
  if (found < 0)
    throw std::runtime_error(std::string("Swiss Ephemeris: no sunrise or sunset: ") +
                             message.data());

  const std::int64_t seconds =
      std::llround((eventUt - midnightUt) * static_cast<double>(kSecondsPerDay));
  if (seconds < 0 || seconds >= kSecondsPerDay) return event;
  event.status = SunEventStatus::Occurs;
  event.time = AddSeconds(localMidnight, seconds);
  return event;
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

  const LocalDateTime localMidnight{year, month, day, 0, 0, 0};
  const double midnightUt = JulianDayUt(year, month, day, -place.zoneOffset);
  // Also the check that the data files are in use: the rise search itself would fall back
  // to the built-in model without a word.
  const double declination =
      SunDeclination(JulianDayUt(year, month, day, 12.0 - place.longitude / 15.0));
  const SunEventStatus ifAbsent = AbsentStatus(place.latitude, declination, disc);

  SunRiseSet result;
  result.sunrise = FindEvent(SE_CALC_RISE, localMidnight, midnightUt, place, disc, ifAbsent);
  result.sunset = FindEvent(SE_CALC_SET, localMidnight, midnightUt, place, disc, ifAbsent);
  return result;
}

}  // namespace velquor
