// The birth data of one line of the batch command, read from a JSON object.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/date_time.h"
#include "births/birth_keys.h"
#include "chart/birth_data.h"
#include "chart/conventions.h"

namespace velquor {

struct BatchBirth {
  BirthData birth;
  Conventions conventions;
  std::string note;  // a saved birth's note; the chart does not read it
  // A rectified birth's time as first entered ("entered_time"); the chart does not read it.
  std::optional<LocalDateTime> enteredTime;
  bool conventionsGiven = false;  // the line named a set or a choice (else classic)
};

// Reads the birth data of one line. Required keys: name, year, month, day, hour, minute,
// zone (row index), lat_deg, lat_min, lon_deg, lon_min; optional: second (0), south
// (false), east (true), dst (false), city, state, country (empty), conventions (a set's
// name, "classic" or "modern", or an object of the keys ephemeris, sunrise, pranapada_sun
// and after_sunset; classic when absent), note (a text, empty), entered_time (a text
// "YYYY-MM-DDTHH:MM:SS", none). Numbers must be whole and fit an
// int, flags booleans, texts strings; any other key is an error. Throws InputError naming the key
// (or "line" for a line that is not a JSON object).
BatchBirth ParseBatchLine(std::string_view line);

}  // namespace velquor
