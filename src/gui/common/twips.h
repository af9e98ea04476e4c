// Distances of the window layout rules are kept in twips, 1/1440 inch: 15 twips are one
// pixel on a 96 dpi screen.
#pragma once

#include <cmath>

namespace velquor {

inline int TwipsToPixels(int twips, double logicalDpi) {
  return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

}  // namespace velquor
