// frmDisplay: the result window inside the frame. It shows one chart: the details, the
// table of sidereal positions, the twelve-sign chart and the meaning of the Pranapada
// Lagna's house. It computes nothing; every text comes from the ChartResult.
#pragma once

#include <QWidget>
#include <array>

#include "chart/chart_result.h"

class QLabel;

namespace velquor {

class SignChart;

class FrmDisplay : public QWidget {
  Q_OBJECT

 public:
  explicit FrmDisplay(QWidget* parent = nullptr);

  void showChart(const ChartResult& chart);

 private:
  QWidget* buildDetails();
  QWidget* buildPositions();
  QWidget* buildChart();
  QWidget* buildHouse();
  QWidget* buildLinks();

  std::array<QLabel*, 8> detailLabels_{};  // lblName, lblDOB .. lblCountry
  std::array<QLabel*, 10> planetLabels_{};
  SignChart* chart_ = nullptr;
  QLabel* centreName_ = nullptr;
  QLabel* centrePranapada_ = nullptr;
  QLabel* lblHouseDesc_ = nullptr;
};

}  // namespace velquor
