// The twelve signs as the charts show them: their full English names by sign index, Aries
// first, and the cell of each in the South-Indian chart.
#pragma once

#include <array>

namespace velquor {

inline constexpr std::array<const char*, 12> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// A cell of the South-Indian chart's square of four by four: column from the left and row
// from the top, 0..3.
struct SouthIndianCell {
  int column = 0;
  int row = 0;
};

// The cell of each sign, by sign index: the signs stay in their cells for every chart,
// clockwise around the square from Aries in the second cell of the top row, with Pisces at
// the top left; the middle two by two cells hold no sign.
inline constexpr std::array<SouthIndianCell, 12> kSouthIndianCells = {{{1, 0},
                                                                       {2, 0},
                                                                       {3, 0},
                                                                       {3, 1},
                                                                       {3, 2},
                                                                       {3, 3},
                                                                       {2, 3},
                                                                       {1, 3},
                                                                       {0, 3},
                                                                       {0, 2},
                                                                       {0, 1},
                                                                       {0, 0}}};

}  // namespace velquor
