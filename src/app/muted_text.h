// Secondary text (hints, taglines): quieter than the main text yet still readable, unlike
// the grey of a disabled control.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace velquor {

inline void MuteText(QWidget* widget) {
  QPalette muted = widget->palette();
  muted.setColor(QPalette::WindowText, QColor(0x5a, 0x62, 0x70));
  widget->setPalette(muted);
}

}  // namespace velquor
