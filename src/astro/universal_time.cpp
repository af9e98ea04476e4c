#include "astro/universal_time.h"

#include "chart/birth_data.h"
#include "chart/time_zones.h"

namespace velquor {

double LocalToUniversalHours(const BirthData& birth, const ZoneCorrection& zone) {
  return zone.Hours() - (birth.isDst ? 1.0 : 0.0);
}

}  // namespace velquor
