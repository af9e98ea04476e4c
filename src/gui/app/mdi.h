// MDI: the result frame. A bar along the top (picTop) with the title, the program's
// picture, a link and the Back and Exit buttons; below it a multiple-document area that
// holds the result window frmDisplay.
#pragma once

#include <QMainWindow>

#include "chart/chart_result.h"
#include "gui/births/births_menu.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace velquor {

class FrmDisplay;
class LinkLabel;
class ProgramPicture;

class Mdi : public QMainWindow {
  Q_OBJECT

 public:
  // Loading the frame loads the result window inside it and shows it.
  explicit Mdi(QWidget* parent = nullptr);

  FrmDisplay* frmDisplay() const { return frmDisplay_; }
  // The saved-birth items of the File menu.
  const BirthsMenuItems& birthsMenu() const { return birthsMenu_; }

  // Fills the result window and sizes it (and the frame, where the screen allows) to
  // show the whole chart.
  void showChart(const ChartResult& chart);

  // Horizontal positions of the Back and Exit buttons for a frame `frameWidth` pixels wide:
  // Exit keeps 300 twips from the right edge, Back stands 100 twips left of Exit (the rule
  // measures the gap with Exit's width). Narrow frames give negative positions.
  struct TopBarButtons {
    int backX;
    int exitX;
  };
  static TopBarButtons PlaceTopBarButtons(int frameWidth, int exitWidth, double logicalDpi);

 Q_SIGNALS:
  // cmdBack or mnuBack: back to the birth-data form.
  void backRequested();
  // cmdExit, mnuExit or the close box: the program ends.
  void shutDownRequested();
  // The result window's "Use this time": the moved birth time, for the form.
  void birthTimeChosen(const velquor::LocalDateTime& moment);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildTopBar();
  void buildMenus();
  void layOutTopBar();
  void centreResultWindow();
  void fitToResultWindow();

  QWidget* picTop_ = nullptr;
  ProgramPicture* picture_ = nullptr;
  QLabel* title_ = nullptr;
  LinkLabel* link_ = nullptr;
  QPushButton* cmdBack_ = nullptr;
  QPushButton* cmdExit_ = nullptr;
  QMdiArea* area_ = nullptr;
  QMdiSubWindow* resultWindow_ = nullptr;
  FrmDisplay* frmDisplay_ = nullptr;
  BirthsMenuItems birthsMenu_;
};

}  // namespace velquor
