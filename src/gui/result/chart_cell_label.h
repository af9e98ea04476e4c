// A label of the sign chart. Its text() is exactly what the chart run wrote, "\r\n" breaks
// and empty tags included, for screen readers; it draws nothing itself: the chart draws
// its lines (render/chart_diagram.h) where the label stands, fitted to the cell.
#pragma once

#include <QLabel>
#include <QStringList>

namespace velquor {

class ChartCellLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ChartCellLabel(QWidget* parent = nullptr);

  // The non-empty lines of the text, top to bottom.
  QStringList visibleLines() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velquor
