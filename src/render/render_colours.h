// The ink and tints of a drawn chart and page: dark enough to print in black and white,
// the Pranapada Lagna's accent included.
#pragma once

#include <QColor>

namespace velquor::RenderColours {

inline const QColor kPaper{0xff, 0xff, 0xff};
inline const QColor kInk{0x1f, 0x24, 0x30};
inline const QColor kFaintInk{0x5f, 0x66, 0x73};
inline const QColor kLine{0x34, 0x3f, 0x56};
inline const QColor kAccent{0xa3, 0x1f, 0x18};         // "PpL" and the result
inline const QColor kPranapadaTint{0xf1, 0xe4, 0xd6};  // the house it stands in

}  // namespace velquor::RenderColours
