#include "gui/result/drawn_sign_chart.h"

#include <QPainter>
#include <algorithm>

#include "render/chart_diagram.h"

namespace velquor {

namespace {
// The drawing's own side, in painter units; the widget scales it to its size.
constexpr double kDrawingSide = 3000;
// Device-independent pixels: a side at which the bodies of a crowded house still read.
constexpr int kPreferredSide = 520;
constexpr int kSmallestSide = 440;
}  // namespace

DrawnSignChart::DrawnSignChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picDrawnChart"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFocusPolicy(Qt::TabFocus);  // so that a screen reader can reach the description
  describe();
}

void DrawnSignChart::setChart(const std::optional<ChartResult>& chart) {
  chart_ = chart;
  describe();
  update();
}

void DrawnSignChart::setStyle(DiagramStyle style) {
  style_ = style;
  describe();
  update();
}

void DrawnSignChart::describe() {
  const std::string_view title = TitleOf(style_);
  setAccessibleName(
      QStringLiteral("Sign chart, %1 style")
          .arg(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()))));
  setAccessibleDescription(chart_ ? DiagramDescription(*chart_, style_)
                                  : QStringLiteral("No chart"));
}

QSize DrawnSignChart::sizeHint() const { return {kPreferredSide, kPreferredSide}; }

QSize DrawnSignChart::minimumSizeHint() const { return {kSmallestSide, kSmallestSide}; }

void DrawnSignChart::paintEvent(QPaintEvent*) {
  const double side = std::min(width(), height()) - 2;
  if (side <= 0) return;
  QPainter painter(this);
  painter.translate((width() - side) / 2, (height() - side) / 2);
  painter.scale(side / kDrawingSide, side / kDrawingSide);
  if (chart_) {
    DrawChartDiagram(painter, QRectF(0, 0, kDrawingSide, kDrawingSide), *chart_, style_);
  } else {
    painter.fillRect(QRectF(0, 0, kDrawingSide, kDrawingSide), Qt::white);
  }
}

}  // namespace velquor
