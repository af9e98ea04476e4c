// Fonts of titles and small print, relative to the font the user chose, so that they keep
// their proportions at any font size and screen scaling.
#pragma once

#include <QFont>

namespace velquor {

enum class Weight { Regular, Bold };

inline QFont ScaledFont(QFont base, double factor, Weight weight) {
  base.setPointSizeF(base.pointSizeF() * factor);
  base.setBold(weight == Weight::Bold);
  return base;
}

}  // namespace velquor
