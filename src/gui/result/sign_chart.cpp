#include "gui/result/sign_chart.h"

#include <QEvent>
#include <QGridLayout>
#include <QPainter>
#include <algorithm>

#include "chart/sign_names.h"
#include "gui/common/named_widget.h"
#include "gui/common/scaled_font.h"
#include "gui/common/text_colour.h"
#include "gui/result/chart_cell_label.h"
#include "gui/result/chart_style.h"

namespace velquor {

namespace {

// By sign index, Aries first.
constexpr std::array<const char*, 12> kSignLabelNames = {
    "lblAries", "lblTaurus",  "lblGemini",      "lblCancer",    "lblLeo",      "lblVirgo",
    "lblLibra", "lblScorpio", "lblSagattarius", "lblCapricorn", "lblAquarius", "lblPisces"};
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
    bodies->setFont(ScaledFont(font(), 1.0, Weight::Regular));
    auto* special = Named<ChartCellLabel>(ArrayElementName("lblArudha", sign));
    special->setFont(ScaledFont(font(), 0.9, Weight::Bold));
    special->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetTextColour(special, ChartStyle::kAccent);
    auto* caption = new QLabel(QString::fromLatin1(kSignNames[sign]));
    caption->setFont(ScaledFont(font(), 0.8, Weight::Regular));
    SetTextColour(caption, ChartStyle::kFaintInk);

    auto* cellLayout = new QGridLayout(cell);
    cellLayout->setContentsMargins(10, 8, 8, 4);
    cellLayout->addWidget(bodies, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    cellLayout->addWidget(special, 0, 1, Qt::AlignRight | Qt::AlignTop);
    cellLayout->addWidget(caption, 1, 0, 1, 2, Qt::AlignRight | Qt::AlignBottom);
    cellLayout->setRowStretch(0, 1);
    cellLayout->setColumnStretch(0, 1);

    cells_[sign] = cell;
    signLabels_[sign] = bodies;
    specialLabels_[sign] = special;
  }
  centre_ = new QWidget(this);
  centre_->setObjectName(QStringLiteral("Shape1"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

int SignChart::cellSide(QSize (QWidget::*measure)() const) const {
  int side = 0;
  for (const QWidget* cell : cells_) {
    const QSize wanted = (cell->*measure)().expandedTo(ChartStyle::kCellMinimum);
    side = std::max({side, wanted.width(), wanted.height()});
  }
  return side;
}

QSize SignChart::sizeHint() const {
  const int side = 4 * cellSide(&QWidget::sizeHint);
  return {side, side};
}

QSize SignChart::minimumSizeHint() const {
  const int side = 4 * cellSide(&QWidget::minimumSizeHint);
  return {side, side};
}

void SignChart::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeCells();
}

bool SignChart::event(QEvent* event) {
  // A cell's text changed its size: the chart's own size follows, and the cells are placed
  // again.
  if (event->type() == QEvent::LayoutRequest) {
    updateGeometry();
    placeCells();
  }
  return QWidget::event(event);
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
  update();
}

void SignChart::setMarkedSigns(int ascendantSign, int pranapadaSign) {
  ascendantSign_ = ascendantSign;
  pranapadaSign_ = pranapadaSign;
  update();
}

void SignChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(square_, ChartStyle::kPaper);

  if (pranapadaSign_ >= 0)
    painter.fillRect(cells_[pranapadaSign_]->geometry(), ChartStyle::kPranapadaTint);

  if (ascendantSign_ >= 0) {
    // The ascendant's cell carries a stroke across its top left corner.
    const QRectF cell = cells_[ascendantSign_]->geometry();
    const double reach = std::min(cell.width(), cell.height()) * 0.15;
    painter.setPen(QPen(ChartStyle::kLine, 1.5));
    painter.drawLine(cell.topLeft() + QPointF(0, reach), cell.topLeft() + QPointF(reach, 0));
  }

  // Neighbouring cells share an edge; drawing every rectangle at the same half-pixel
  // offset puts both strokes of a shared edge on one crisp line.
  painter.setPen(QPen(ChartStyle::kLine, 1.0));
  for (QWidget* cell : cells_) painter.drawRect(QRectF(cell->geometry()).translated(0.5, 0.5));
  painter.setPen(QPen(ChartStyle::kLine, 2.5));
  painter.drawRect(QRectF(square_).adjusted(1.25, 1.25, -1.25, -1.25));
}

}  // namespace velquor
