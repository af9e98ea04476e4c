#include "pranapada/arudha.h"

#include <array>
#include <stdexcept>
#include <string>

#include "astro/position_text.h"

namespace velquor {

namespace {

constexpr std::array<std::string_view, 12> kSignLords = {
    "Mars",  "Venus", "Mercury", "Moon",   "Sun",    "Mercury",
    "Venus", "Mars",  "Jupiter", "Saturn", "Saturn", "Jupiter"};

constexpr std::array<int, 12> kSignFactors = {10, 1, 1, 10, 6, 10, 8, 16, 30, 8, 10, 6};

constexpr int kMoonIndex = 1;
constexpr int kAscendantIndex = 9;

// Chart names carry " (R) " after a retrograde planet; the planet itself is what counts.
bool NamesPlanet(std::string_view chartName, std::string_view planet) {
  static constexpr std::string_view kRetrogradeMark = " (R) ";
  if (chartName.size() == planet.size() + kRetrogradeMark.size() &&
      chartName.ends_with(kRetrogradeMark)) {
    chartName.remove_suffix(kRetrogradeMark.size());
  }
  return chartName == planet;
}

int SignNumberOf(const std::string& positionText) {
  const int index = SignIndexOfShortPosition(positionText);
  if (index < 0) throw std::invalid_argument("not a short position text: \"" + positionText + "\"");
  return index + 1;
}

int WrapSignNumber(int n) {
  while (n > 12) n -= 12;
  return n;
}

}  // namespace

std::string_view SignLord(int signIndex) {
  return kSignLords.at(static_cast<std::size_t>(signIndex));
}

int SignFactor(int signNumber) { return kSignFactors.at(static_cast<std::size_t>(signNumber - 1)); }

int MarkArudhaPada(ArudhaState& s, const ArudhaBodies& bodies, int /*signIndex*/,
                   std::string_view lordName) {
  if (s.HouseCount == 0) {
    for (std::size_t i = 0; i < 10; ++i) s.BodySigns[i] = SignNumberOf(bodies.positionTexts[i]);
  }
  s.HouseCount += 1;

  bool lordFound = false;
  for (int i = 0; i < 10; ++i) {
    const int sign = s.BodySigns[static_cast<std::size_t>(i)];
    if (NamesPlanet(bodies.chartNames[static_cast<std::size_t>(i)], lordName)) {
      s.LordSign = sign;
      lordFound = true;
    }
    if (i == kMoonIndex) s.MoonFactor = SignFactor(sign);
    if (i == kAscendantIndex) {
      s.HouseSign = sign;
      s.AscFactor = SignFactor(sign);
    }
  }
  if (!lordFound)
    throw std::invalid_argument("no chart body is named \"" + std::string(lordName) + "\"");

  if (s.HouseCount == 1) {
    s.FirstHouseSign = s.HouseSign;
    s.FirstLordSign = s.LordSign;
  } else {
    s.HouseSign = WrapSignNumber(s.HouseSign + (s.HouseCount - 1));
  }

  int distance = (s.LordSign - s.HouseSign) * 2;
  while (distance < 0) distance += 12;
  while (distance > 12) distance -= 12;
  if (distance == 0 || distance == 12) distance = 9;

  int pada = WrapSignNumber(s.HouseSign + distance);
  if (pada - s.HouseSign == 6 || pada - s.HouseSign == -6) pada = WrapSignNumber(pada + 9);

  return pada - 1;
}

}  // namespace velquor
