#include "render/page_fonts.h"

#include <algorithm>

namespace velquor {

namespace {

QFont SizedFont(const QString& family, int size) {
  QFont font(family);
  font.setPixelSize(std::max(1, size));
  // Positions measured on one device hold on another: no snapping of letters to pixels.
  font.setHintingPreference(QFont::PreferNoHinting);
  // Latin text without ligatures, so that text copied out of a PDF reads "fi", not one
  // ligature glyph; scripts that need shaping (Devanagari) keep it.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

}  // namespace

QFont PageFont(int size, bool bold) {
  QFont font = SizedFont(QStringLiteral("DejaVu Sans"), size);
  font.setBold(bold);
  return font;
}

QFont FixedPageFont(int size) {
  QFont font = SizedFont(QStringLiteral("DejaVu Sans Mono"), size);
  font.setStyleHint(QFont::Monospace);
  return font;
}

}  // namespace velquor
