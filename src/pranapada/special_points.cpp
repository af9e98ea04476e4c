#include "pranapada/special_points.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "astro/position_text.h"

namespace velquor {

namespace {

// Takes 360 off while the value is above 360 (360 itself stays).
double FoldAbove360(double x) {
  while (x > 360.0) x -= 360.0;
  return x;
}

int SignIndexOfText(std::string_view shortText) {
  const int index = SignIndexOfShortPosition(shortText);
  if (index < 0)
    throw std::invalid_argument("not a short position text: \"" + std::string(shortText) + "\"");
  return index;
}

// The factor point counts on from the ascendant's sign by the two factors, mod 12.
int FactorPointSign(const ArudhaState& arudha) {
  const int t = (arudha.AscFactor + arudha.MoonFactor) % 12;
  int sign = arudha.FirstHouseSign + t - 1;
  while (sign > 12) sign -= 12;
  return sign - 1;
}

// An odd-numbered sign (even index) keeps its degree; an even-numbered one is mirrored.
struct OddEven {
  double value;
  bool odd;
};

OddEven ReadOddEven(double degree) {
  if (static_cast<long>(std::floor(degree / 30.0)) % 2 == 0) return {degree, true};
  return {360.0 - degree, false};
}

int OddEvenCombinationSign(double ascendantDegree, double mediumDegree) {
  const OddEven a = ReadOddEven(ascendantDegree);
  const OddEven b = ReadOddEven(mediumDegree);
  double v = a.odd == b.odd ? std::fabs(a.value + b.value) : std::fabs(a.value - b.value);
  v = FoldAbove360(v);
  if (!a.odd) v = 360.0 - v;
  return SignIndexOfLongitude(v);
}

}  // namespace

int SignIndexOfLongitude(double x) {
  const long wholeDegrees = static_cast<long>(std::floor(std::fabs(x)));
  return static_cast<int>((wholeDegrees / 30) % 12);
}

std::array<int, kSpecialPointCount> SpecialPointSigns(const SpecialPointInputs& in,
                                                      std::int64_t elapsedMinutes) {
  const double sun = in.sunAtSunrise;
  const auto minutes = static_cast<double>(elapsedMinutes);
  const double medium = FoldAbove360(sun + 0.5 * minutes);
  const double nakshatraProgress = in.moonSidereal - in.moonNakshatraStart;

  return {
      SignIndexOfLongitude(FoldAbove360(sun + 1.25 * minutes)),
      SignIndexOfLongitude(medium),
      SignIndexOfLongitude(FoldAbove360(sun + 0.25 * minutes)),
      FactorPointSign(in.arudha),
      OddEvenCombinationSign(in.ascendantDegree, std::floor(medium)),
      SignIndexOfText(in.moonText),
      SignIndexOfText(in.sunAtSunriseText),
      SignIndexOfLongitude(
          FoldAbove360(in.ascendantSidereal + nakshatraProgress * (3.0 / 40.0) * 360.0)),
  };
}

}  // namespace velquor
