#include "gui/common/elided_label.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace velquor {

ElidedLabel::ElidedLabel(int hintCharacters, QWidget* parent)
    : QLabel(parent), hintCharacters_(hintCharacters) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
}

void ElidedLabel::setWholeText(const QString& text) {
  setText(text);
  setToolTip(text);
}

QString ElidedLabel::shownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize ElidedLabel::sizeHint() const {
  const QSize whole = QLabel::sizeHint();
  const int most = fontMetrics().averageCharWidth() * hintCharacters_;
  return {std::min(whole.width(), most), whole.height()};
}

QSize ElidedLabel::minimumSizeHint() const {
  // Room for a letter and the ellipsis.
  const QMargins margins = contentsMargins();
  return {fontMetrics().horizontalAdvance(QStringLiteral("M…")) + margins.left() + margins.right(),
          QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
  const QString shown = shownText();
  if (shown == text()) {
    QLabel::paintEvent(event);  // the whole text fits: drawn as any label, selection included
    return;
  }
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                        isEnabled(), shown, foregroundRole());
}

}  // namespace velquor
