// Arudha padas of the twelve houses, marked in the chart's special-point cells.
#pragma once

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
  int AscFactor = 0;
  int MoonFactor = 0;
};

// One house of the arudha scan; called for the twelve signs starting at the ascendant's.
void MarkArudhaPada(ChartContext& chart, int signIndex, std::string_view lordName);

}  // namespace velquor
