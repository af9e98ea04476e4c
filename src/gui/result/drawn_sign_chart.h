// The sign chart of the result window in the North- or East-Indian style: drawn by the same
// code as the printed page (render/chart_diagram.h), as large as the widget allows and
// centred in it. A screen reader reads the chart house by house as its description; over a
// house whose names are abbreviated, the tooltip gives them whole. The South-Indian style
// has its widget of labels (sign_chart.h), drawn by the same code.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "chart/chart_result.h"
#include "render/diagram_style.h"

namespace velquor {

class DrawnSignChart : public QWidget {
  Q_OBJECT

 public:
  explicit DrawnSignChart(QWidget* parent = nullptr);

  // The chart to draw, or none (an empty square).
  void setChart(const std::optional<ChartResult>& chart);
  void setStyle(DiagramStyle style);
  // The middle's first line, "Rasi" unless set.
  void setTitle(const QString& title);
  DiagramStyle style() const { return style_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void describe();
  // Where the chart is drawn: the largest square that fits, centred.
  QRectF drawnSquare() const;

  std::optional<ChartResult> chart_;
  DiagramStyle style_ = DiagramStyle::North;
  QString title_ = QStringLiteral("Rasi");
};

}  // namespace velquor
