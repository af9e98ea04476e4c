#include "pranapada/reference_sunrise.h"

namespace velquor {

namespace {

std::int64_t Magnitude(std::int64_t x) { return x < 0 ? -x : x; }

LocalDateTime CutToMinute(LocalDateTime t) {
  t.second = 0;
  return t;
}

}  // namespace

ReferenceDay ReferenceDayOf(const LocalDateTime& birth, const LocalDateTime& sunriseD,
                            const LocalDateTime& sunsetD, NightCount night) {
  if (birth < sunriseD) return ReferenceDay::Previous;
  if (birth > sunsetD && night == NightCount::ToNextSunrise) return ReferenceDay::Next;
  return ReferenceDay::Birth;
}

ElapsedTime ElapsedBetween(const LocalDateTime& referenceSunrise, const LocalDateTime& birth) {
  return {Magnitude(SecondsBetween(referenceSunrise, birth)),
          Magnitude(SecondsBetween(CutToMinute(referenceSunrise), CutToMinute(birth)) / 60)};
}

}  // namespace velquor
