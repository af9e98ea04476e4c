// frmDisplay: the result window inside the frame. It shows one chart: the details, the
// table of sidereal positions, the twelve-sign chart, the birth-time strip and the meaning
// of the Pranapada Lagna's house. Every text comes from a ChartResult; moving the birth time
// on the strip charts the moved time and refills the same controls in place.
#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "astro/date_time.h"
#include "astro/vargas.h"
#include "births/saved_birth.h"
#include "chart/chart_result.h"
#include "chart/special_lagnas.h"
#include "gui/result/birth_time_cursor.h"
#include "gui/result/birth_time_strip.h"
#include "render/diagram_style.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QPushButton;
class QStackedWidget;

namespace velquor {

class DrawnSignChart;
class ElidedLabel;
class SignChart;

class FrmDisplay : public QWidget {
  Q_OBJECT

 public:
  explicit FrmDisplay(QWidget* parent = nullptr);

  // Shows a chart made from the form; the strip starts at its birth time.
  void showChart(const ChartResult& chart);

  // The birth data of the chart shown (at the birth time moved to on the strip) and its
  // conventions; nothing before a chart.
  std::optional<SavedBirth> shownBirth() const;

  // The birth as entered (or as last taken with "Use this time"); nothing before a chart.
  std::optional<BirthData> enteredBirth() const;
  // The chart is of a saved rectified birth: the time first entered, said beside the birth
  // time while it is not moved; nothing for a birth saved as entered.
  void setRecordedEntry(const std::optional<LocalDateTime>& enteredTime);

  // Charts the shown birth time again by other conventions.
  void setConventions(const Conventions& conventions);

  // The chart shown, or none at a birth time without one (polar day or night).
  const std::optional<ChartResult>& shownChart() const { return shown_; }

  // The style the sign chart is drawn in (cmbChartStyle), saved for the next run. The
  // South-Indian style shows the grid whose cells hold the labels of the bodies and tags;
  // the others draw the chart alone and keep those labels, with their texts, hidden.
  DiagramStyle diagramStyle() const;
  void setDiagramStyle(DiagramStyle style);

  // The divisional chart drawn (cmbVarga), saved for the next chart: D1 draws the chart's
  // own cells; any other varga draws every body, the ascendant and "PpL" in their varga
  // signs, its houses counted from the varga ascendant. Ctrl+9 chooses D9, Ctrl+1 D1.
  Varga varga() const { return varga_; }
  void setVarga(Varga varga);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 Q_SIGNALS:
  // cmdUseTime: the moved birth time, for the form.
  void birthTimeChosen(const velquor::LocalDateTime& moment);

 private:
  QWidget* buildDetails();
  QWidget* buildPositions();
  QWidget* buildChart();
  QWidget* buildBirthTime();
  QWidget* buildHouse();
  QWidget* buildLinks();
  QWidget* buildSpecialLagnas();
  // The special lagnas of the chart shown, or dashes where there are none.
  void showSpecialLagnas(const std::optional<ChartResult>& chart);

  void fill(const ChartResult& chart);
  // Gives both drawings the shown chart in the chosen varga.
  void drawVarga();
  // Chooses a varga as the user does: shown and kept in the settings.
  void chooseVarga(Varga varga);
  // A birth time at which no chart can be made: its details, and the reason in place of
  // the house text.
  void fillStop(const BirthData& birth, const std::string& message);
  void step(BirthTimeStrip::Step step);
  void moveTo(const LocalDateTime& moment);
  void changeSpan();
  void useTime();
  // Charts the cursor's moment and refills the window.
  void chartMoment();
  void showCursor();
  void showConventions(const Conventions& conventions);
  // Gives the chart's frame the width of the chart's square.
  void fitChartWidth();

  std::array<QLabel*, 8> detailLabels_{};  // lblName, lblDOB .. lblCountry
  std::array<QLabel*, 10> planetLabels_{};
  QLabel* pranapadaDegree_ = nullptr;  // lblPranapadaDegree
  std::optional<ChartResult> shown_;
  QLayout* detailsColumn_ = nullptr;  // the details and positions, left of the chart
  QComboBox* cmbChartStyle_ = nullptr;
  QComboBox* cmbVarga_ = nullptr;
  Varga varga_ = Varga::D1;
  QLabel* centreTitle_ = nullptr;
  QStackedWidget* chartStyles_ = nullptr;
  SignChart* chart_ = nullptr;
  DrawnSignChart* drawnChart_ = nullptr;
  ElidedLabel* centreName_ = nullptr;
  QLabel* centrePranapada_ = nullptr;
  QLabel* lblHouseDesc_ = nullptr;
  // lblSpecialLagna_<i>_<column>: the name, longitude, sign and house of each special lagna.
  std::array<std::array<QLabel*, 3>, 10> specialLagnaValues_{};
  std::optional<SpecialLagnas> lagnas_;  // of the chart shown
  // chkLagnaTags: the special lagnas' tags drawn in the chart's cells, in the varga shown.
  QCheckBox* chkLagnaTags_ = nullptr;

  std::optional<BirthTimeCursor> cursor_;
  BirthTimeStrip* strip_ = nullptr;
  QLabel* lblMovedTime_ = nullptr;
  QLabel* lblConventions_ = nullptr;
  QComboBox* cmbSpan_ = nullptr;
  QPushButton* cmdUseTime_ = nullptr;
  std::optional<LocalDateTime> recordedEntry_;
};

}  // namespace velquor
