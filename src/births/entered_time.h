// The entered time of a rectified birth as the exchange formats write it:
// "1985-03-21T10:45:00", the date and time first entered on the birth's local clock.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/date_time.h"

namespace velquor {

// The key (and CSV column) of the entered time; a line without it is a birth saved as entered.
inline constexpr std::string_view kEnteredTimeKey = "entered_time";

// "YYYY-MM-DDTHH:MM:SS" of `t`.
std::string EnteredTimeText(const LocalDateTime& t);

// The reverse of EnteredTimeText: exactly that form, a year 0001..9999, a real day of the
// calendar and a time of 00:00:00..23:59:59. Throws InputError naming kEnteredTimeKey for
// any other text.
LocalDateTime ReadEnteredTime(std::string_view text);

}  // namespace velquor
