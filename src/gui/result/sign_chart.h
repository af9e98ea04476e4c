// The twelve-sign chart of the result window: a four-by-four grid with fixed sign places
// (Pisces top left, the signs running clockwise, Aries second in the top row) around an
// empty centre. Each cell holds the sign label with the bodies and the special-point label
// with the tags. The cells are shpHora_0 .. shpHora_11 by sign index (0 = Aries), like
// lblArudha. The widget itself is the outer border `Shape2`; it draws the grid lines,
// marks the ascendant's cell with a corner stroke and tints the cell of the Pranapada Lagna.
// The chart is always a square of sixteen equal cells, as large as the widget allows and
// centred in it; no text inside widens one column over the others.
#pragma once

#include <QWidget>
#include <array>

namespace velquor {

class ChartCellLabel;

class SignChart : public QWidget {
  Q_OBJECT

 public:
  explicit SignChart(QWidget* parent = nullptr);

  // Label of sign index 0 (Aries) .. 11 (Pisces).
  ChartCellLabel* signLabel(int signIndex) const { return signLabels_.at(signIndex); }
  ChartCellLabel* specialLabel(int signIndex) const { return specialLabels_.at(signIndex); }
  // The empty centre `Shape1`, for a caption of the chart.
  QWidget* centre() const { return centre_; }

  // Sign indices 0..11 of the ascendant and of the Pranapada Lagna; -1 marks none.
  void setMarkedSigns(int ascendantSign, int pranapadaSign);

  // Grid row and column (0..3) of a sign's cell.
  static QPoint CellPlace(int signIndex);

  // A square of the side that shows the fullest cell whole.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // Places the cells and the centre on the largest square that fits.
  void placeCells();
  // The side of a cell that every cell fits in, by each cell's own size (hint or minimum).
  int cellSide(QSize (QWidget::*measure)() const) const;

  std::array<QWidget*, 12> cells_{};
  std::array<ChartCellLabel*, 12> signLabels_{};
  std::array<ChartCellLabel*, 12> specialLabels_{};
  QWidget* centre_ = nullptr;
  QRect square_;
  int ascendantSign_ = -1;
  int pranapadaSign_ = -1;
};

}  // namespace velquor
