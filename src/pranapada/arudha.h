// Arudha padas of the twelve houses, marked in the chart's special-point cells.
#pragma once

#include <array>
#include <string_view>

namespace velquor {

struct ChartContext;

// State kept between the twelve calls of one chart run; reset before the first.
struct ArudhaState {
  int HouseCount = 0;
  int LordSign = 0;        // 1..12
  int HouseSign = 0;       // 1..12
  int FirstHouseSign = 0;  // the ascendant's sign
  int FirstLordSign = 0;   // the sign of the ascendant's lord
  int AscFactor = 0;       // SignFactor of the ascendant's sign
  int MoonFactor = 0;      // SignFactor of the Moon's sign

  // Sign numbers of the ten bodies, read from their position texts on the first call;
  // the texts do not change during the twelve calls.
  std::array<int, 10> BodySigns{};
};

// The planet that rules sign index 0 (Aries) .. 11 (Pisces), by its chart name.
std::string_view SignLord(int signIndex);

// The factor of sign number 1 (Aries) .. 12 (Pisces) that the factor point adds up.
int SignFactor(int signNumber);

// One house of the arudha scan. Called twelve times per chart, for the ascendant's sign
// and then the following signs in zodiac order, with lordName = SignLord(signIndex); the
// house is told by the call count, so signIndex itself takes no part.
// Reads chart.planets.PositionTexts (birth moment) and chart.ChartNames; updates
// chart.arudha and appends one empty tag to chart.SpecialCells in the sign of the house's
// arudha pada (the first call adds one more in the sign of the ascendant's lord).
// Notes: the arudha never falls in the house itself nor in the seventh from it: both
// move to the tenth sign from there.
void MarkArudhaPada(ChartContext& chart, int signIndex, std::string_view lordName);

}  // namespace velquor
