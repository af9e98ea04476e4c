// The windows as used from the keyboard: the about box's keys and the Tab order of the
// result frame.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "chart/chart_run.h"
#include "gui/app/frm_main.h"
#include "gui/app/mdi.h"
#include "support/birth_entry.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

// The about box opens on Ok; Enter and Esc close it without opening a page.
TEST(Keyboard, AboutBoxKeys) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    SCOPED_TRACE(key);
    test::OpenedPages pages;
    FrmMain form;
    form.show();
    QString focused;
    bool closed = false;
    test::ModalWatcher watcher([&](QWidget* modal) {
      if (modal->objectName() != QLatin1String("frmAbout")) return;
      // The dialog's own focus, which does not wait for the window system to activate it.
      QWidget* focus = modal->focusWidget();
      focused = focus != nullptr ? focus->objectName() : QString();
      QTest::keyClick(focus != nullptr ? focus : modal, key);
      closed = !modal->isVisible();
    });
    Child<QAction>(form, QStringLiteral("mnuAbout")).trigger();
    EXPECT_EQ(focused, "cmdOK");
    EXPECT_TRUE(closed);
    EXPECT_TRUE(pages.urls.empty());
  }
}

// Tab from the top bar's link goes through every control of the frame in reading order and
// the links at its foot.
TEST(Keyboard, ResultFrameTabOrder) {
  FrmMain form;
  test::Enter(form, test::BirthEntry{});
  Mdi frame;
  frame.showChart(*RunChart(form.readBirthData()).chart);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  // "Use this time" is enabled only once the time has moved, and skipped until then.
  // The drawn chart takes the focus only in the styles that show it (not the default).
  const std::vector<std::string> expected = {"Label10",       "cmdBack", "cmdExit",
                                             "cmbChartStyle", "cmbSpan", "birthTimeStrip",
                                             "Label6",        "Label7"};
  Child<QWidget>(frame, QString::fromStdString(expected.front())).setFocus(Qt::TabFocusReason);
  std::vector<std::string> forward;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    forward.push_back(QApplication::focusWidget()->objectName().toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(forward, expected);
}

}  // namespace
}  // namespace velquor
