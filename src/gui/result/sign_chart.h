// The twelve-sign chart of the result window in the South-Indian style: a four-by-four grid
// with fixed sign places (Pisces top left, the signs running clockwise, Aries second in the
// top row) around an empty centre. The chart is drawn by the same code as the printed page
// (render/chart_diagram.h), so that a crowded sign shows all its bodies and tags on the
// screen as on paper. Each cell shpHora_0 .. shpHora_11 (by sign index, 0 = Aries) holds the
// sign's label with the bodies and the special-point label lblArudha with the tags, their
// texts exactly as the chart run wrote them, for screen readers and tooltips; each label
// stands where the drawing writes its lines. The widget itself is the outer border `Shape2`.
// The chart is always a square of sixteen equal cells, as large as the widget allows and
// centred in it.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "chart/chart_result.h"
#include "render/chart_diagram.h"

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

  // The chart to show, or none (empty cells); fills the labels.
  void setChart(const std::optional<ChartResult>& chart);

  // Grid row and column (0..3) of a sign's cell.
  static QPoint CellPlace(int signIndex);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Places the cells, their labels and the centre on the largest square that fits.
  void placeCells();

  std::array<QWidget*, 12> cells_{};
  std::array<ChartCellLabel*, 12> signLabels_{};
  std::array<ChartCellLabel*, 12> specialLabels_{};
  QWidget* centre_ = nullptr;
  QRect square_;
  ChartResult chart_;     // an empty one before a chart
  DiagramLayout layout_;  // of chart_, in the drawing's units
};

}  // namespace velquor
