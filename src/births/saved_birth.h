// One birth as the births database keeps it: the form's every field, the conventions in
// force when it was saved, a free-text note, the time first entered when the saved one is a
// rectified time, and when it was made and last changed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "astro/date_time.h"
#include "chart/birth_data.h"
#include "chart/conventions.h"

namespace velquor {

struct SavedBirth {
  std::int64_t id = 0;  // the database's row; 0 for a birth not saved yet
  BirthData birth;
  Conventions conventions;
  std::string note;
  std::string created;   // UTC, ISO 8601 ("2026-12-08T15:45:23Z"); set by the database
  std::string modified;  // the same, at the last change
  // For a rectified birth (its time moved from the one recorded): the date and time as first
  // entered, on the birth's local clock; nothing for a birth saved as entered.
  std::optional<LocalDateTime> enteredTime;

  bool operator==(const SavedBirth&) const = default;
};

}  // namespace velquor
