#include "gui/result/drawn_sign_chart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "gui/result/chart_style.h"
#include "render/chart_diagram.h"

namespace velquor {

namespace {
// The drawing's own side, in painter units; the widget scales it to its size.
constexpr double kDrawingSide = 3000;
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

void DrawnSignChart::setTitle(const QString& title) {
  title_ = title;
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

QSize DrawnSignChart::sizeHint() const { return ChartStyle::kChartPreferred; }

QSize DrawnSignChart::minimumSizeHint() const { return ChartStyle::kChartSmallest; }

QRectF DrawnSignChart::drawnSquare() const {
  const double side = std::min(width(), height()) - 2;
  return {(width() - side) / 2, (height() - side) / 2, side, side};
}

bool DrawnSignChart::event(QEvent* event) {
  // Over a house whose names are abbreviated, the tooltip gives them whole.
  if (event->type() == QEvent::ToolTip && chart_) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QRectF square = drawnSquare();
    const double scale = square.width() / kDrawingSide;
    const QPointF at = (QPointF(help->pos()) - square.topLeft()) / scale;
    const DiagramLayout layout =
        LayOutChartDiagram(QRectF(0, 0, kDrawingSide, kDrawingSide), *chart_, style_,
                           DiagramCentreText::Drawn, title_);
    for (const DiagramHouse& house : layout.houses) {
      if (!house.abbreviated || !house.outline.containsPoint(at, Qt::OddEvenFill)) continue;
      QStringList whole;
      for (const DiagramText& line : house.lines)
        if (!whole.contains(line.whole)) whole << line.whole;
      QToolTip::showText(help->globalPos(), whole.join(u'\n'), this);
      return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  return QWidget::event(event);
}

void DrawnSignChart::paintEvent(QPaintEvent*) {
  const QRectF square = drawnSquare();
  const double side = square.width();
  if (side <= 0) return;
  QPainter painter(this);
  painter.translate(square.topLeft());
  painter.scale(side / kDrawingSide, side / kDrawingSide);
  if (chart_) {
    DrawChartDiagram(painter, QRectF(0, 0, kDrawingSide, kDrawingSide), *chart_, style_,
                     DiagramCentreText::Drawn, title_);
  } else {
    painter.fillRect(QRectF(0, 0, kDrawingSide, kDrawingSide), Qt::white);
  }
}

}  // namespace velquor
