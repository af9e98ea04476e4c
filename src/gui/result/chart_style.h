// Colours and sizes of the result window's chart, in one place.
#pragma once

#include <QColor>
#include <QSize>

namespace velquor::ChartStyle {

inline const QColor kPaper{0xff, 0xff, 0xff};
inline const QColor kInk{0x1f, 0x24, 0x30};
inline const QColor kFaintInk{0x8a, 0x93, 0xa3};
inline const QColor kLine{0x34, 0x3f, 0x56};
inline const QColor kAccent{0xb3, 0x26, 0x1e};         // the "PpL" tag
inline const QColor kPranapadaTint{0xfb, 0xec, 0xdc};  // the cell it stands in
inline const QSize kCellMinimum{136, 100};             // device-independent pixels

}  // namespace velquor::ChartStyle
