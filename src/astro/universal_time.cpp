#include "astro/universal_time.h"

#include "entry/birth_data.h"
#include "entry/time_zones.h"

namespace velquor {

double LocalToUniversalHours(const BirthData& birth, const ZoneCorrection& zone) {
  return zone.Hours() - (birth.isDst ? 1.0 : 0.0);
}

}  // namespace velquor
