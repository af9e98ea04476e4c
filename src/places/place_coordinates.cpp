#include "places/place_coordinates.h"

#include <cmath>
#include <cstdio>

namespace velquor {

namespace {

std::string CompactText(double degrees, char positive, char negative) {
  const DegreesMinutes angle = RoundToMinute(degrees);
  char text[16];
  std::snprintf(text, sizeof text, "%d%c%02d", angle.degrees, angle.negative ? negative : positive,
                angle.minutes);
  return text;
}

}  // namespace

DegreesMinutes RoundToMinute(double degrees) {
  const long totalMinutes = std::lround(std::fabs(degrees) * 60.0);
  return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60),
          degrees < 0.0 && totalMinutes != 0};
}

std::string LatitudeText(double latitude) { return CompactText(latitude, 'N', 'S'); }

std::string LongitudeText(double longitude) { return CompactText(longitude, 'E', 'W'); }

}  // namespace velquor
