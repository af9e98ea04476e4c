// Conversion of the local birth clock to universal time, shared by the ascendant, the
// Moon and the planets.
#pragma once

namespace velquor {

struct BirthData;
struct ZoneCorrection;

// Hours to add to the local clock to get universal time: the signed zone correction, one
// hour less when daylight saving time was in force.
// Notes: the direction comes from the zone itself, never from the place's hemisphere, so
// a place west of Greenwich on a zone ahead of universal time (Madrid on CET) converts right.
double LocalToUniversalHours(const BirthData& birth, const ZoneCorrection& zone);

}  // namespace velquor
