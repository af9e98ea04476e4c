#include "astro/calendar.h"

#include <cmath>

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

std::string_view SignAbbreviation(int signIndex) {
  return SignAbbreviations.substr(static_cast<std::size_t>(signIndex) * 3, 3);
}

int SignIndexOfAbbreviation(std::string_view abbreviation) {
  for (int i = 0; i < 12; ++i) {
    if (SignAbbreviation(i) == abbreviation) return i;
  }
  return -1;
}

long JulianDayNumber(int month, int day, int year) {
  // Whole numbers held in doubles, which represent them exactly at these sizes.
  const double m = month + 12.0 * (year + 4800) - 3;
  double j = std::floor((2.0 * (m - 12.0 * std::floor(m / 12.0)) + 7.0 + 365.0 * m) / 12.0);
  j = j + day + std::floor(m / 48.0) - 32083.0;
  if (j > 2299171.0) j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
  return static_cast<long>(j);
}

double DaysSinceJ2000(int year, int month, int day, int hour, int minute) {
  const double y = year;
  return 367.0 * y - std::floor(7.0 * (y + std::floor((month + 9) / 12.0)) / 4.0) + std::floor(275.0 * month / 9.0) +
         day - 730531.5 + (hour + minute / 60.0) / 24.0;
}

double AyanamsaCorrection(double T) {
  double node = (933060.0 - 6962911.0 * T + 7.5 * T * T) / 3600.0;
  while (node >= 360.0) node -= 360.0;
  const double twiceSun = (2013816.0 + 259205536.0 * T) / 3600.0;
  const double nutation = 1.27 * std::sin(twiceSun * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
  const double v = nutation - T * (1.11 * T + 5025.64);
  return (v - 80861.27) / 3600.0;
}

double NormalizeDegrees(double x) {
  if (x < 0.0) x += 360.0;
  if (x > 360.0) x -= 360.0;
  return x;
}

double ReduceRadians(double x) {
  const double q = x / kTwoPi;
  double r = (q - std::trunc(q)) * kTwoPi;
  if (r < 0.0) r += kTwoPi;
  return r;
}

double QuadrantAtan(double y, double x) {
  if (x > 0.0) return std::atan(y / x);
  const double signY = (y > 0.0) ? 1.0 : (y < 0.0 ? -1.0 : 0.0);
  if (x == 0.0) return signY * kPi / 2.0;
  return (kPi - std::atan(std::fabs(y / x))) * signY;
}

std::string FormatLongitude(double x) {
  const double a = std::fabs(x);
  const long wholeDegrees = IntFloor(a);
  const double minutesExact = 60.0 * (a - static_cast<double>(wholeDegrees));
  const long minutes = IntFloor(minutesExact);
  const long seconds = IntFloor(60.0 * (minutesExact - static_cast<double>(minutes)));
  long signIndex = wholeDegrees / 30;
  if (signIndex >= 12) signIndex %= 12;  // exactly 360 reads as Aries
  const long inSign = wholeDegrees % 30;

  std::string text;
  text.reserve(24);
  text += std::to_string(inSign);
  text += "\u00B0 ";
  text += std::to_string(minutes);
  text += "' ";
  text += std::to_string(seconds);
  text += "\" ";
  text += SignAbbreviation(static_cast<int>(signIndex));
  return text;
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

int SignIndexOfShortPosition(std::string_view shortText) {
  if (shortText.size() < 6) return -1;
  return SignIndexOfAbbreviation(shortText.substr(3, 3));
}

}  // namespace velquor
