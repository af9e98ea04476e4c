// The twelve-sign chart as text: a 4 x 4 grid of box-drawing cells with fixed sign places,
// clockwise from Pisces at the top left, and one empty box in the middle.
#pragma once

#include <array>
#include <string>

namespace velquor {

// `signCells` and `specialCells` are the chart's cell texts by sign index (0 = Aries):
// lines separated by "\r\n". Each cell shows its sign's name, "PpL" on the right of the
// name when the special-point cell holds that tag, then the bodies one per line.
// The result is UTF-8, lines ending in "\n".
std::string DrawSignGrid(const std::array<std::string, 12>& signCells,
                         const std::array<std::string, 12>& specialCells);

}  // namespace velquor
