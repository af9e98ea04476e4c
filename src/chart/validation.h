// The checks of the birth data before a chart, shared by the form and the command-line
// tool, and the reading of the form's boxes into numbers.
#pragma once

#include <optional>
#include <string>

#include "chart/birth_data.h"

namespace velquor {

enum class MessageIcon { Critical, Information };

// The fields of the birth data a check can be about.
enum class BirthField : std::size_t {
  Name,
  Year,
  Month,
  Day,
  Hour,
  Minute,
  Second,
  Zone,
  LatDegrees,
  LatMinutes,
  LonDegrees,
  LonMinutes,
  City,
  State,
  Country,
  Count
};

struct ValidationFailure {
  std::string message;
  MessageIcon icon = MessageIcon::Critical;
  BirthField field = BirthField::Name;  // the two date checks are about the day
};

// The checks in order; the first that fails, or nothing when the birth may be charted.
// First the ranges the form's lists keep (years 1901..2050, months 1..12, days 1..31,
// hours 0..23, minutes and seconds 0..59, a zone row 0..70), worded "year 2051 is not
// within 1901 to 2050"; then the form's seven checks with its own messages: a name, the
// longitude's and latitude's degrees and minutes (0..179, 0..59, 0..89, 0..59), and the
// day of February and of the thirty-day months, with every year divisible by 4 a leap year
// (exact for 1901..2050).
std::optional<ValidationFailure> ValidateBirthData(const BirthData& birth);

// The same checks without the name's: what a chart run needs.
std::optional<ValidationFailure> CheckChartable(const BirthData& birth);

// The three checks before a place look-up (texts not trimmed), in order.
std::optional<ValidationFailure> ValidatePlaceQuery(const BirthData& birth);

// city + " " + state + " " + country + " Latitude Longitude".
std::string PlaceQueryText(const BirthData& birth);

// The number of a box: its trimmed text's leading decimal digits (none gives nothing),
// so a pasted "12abc" reads 12 and "-5" reads nothing. Numbers beyond INT_MAX read INT_MAX.
std::optional<int> LeadingNumber(const std::string& text);

// The number of a box as the birth data holds it: LeadingNumber, or -1 for a box without
// leading digits, which every check of a box refuses like an out-of-range number.
int BoxNumber(const std::string& text);

}  // namespace velquor
