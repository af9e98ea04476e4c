// Latitudes and longitudes of the atlas (decimal degrees) in the form's whole degrees and
// minutes.
#pragma once

#include <string>

namespace velquor {

struct DegreesMinutes {
  int degrees = 0;        // 0 .. 180
  int minutes = 0;        // 0 .. 59
  bool negative = false;  // South or West; never set for 0° 0'
};

// Given: an angle in decimal degrees. Returned: its size rounded to the nearest minute
// (half a minute rounds up), 60 minutes carried into the degree: 28.99999 → 29° 0'.
DegreesMinutes RoundToMinute(double degrees);

// The command line's form: "28N37", "3W42" (degrees, hemisphere letter, two-digit minutes).
std::string LatitudeText(double latitude);
std::string LongitudeText(double longitude);

}  // namespace velquor
