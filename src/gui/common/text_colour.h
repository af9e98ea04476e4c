// Text colours of single labels, set through their palette so that they follow the label
// wherever the style draws it.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace velquor {

inline void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

// Secondary text (hints, taglines): quieter than the main text yet still readable, unlike
// the grey of a disabled control.
inline void MuteText(QWidget* widget) { SetTextColour(widget, QColor(0x5a, 0x62, 0x70)); }

}  // namespace velquor
