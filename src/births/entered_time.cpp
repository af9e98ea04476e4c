#include "births/entered_time.h"

#include <cstddef>
#include <cstdio>
#include <string>

#include "births/input_error.h"

namespace velquor {

std::string EnteredTimeText(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return text;
}

LocalDateTime ReadEnteredTime(std::string_view text) {
  constexpr std::string_view kForm = "0000-00-00T00:00:00";
  const auto fault = [&]() -> InputError {
    return InputError(std::string(kEnteredTimeKey),
                      "expected a date and time as YYYY-MM-DDTHH:MM:SS");
  };
  if (text.size() != kForm.size()) throw fault();
  for (std::size_t i = 0; i < kForm.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kForm[i] == '0' ? !digit : text[i] != kForm[i]) throw fault();
  }
  const auto number = [&](std::size_t at, std::size_t length) {
    int value = 0;
    for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  const LocalDateTime t{number(0, 4),  number(5, 2),  number(8, 2),
                        number(11, 2), number(14, 2), number(17, 2)};
  if (t.year < 1 || !IsValidCivilDate(t.year, t.month, t.day) || t.hour > 23 || t.minute > 59 ||
      t.second > 59) {
    throw fault();
  }
  return t;
}

}  // namespace velquor
