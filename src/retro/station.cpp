#include "retro/station.h"

#include <array>
#include <charconv>
#include <stdexcept>

namespace velquor {

namespace {

[[noreturn]] void RejectStation(std::string_view text, const char* why) {
  throw std::invalid_argument("station text \"" + std::string(text) + "\": " + why);
}

}  // namespace

LocalDateTime ToLocalDateTime(const StationMoment& moment) {
  return {moment.year, moment.month, moment.day, moment.hour, moment.minute, 0};
}

std::string FormatStation(const StationMoment& moment) {
  std::string text;
  for (const int value : {moment.month, moment.day, moment.year, moment.hour, moment.minute}) {
    text += std::to_string(value);
    text += ',';
  }
  return text;
}

LocalDateTime ParseStation(std::string_view text) {
  // Five numbers, each closed by a comma: month, day, year, hour, minute.
  std::array<int, 5> values{};
  std::string_view rest = text;
  for (int& value : values) {
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos)
      RejectStation(text, "expected five numbers each followed by a comma");
    const std::string_view part = rest.substr(0, comma);
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (part.empty() || error != std::errc() || end != part.data() + part.size()) {
      RejectStation(text, "a part is not a whole number");
    }
    rest.remove_prefix(comma + 1);
  }
  if (!rest.empty()) RejectStation(text, "text after the fifth comma");

  const auto [month, day, year, hour, minute] = values;
  if (year < 1000 || year > 9999 || !IsValidCivilDate(year, month, day))
    RejectStation(text, "not a calendar date");
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) RejectStation(text, "not a time of day");
  return {year, month, day, hour, minute, 0};
}

}  // namespace velquor
