// The birth-data form (frmMain), the first window the user sees. It collects the birth data,
// filters keys as they are typed, checks the whole entry and starts the chart run. Its File
// menu holds mnuNext and mnuExit; the program shows it as FrmMain (app/frm_main.h), which
// adds the menus of the other rooms and charts by the user's conventions.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "chart/chart_result.h"
#include "chart/conventions.h"
#include "chart/validation.h"
#include "gui/entry/place_search.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace velquor {

class BirthForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit BirthForm(QWidget* parent = nullptr);
  ~BirthForm() override;

  // Replaces the place look-up that cmdBrowser hands its query to.
  void setPlaceSearch(std::unique_ptr<PlaceSearch> search);

  // The entries as typed, as birth data; a box without leading digits reads -1, which the
  // checks refuse.
  BirthData readBirthData() const;
  // Selects the date and clock time of `moment` in the date and time lists (the result
  // window's "Use this time"). Throws std::invalid_argument for a year outside
  // kFirstYear..kLastYear, which the list lacks.
  void setBirthMoment(const LocalDateTime& moment);

  // Fills every field with `birth` (a saved birth opened) and charts it by `conventions`.
  // Throws std::invalid_argument for a value the lists lack.
  void showBirth(const BirthData& birth, const Conventions& conventions);
  // The entries as birth data when they pass the checks; otherwise the first fault is
  // reported as by the chart run and nothing is returned.
  std::optional<BirthData> checkedBirthData();

  // The chart run of cmdRashi, mnuNext and Enter: checks the entry and, when a chart
  // results, emits chartReady. A stopped chart is reported and the form stays as it was.
  void cmdRashi_Click();
  // The place look-up: checks city, state and country and hands the query on.
  void cmdBrowser_Click();

 Q_SIGNALS:
  void chartReady(const velquor::ChartResult& chart);
  // mnuExit or the close box: the program ends.
  void shutDownRequested();

 protected:
  // The conventions cmdRashi, mnuNext and Enter chart by: the classic set.
  virtual Conventions chartConventions() const;
  // The File menu, mnuFile, and its last item, mnuExit, before which other rooms put theirs.
  QMenu* fileMenu() const { return fileMenu_; }
  QAction* exitItem() const { return exitItem_; }

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct CoordinateControls {
    QLineEdit* degrees;
    QLineEdit* minutes;
    std::array<QRadioButton*, 2> choices;
  };

  void buildMenus();
  QGroupBox* buildPersonalDetails();
  QGroupBox* buildPlaceDetails();
  QGroupBox* buildZone();
  QGroupBox* buildCoordinates(bool longitude, CoordinateControls& controls);
  QWidget* buildPromotions();
  void setTabOrderAndNames();

  void runChart(const Conventions& conventions);
  void report(const ValidationFailure& failure);
  QWidget* fieldWidget(BirthField field) const;

  std::unique_ptr<PlaceSearch> placeSearch_;
  QMenu* fileMenu_ = nullptr;
  QAction* exitItem_ = nullptr;

  QLineEdit* txtName_ = nullptr;
  QComboBox* cboDate_ = nullptr;
  QComboBox* cboMonth_ = nullptr;
  QComboBox* cboYear_ = nullptr;
  QComboBox* cboHH_ = nullptr;
  QComboBox* cboMM_ = nullptr;
  QComboBox* cboSS_ = nullptr;
  QLineEdit* txtMCity_ = nullptr;
  QLineEdit* txtMState_ = nullptr;
  QLineEdit* txtMCountry_ = nullptr;
  QPushButton* cmdBrowser_ = nullptr;
  QComboBox* cmbTimeZone_ = nullptr;
  QCheckBox* chkDST_ = nullptr;
  CoordinateControls longitude_{};
  CoordinateControls latitude_{};
  QPushButton* cmdRashi_ = nullptr;
};

}  // namespace velquor

// Carried by the chartReady signal.
Q_DECLARE_METATYPE(velquor::ChartResult)
