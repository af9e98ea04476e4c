// A reading of the local clock together with the correction that turns it into universal
// time: the instant every engine step is computed for.
#pragma once

#include "astro/date_time.h"

namespace velquor {

struct LocalInstant {
  LocalDateTime clock;          // local civil date and clock time
  double hoursToUniversal = 0;  // universal time = clock + this many hours (daylight included)
};

// Geographic place of a chart, in decimal degrees.
struct GeoPlace {
  double latitude = 0.0;   // North positive
  double longitude = 0.0;  // East positive
};

}  // namespace velquor
