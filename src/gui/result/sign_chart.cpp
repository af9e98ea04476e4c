#include "gui/result/sign_chart.h"

#include <QPainter>
#include <algorithm>

#include "chart/sign_names.h"
#include "gui/common/named_widget.h"
#include "gui/result/chart_cell_label.h"
#include "gui/result/chart_style.h"
#include "render/chart_diagram.h"

namespace velquor {

namespace {

// By sign index, Aries first.
constexpr std::array<const char*, 12> kSignLabelNames = {
    "lblAries", "lblTaurus",  "lblGemini",      "lblCancer",    "lblLeo",      "lblVirgo",
    "lblLibra", "lblScorpio", "lblSagattarius", "lblCapricorn", "lblAquarius", "lblPisces"};

// The drawing's own side, in painter units; the widget scales it to its size.
constexpr double kDrawingSide = 3000;

// The rectangle, in the drawing's units, that holds the lines of one kind (bodies or tags).
QRectF Around(const std::vector<DiagramText>& lines, bool tags) {
  QRectF around;
  for (const DiagramText& line : lines)
    if (line.tag == tags) around = around.isNull() ? line.rect : around.united(line.rect);
  return around;
}

// The whole lines, one per line, where the drawing shortened some; else none.
QString WholeLines(const DiagramHouse& house, bool tags) {
  if (!house.abbreviated) return {};
  QStringList whole;
  for (const DiagramText& line : house.lines)
    if (line.tag == tags && !whole.contains(line.whole)) whole << line.whole;
  return whole.join(u'\n');
}

}  // namespace

QPoint SignChart::CellPlace(int signIndex) {
  const SouthIndianCell& cell = kSouthIndianCells.at(static_cast<std::size_t>(signIndex));
  return {cell.column, cell.row};
}

SignChart::SignChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Shape2"));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ChartStyle::kPaper);
  colours.setColor(QPalette::WindowText, ChartStyle::kInk);
  setPalette(colours);

  for (int sign = 0; sign < 12; ++sign) {
    auto* cell = new QWidget(this);
    cell->setObjectName(ArrayElementName("shpHora", sign));
    auto* bodies = Named<ChartCellLabel>(kSignLabelNames[sign]);
    bodies->setParent(cell);
    auto* special = Named<ChartCellLabel>(ArrayElementName("lblArudha", sign));
    special->setParent(cell);
    cells_[sign] = cell;
    signLabels_[sign] = bodies;
    specialLabels_[sign] = special;
  }
  centre_ = new QWidget(this);
  centre_->setObjectName(QStringLiteral("Shape1"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize SignChart::sizeHint() const { return ChartStyle::kChartPreferred; }

QSize SignChart::minimumSizeHint() const { return ChartStyle::kChartSmallest; }

void SignChart::setChart(const std::optional<ChartResult>& chart) {
  chart_ = chart ? *chart : ChartResult{};
  for (std::size_t sign = 0; sign < 12; ++sign) {
    signLabels_[sign]->setText(QString::fromStdString(chart_.SignCells[sign]));
    specialLabels_[sign]->setText(QString::fromStdString(chart_.SpecialCells[sign]));
  }
  placeCells();
}

void SignChart::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeCells();
}

void SignChart::placeCells() {
  const int cell = std::min(width(), height()) / 4;
  square_ = QRect((width() - 4 * cell) / 2, (height() - 4 * cell) / 2, 4 * cell, 4 * cell);
  for (int sign = 0; sign < 12; ++sign) {
    const QPoint place = CellPlace(sign);
    cells_[sign]->setGeometry(square_.x() + place.x() * cell, square_.y() + place.y() * cell, cell,
                              cell);
  }
  centre_->setGeometry(square_.x() + cell, square_.y() + cell, 2 * cell, 2 * cell);

  // Each label over the lines the drawing writes for it, in its cell's pixels.
  layout_ = LayOutChartDiagram(QRectF(0, 0, kDrawingSide, kDrawingSide), chart_,
                               DiagramStyle::South, DiagramCentreText::LeftOut);
  const double scale = square_.width() / kDrawingSide;
  for (int sign = 0; sign < 12; ++sign) {
    const DiagramHouse& house = layout_.houses[static_cast<std::size_t>(sign)];
    const QPoint cellCorner = cells_[sign]->pos();
    for (const bool tags : {false, true}) {
      const QRectF drawn = Around(house.lines, tags);
      ChartCellLabel* label = tags ? specialLabels_[sign] : signLabels_[sign];
      const QRectF scaled(drawn.x() * scale, drawn.y() * scale, drawn.width() * scale,
                          drawn.height() * scale);
      label->setGeometry(scaled.toAlignedRect().translated(square_.topLeft() - cellCorner));
      label->setToolTip(WholeLines(house, tags));
    }
  }
  update();
}

void SignChart::paintEvent(QPaintEvent*) {
  if (square_.isEmpty()) return;
  QPainter painter(this);
  painter.translate(square_.topLeft());
  painter.scale(square_.width() / kDrawingSide, square_.height() / kDrawingSide);
  // The layout the labels were placed by, so that each stands over its drawn lines.
  DrawChartDiagram(painter, layout_, chart_);
}

}  // namespace velquor
