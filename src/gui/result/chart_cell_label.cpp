#include "gui/result/chart_cell_label.h"

#include <QRegularExpression>

namespace velquor {

ChartCellLabel::ChartCellLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QStringList ChartCellLabel::visibleLines() const {
  static const QRegularExpression kBreaks(QStringLiteral("[\r\n]+"));
  QStringList lines = text().split(kBreaks, Qt::SkipEmptyParts);
  lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
  return lines;
}

QSize ChartCellLabel::sizeHint() const {
  const QFontMetrics metrics(font());
  int width = 0;
  const QStringList lines = visibleLines();
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  const int height = static_cast<int>(lines.size()) * metrics.lineSpacing();
  const QMargins margins = contentsMargins();
  return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

QSize ChartCellLabel::minimumSizeHint() const { return sizeHint(); }

void ChartCellLabel::paintEvent(QPaintEvent*) {}

}  // namespace velquor
