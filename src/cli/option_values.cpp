#include "cli/option_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>

#include "births/input_error.h"
#include "chart/time_zones.h"
#include "text/json_text.h"

namespace velquor {

namespace {

// Reads a run of `minDigits` to `maxDigits` decimal digits at the front of `text`,
// advancing it; nothing when the run is shorter or longer.
std::optional<int> TakeDigits(std::string_view& text, std::size_t minDigits,
                              std::size_t maxDigits) {
  std::size_t count = 0;
  while (count < text.size() && std::isdigit(static_cast<unsigned char>(text[count]))) ++count;
  if (count < minDigits || count > maxDigits) return std::nullopt;
  int value = 0;
  std::from_chars(text.data(), text.data() + count, value);
  text.remove_prefix(count);
  return value;
}

bool TakeChar(std::string_view& text, char expected) {
  if (text.empty() || text.front() != expected) return false;
  text.remove_prefix(1);
  return true;
}

[[noreturn]] void ThrowMalformed(std::string_view option, std::string_view expected,
                                 std::string_view text) {
  throw InputError(std::string(option),
                   "expected " + std::string(expected) + ", got \"" + std::string(text) + "\"");
}

AngleOption ParseAngle(std::string_view option, std::string_view text, char positive, char negative,
                       std::string_view expected) {
  std::string_view rest = text;
  const auto degrees = TakeDigits(rest, 1, 3);
  if (!degrees || rest.empty()) ThrowMalformed(option, expected, text);
  // cppcheck-suppress containerOutOfBounds ; ThrowMalformed does not return
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(rest.front())));
  if (letter != positive && letter != negative) ThrowMalformed(option, expected, text);
  rest.remove_prefix(1);
  const auto minutes = TakeDigits(rest, 1, 2);
  if (!minutes || !rest.empty()) ThrowMalformed(option, expected, text);
  return AngleOption{*degrees, *minutes, letter == positive};
}

}  // namespace

std::size_t ParseCountOption(std::string_view option, std::string_view text, std::size_t maximum) {
  const std::string expected = "a whole number from 1 to " + std::to_string(maximum);
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    ThrowMalformed(option, expected, text);
  }
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < 1 || value > maximum) {
    ThrowMalformed(option, expected, text);
  }
  return value;
}

std::string DecimalWholeNumber(std::string& text) {
  const std::size_t sign = !text.empty() && text.front() == '-' ? 1 : 0;
  if (text.size() == sign || text.find_first_not_of("0123456789", sign) != std::string::npos) {
    return "a whole number in decimal digits, not \"" + text + "\"";
  }
  const std::size_t first = std::min(text.find_first_not_of('0', sign), text.size() - 1);
  std::string digits = text.substr(first);
  text = sign == 1 && digits != "0" ? "-" + digits : digits;
  return {};
}

DateOption ParseDateOption(std::string_view text) {
  constexpr std::string_view kExpected = "a date as YYYY-MM-DD";
  std::string_view rest = text;
  const auto year = TakeDigits(rest, 4, 4);
  const bool dash1 = year && TakeChar(rest, '-');
  const auto month = dash1 ? TakeDigits(rest, 2, 2) : std::nullopt;
  const bool dash2 = month && TakeChar(rest, '-');
  const auto day = dash2 ? TakeDigits(rest, 2, 2) : std::nullopt;
  if (!day || !rest.empty()) ThrowMalformed("--date", kExpected, text);
  return DateOption{*year, *month, *day};
}

TimeOption ParseTimeOption(std::string_view text) {
  constexpr std::string_view kExpected = "a time as HH:MM or HH:MM:SS";
  std::string_view rest = text;
  const auto hour = TakeDigits(rest, 1, 2);
  const bool colon1 = hour && TakeChar(rest, ':');
  const auto minute = colon1 ? TakeDigits(rest, 2, 2) : std::nullopt;
  if (!minute) ThrowMalformed("--time", kExpected, text);
  TimeOption time{*hour, *minute, 0};
  if (TakeChar(rest, ':')) {
    const auto second = TakeDigits(rest, 2, 2);
    if (!second) ThrowMalformed("--time", kExpected, text);
    time.second = *second;
  }
  if (!rest.empty()) ThrowMalformed("--time", kExpected, text);
  return time;
}

AngleOption ParseLatitudeOption(std::string_view text) {
  return ParseAngle("--lat", text, 'N', 'S', "degrees, N or S, minutes, as 28N37");
}

AngleOption ParseLongitudeOption(std::string_view text) {
  return ParseAngle("--lon", text, 'E', 'W', "degrees, E or W, minutes, as 77E13");
}

int ParseZoneOption(std::string_view text) {
  std::string_view rest = text;
  if (const auto index = TakeDigits(rest, 1, 2); index && rest.empty()) {
    if (*index < kTimeZoneCount) return *index;
  } else if (const int labelled = TimeZoneIndexOfLabel(text); labelled >= 0) {
    return labelled;
  }
  throw InputError("--zone", "no time-zone row has the index or label \"" + std::string(text) +
                                 "\" (the rows are 0 to " + std::to_string(kTimeZoneCount - 1) +
                                 "; velquor-cli zones lists them)");
}

void RequireUtf8Option(std::string_view option, std::string_view text) {
  if (!IsValidUtf8(text)) throw InputError(std::string(option), "is not valid UTF-8 text");
}

}  // namespace velquor
