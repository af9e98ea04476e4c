// Position texts of a longitude: the long form (degrees, minutes and seconds within the
// sign, then the sign) and the short form that later steps read by character position.
#pragma once

#include <string>
#include <string_view>

namespace velquor {

// Long position text of |x| degrees: degrees within the sign, "° ", minutes, "' ",
// seconds, a double quote and a blank, sign abbreviation; e.g. 123.5 -> 3° 30' 0" Leo.
// Exactly 360 reads as 0° 0' 0" Ari.
std::string FormatLongitude(double x);

// Short position text of a FormatLongitude text: two-digit degrees, blank, abbreviation,
// blank, two-digit minutes; e.g. 3° 30' 0" Leo -> 03 Leo 30. Seconds are dropped.
std::string ShortPosition(std::string_view longText);

// "12°30'": the whole degrees and arc minutes of a longitude (degrees, 0 to 360) within its
// sign, the minutes of two digits. The command line's tables and the chart page share it.
std::string DegreesInSign(double longitude);

// Sign index 0..11 of a short position text (characters 4-6); -1 when unknown.
int SignIndexOfShortPosition(std::string_view shortText);

}  // namespace velquor
