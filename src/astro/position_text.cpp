#include "astro/position_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "astro/signs.h"

namespace velquor {

namespace {

// "Int" of the classic routines: floor toward minus infinity.
long IntFloor(double x) { return static_cast<long>(std::floor(x)); }

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string FormatLongitude(double x) {
  const double a = std::fabs(x);
  const long wholeDegrees = IntFloor(a);
  const double minutesExact = 60.0 * (a - static_cast<double>(wholeDegrees));
  const long minutes = IntFloor(minutesExact);
  const long seconds = IntFloor(60.0 * (minutesExact - static_cast<double>(minutes)));
  long signIndex = wholeDegrees / 30;
  if (signIndex >= 12) signIndex %= 12;  // exactly 360 reads as Aries
  const long inSign = wholeDegrees % 30;

  // Written into a buffer and copied once: the chart run formats eighteen of these. Three
  // numbers of any size and the separators take at most 70 characters.
  std::array<char, 80> buffer{};
  char* const end = buffer.data() + buffer.size();
  char* at = buffer.data();
  const auto append = [&](std::string_view part) {
    at = std::copy_n(part.data(), std::min(part.size(), static_cast<std::size_t>(end - at)), at);
  };
  const auto appendNumber = [&](long value) { at = std::to_chars(at, end, value).ptr; };
  appendNumber(inSign);
  append("\u00B0 ");
  appendNumber(minutes);
  append("' ");
  appendNumber(seconds);
  append("\" ");
  append(SignAbbreviation(static_cast<int>(signIndex)));
  return {buffer.data(), at};
}

std::string ShortPosition(std::string_view longText) {
  static constexpr std::string_view kDegreeSign = "\u00B0";
  const std::string_view t = TrimBlanks(longText);
  const auto degreeAt = t.find(kDegreeSign);
  const auto minuteAt = t.find('\'');
  const std::string_view degrees = TrimBlanks(t.substr(0, degreeAt));
  const auto afterDegree = degreeAt + kDegreeSign.size();
  const std::string_view minutes = TrimBlanks(t.substr(afterDegree, minuteAt - afterDegree));
  const std::string_view sign = TrimBlanks(t.substr(t.size() - 3));
  std::string result;
  result.reserve(9);
  if (degrees.size() <= 1) result += '0';
  result += degrees;
  result += ' ';
  result += sign;
  result += ' ';
  if (minutes.size() <= 1) result += '0';
  result += minutes;
  return result;
}

std::string DegreesInSign(double longitude) {
  const auto minutes = static_cast<long>(std::floor(longitude * 60.0 + 1e-9));
  std::array<char, 24> text{};
  std::snprintf(text.data(), text.size(), "%ld\u00B0%02ld'", minutes / 60 % 30, minutes % 60);
  return text.data();
}

int SignIndexOfShortPosition(std::string_view shortText) {
  if (shortText.size() < 6) return -1;
  return SignIndexOfAbbreviation(shortText.substr(3, 3));
}

}  // namespace velquor
