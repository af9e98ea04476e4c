// The result frame: its bar, menus, the result window inside it, the placement rule of
// Back and Exit, and the ways out.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "gui/app/mdi.h"
#include "gui/result/frm_display.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

TEST(Mdi, TopBarAndMenus) {
  Mdi frame;
  EXPECT_EQ(frame.objectName(), "MDI");
  EXPECT_EQ(frame.windowTitle(), "Velquor v1.25");
  const QWidget& bar = Child<QWidget>(frame, QStringLiteral("picTop"));
  EXPECT_EQ(Child<QLabel>(bar, QStringLiteral("Label2")).text(), "Pranapada Lagna");
  EXPECT_EQ(Child<QLabel>(bar, QStringLiteral("Label10")).text(),
            "Home Business Opportunity. Start your own Internet business and make money online. "
            "Get this software fully branded for your website. Click here for more details.");
  EXPECT_EQ(Child<QPushButton>(bar, QStringLiteral("cmdBack")).text(), "&Back");
  EXPECT_EQ(Child<QPushButton>(bar, QStringLiteral("cmdExit")).text(), "E&xit");
  Child<QWidget>(bar, QStringLiteral("Picture1"));
  EXPECT_EQ(test::MenuOutline(*frame.menuBar()),
            QStringList({"mnuFile &File",
                         "  mnuBack &Back",
                         "  mnuFileSepPrint -",
                         "  mnuPrint &Print\u2026",
                         "  mnuPrintPreview Print Pre&view\u2026",
                         "  mnuExportPng Export as P&NG\u2026",
                         "  mnuExportSvg Export as SV&G\u2026",
                         "  mnuExportPdf Export as P&DF\u2026",
                         "  mnuFileSepExport -",
                         "  mnuSaveBirth &Save Birth",
                         "  mnuOpenBirth &Open Birth\u2026",
                         "  mnuRecentBirths &Recent Births",
                         "  mnuBirthsSep -",
                         "  mnuExit E&xit",
                         "mnuEdit &Edit",
                         "  mnuUndoSave &Undo Save",
                         "mnuOptions &Options",
                         "  mnuConventions &Conventions\u2026",
                         "mnuHelp &Help",
                         "  mnuOnline &Online Help",
                         "  mnuVisit &Visit Us Online",
                         "  mnuHelpSep1 -",
                         "  mnuUpdate Check for Software &Update",
                         "  mnuHelpSep2 -",
                         "  mnuAbout &About Software",
                         "  mnuDonate &Donate",
                         "  mm &Make Money Online"}));
}

TEST(Mdi, LoadingShowsTheResultWindowInsideTheArea) {
  Mdi frame;
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  const QList<QMdiSubWindow*> windows = Child<QMdiArea>(frame, QString()).subWindowList();
  ASSERT_EQ(windows.size(), 1);
  EXPECT_EQ(windows[0]->widget(), frame.frmDisplay());
  EXPECT_TRUE(frame.frmDisplay()->isVisible());
  EXPECT_EQ(windows[0]->windowTitle(), "Divitional chart");
}

TEST(Mdi, ResultWindowStaysCentredAcrossTheArea) {
  Mdi frame;
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  QMdiArea& area = Child<QMdiArea>(frame, QString());
  const QMdiSubWindow* window = area.subWindowList().at(0);
  for (int extra : {40, 300, 801}) {
    frame.resize(window->width() + extra, frame.height());
    QTest::qWait(0);
    const int left = window->x();
    const int right = area.viewport()->width() - window->geometry().right() - 1;
    EXPECT_LE(std::abs(left - right), 1) << "extra width " << extra;
  }
}

struct Placement {
  int frameWidth;
  int exitWidth;
  double dpi;
  int backX;
  int exitX;
};

TEST(Mdi, BackAndExitPlacementRule) {
  // Exit keeps 300 twips to the right edge; Back stands 100 twips left of Exit, measured
  // with Exit's width. 96 dpi: 20 and 7 pixels; 144 dpi: 30 and 10.
  const Placement cases[] = {
      {1000, 80, 96, 1000 - 80 - 20 - 80 - 7, 1000 - 80 - 20},
      {1000, 80, 144, 1000 - 80 - 30 - 80 - 10, 1000 - 80 - 30},
      {120, 80, 96, 120 - 80 - 20 - 80 - 7, 120 - 80 - 20},  // narrow: negative positions
  };
  for (const Placement& c : cases) {
    const Mdi::TopBarButtons place = Mdi::PlaceTopBarButtons(c.frameWidth, c.exitWidth, c.dpi);
    EXPECT_EQ(place.exitX, c.exitX) << c.frameWidth << " at " << c.dpi;
    EXPECT_EQ(place.backX, c.backX) << c.frameWidth << " at " << c.dpi;
  }
}

TEST(Mdi, ResizingMovesTheButtons) {
  Mdi frame;
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  ASSERT_EQ(frame.logicalDpiX(), 96);
  const QPushButton& back = Child<QPushButton>(frame, QStringLiteral("cmdBack"));
  const QPushButton& exit = Child<QPushButton>(frame, QStringLiteral("cmdExit"));
  for (int width : {1100, 700, 150}) {
    frame.setMinimumWidth(0);
    frame.resize(width, frame.height());
    QTest::qWait(0);
    const int w = frame.width();
    EXPECT_EQ(exit.x(), w - exit.width() - 20) << width;
    EXPECT_EQ(back.x(), exit.x() - exit.width() - 7) << width;
    EXPECT_EQ(back.y(), exit.y());
  }
}

TEST(Mdi, TheTitleIsNeverDrawnUnderBack) {
  Mdi frame;
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  const QLabel& title = Child<QLabel>(frame, QStringLiteral("Label2"));
  const QPushButton& back = Child<QPushButton>(frame, QStringLiteral("cmdBack"));
  frame.setMinimumSize(0, 0);  // as on a screen smaller than the frame's minimum
  for (int width : {1100, 400, 300, 200}) {
    frame.resize(width, frame.height());
    QTest::qWait(0);
    EXPECT_TRUE(title.width() == 0 || title.geometry().right() < back.x()) << width;
    EXPECT_EQ(title.text(), "Pranapada Lagna");
  }
  frame.resize(1100, frame.height());
  QTest::qWait(0);
  EXPECT_EQ(title.width(), title.sizeHint().width());
}

TEST(Mdi, BackExitAndCloseBox) {
  Mdi frame;
  frame.show();
  QSignalSpy back(&frame, &Mdi::backRequested);
  QSignalSpy shutDown(&frame, &Mdi::shutDownRequested);
  Child<QPushButton>(frame, QStringLiteral("cmdBack")).click();
  Child<QAction>(frame, QStringLiteral("mnuBack")).trigger();
  EXPECT_EQ(back.count(), 2);
  EXPECT_EQ(shutDown.count(), 0);
  Child<QPushButton>(frame, QStringLiteral("cmdExit")).click();
  Child<QAction>(frame, QStringLiteral("mnuExit")).trigger();
  frame.close();
  EXPECT_EQ(shutDown.count(), 3);
  EXPECT_EQ(back.count(), 2);
}

}  // namespace
}  // namespace velquor
