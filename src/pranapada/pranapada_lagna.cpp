#include "pranapada/pranapada_lagna.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "astro/position_text.h"

namespace velquor {

namespace {

int DigitPair(std::string_view text, std::size_t at) {
  const char tens = text[at];
  const char ones = text[at + 1];
  if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return -1;
  return (tens - '0') * 10 + (ones - '0');
}

// Degrees, sign index and minutes of a short position text "DD Abc MM".
struct ShortParts {
  int degrees;
  int signIndex;
  int minutes;
};

ShortParts ReadShortPosition(std::string_view text) {
  const ShortParts parts{text.size() == 9 ? DigitPair(text, 0) : -1, SignIndexOfShortPosition(text),
                         text.size() == 9 ? DigitPair(text, 7) : -1};
  if (parts.degrees < 0 || parts.signIndex < 0 || parts.minutes < 0) {
    throw std::invalid_argument("not a short position text: \"" + std::string(text) + "\"");
  }
  return parts;
}

// Signs to add to the arc for the kind of sign the Sun occupies.
int SignKindShift(int sunSignIndex) {
  switch (sunSignIndex % 3) {
    case 0:
      return sunSignIndex;  // movable: Aries, Cancer, Libra, Capricorn
    case 1:
      return sunSignIndex + 8;  // fixed: Taurus, Leo, Scorpio, Aquarius
    default:
      return sunSignIndex + 4;  // dual: Gemini, Virgo, Sagittarius, Pisces
  }
}

}  // namespace

void Vighati2Degree(double x, PranapadaResult& result) {
  x = std::fabs(x);
  const double whole = std::floor(x);
  const double degrees = (x - whole) * 30.0;
  const double minutes = (degrees - std::floor(degrees)) * 60.0;
  result.Signs = static_cast<int>(whole);
  result.Degrees = static_cast<int>(std::floor(degrees));
  result.Minutes = static_cast<int>(std::floor(minutes));
}

PranapadaResult ComputePranapadaLagna(std::string_view sunAtSunriseText,
                                      std::int64_t elapsedSeconds, int ascSign) {
  const ShortParts sun = ReadShortPosition(sunAtSunriseText);

  PranapadaResult result;
  // Hours, then vighatis (150 an hour), then signs of 15 vighatis, in this order.
  Vighati2Degree(static_cast<double>(elapsedSeconds) / 3600.0 * 150.0 / 15.0, result);

  const int minuteCarry = (sun.minutes + result.Minutes) / 60;
  const int degreeCarry = (minuteCarry + sun.degrees + result.Degrees) / 30;
  result.Signs += degreeCarry;

  int index = result.Signs + SignKindShift(sun.signIndex);
  while (index > 11) index -= 12;
  result.PpLSign = index + 1;

  const int diff = result.PpLSign - ascSign;
  result.House = diff < 0 ? diff + 13 : diff + 1;
  return result;
}

double PranapadaLongitude(std::string_view sunAtSunriseText, const PranapadaResult& result) {
  const ShortParts sun = ReadShortPosition(sunAtSunriseText);
  const int minutes = sun.minutes + result.Minutes;
  const int degrees = (minutes / 60 + sun.degrees + result.Degrees) % 30;
  return (result.PpLSign - 1) * 30.0 + degrees + (minutes % 60) / 60.0;
}

}  // namespace velquor
