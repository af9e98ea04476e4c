// The program's windows together: a full chart run from the form to the frame, Back with
// every typed value kept, a fresh result window for the next run, and shut-down.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "chart/chart_run.h"
#include "gui/app/app_shell.h"
#include "gui/app/frm_main.h"
#include "gui/app/mdi.h"
#include "gui/result/birth_time_strip.h"
#include "gui/result/frm_display.h"
#include "support/birth_entry.h"
#include "support/chart_labels.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

void ProcessDeferredDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class AppShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shell.frmMain()));
  }

  // Types the entry, presses the chart button and returns the chart the engine computes
  // for the same entry.
  ChartResult runChart(const test::BirthEntry& entry) {
    FrmMain& form = shell.frmMain();
    test::Enter(form, entry);
    const ChartOutcome outcome = RunChart(form.readBirthData());
    if (!outcome.chart) throw std::runtime_error("no chart: " + outcome.stopMessage);
    Child<QPushButton>(form, QStringLiteral("cmdRashi")).click();
    return *outcome.chart;
  }

  void expectShown(const ChartResult& chart) {
    ASSERT_NE(shell.mdi(), nullptr);
    for (const auto& [name, text] : test::ExpectedLabelTexts(chart))
      EXPECT_EQ(Child<QLabel>(*shell.mdi()->frmDisplay(), name).text().toStdString(), text)
          << name.toStdString();
  }

  test::RecordedMessages boxes;
  AppShell shell;
};

TEST_F(AppShellTest, ChartRunShowsTheFrameWithTheComputedTexts) {
  const ChartResult chart = runChart(test::BirthEntry{});
  EXPECT_TRUE(boxes.messages.empty());
  ASSERT_NE(shell.mdi(), nullptr);
  EXPECT_TRUE(shell.mdi()->isVisible());
  EXPECT_TRUE(shell.mdi()->frmDisplay()->isVisible());
  EXPECT_FALSE(shell.frmMain().isVisible());
  expectShown(chart);
  EXPECT_EQ(Child<QLabel>(*shell.mdi(), QStringLiteral("lblName")).text(), "ASHA RAO");
}

TEST_F(AppShellTest, BackBringsTheFormBackWhereTheUserLeftItAtItsSize) {
  FrmMain& form = shell.frmMain();
  const QSize smallest = form.minimumSizeHint();
  const QRect places[] = {{40, 30, smallest.width() + 10, smallest.height() + 20},
                          {300, 200, smallest.width() + 150, smallest.height() + 90},
                          {5, 7, smallest.width(), smallest.height()}};
  for (const QRect& place : places) {
    form.setGeometry(place);
    const QRect left = form.geometry();
    runChart(test::BirthEntry{});
    ASSERT_NE(shell.mdi(), nullptr);
    shell.mdi()->move(left.topLeft() + QPoint(97, 55));  // the frame elsewhere
    Child<QPushButton>(*shell.mdi(), QStringLiteral("cmdBack")).click();
    ProcessDeferredDeletes();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.geometry(), left);
  }
}

TEST_F(AppShellTest, BackKeepsEveryTypedValueAndTheNextRunGetsAFreshWindow) {
  test::BirthEntry first;
  first.west = true;
  first.dst = true;
  first.zoneIndex = 27;
  runChart(first);
  QPointer<Mdi> firstFrame = shell.mdi();
  QPointer<FrmDisplay> firstWindow = shell.mdi()->frmDisplay();
  const BirthData typed = shell.frmMain().readBirthData();

  Child<QPushButton>(*shell.mdi(), QStringLiteral("cmdBack")).click();
  EXPECT_TRUE(shell.frmMain().isVisible());
  EXPECT_EQ(shell.mdi(), nullptr);
  ProcessDeferredDeletes();
  EXPECT_TRUE(firstFrame.isNull());
  EXPECT_TRUE(firstWindow.isNull());

  EXPECT_EQ(shell.frmMain().readBirthData(), typed);
  EXPECT_EQ(typed.zoneIndex, 27);

  test::BirthEntry second = first;
  second.name = QStringLiteral("RAVI");
  second.hour = 21;
  const ChartResult chart = runChart(second);
  ASSERT_NE(shell.mdi(), nullptr);
  expectShown(chart);
  EXPECT_EQ(Child<QLabel>(*shell.mdi(), QStringLiteral("lblName")).text(), "RAVI");
}

// Moved across midnight and the new year, taken into the form: every date and time list
// reads the moved moment, and the next chart is made for it.
TEST_F(AppShellTest, UseThisTimeWritesTheMovedMomentIntoTheForm) {
  test::BirthEntry entry;
  entry.day = 31;
  entry.monthIndex = 11;
  entry.hour = 23;
  entry.minute = 59;
  entry.second = 30;
  runChart(entry);
  const BirthData typed = shell.frmMain().readBirthData();
  auto& strip = Child<BirthTimeStrip>(*shell.mdi(), QStringLiteral("birthTimeStrip"));
  auto& useTime = Child<QPushButton>(*shell.mdi(), QStringLiteral("cmdUseTime"));
  EXPECT_FALSE(useTime.isEnabled()) << "nothing moved yet";

  QTest::keyClick(&strip, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&strip, Qt::Key_Right);
  ASSERT_TRUE(useTime.isEnabled());
  useTime.click();
  EXPECT_FALSE(useTime.isEnabled()) << "the form's time is the time shown";

  BirthData moved = typed;
  moved.yearNumber = 1991;
  moved.monthNumber = 1;
  moved.dayNumber = 1;
  moved.hourNumber = 0;
  moved.minuteNumber = 0;
  moved.secondNumber = 31;
  EXPECT_EQ(shell.frmMain().readBirthData(), moved);

  Child<QPushButton>(*shell.mdi(), QStringLiteral("cmdBack")).click();
  ASSERT_TRUE(shell.frmMain().isVisible());
  const ChartResult chart = *RunChart(moved).chart;
  Child<QPushButton>(shell.frmMain(), QStringLiteral("cmdRashi")).click();
  expectShown(chart);
}

TEST_F(AppShellTest, ExitUnloadsEveryWindow) {
  runChart(test::BirthEntry{});
  QPointer<Mdi> frame = shell.mdi();
  QPointer<FrmMain> form = &shell.frmMain();
  QSignalSpy finished(&shell, &AppShell::finished);
  Child<QPushButton>(*frame, QStringLiteral("cmdExit")).click();
  EXPECT_EQ(finished.count(), 1);
  ProcessDeferredDeletes();
  EXPECT_TRUE(frame.isNull());
  EXPECT_TRUE(form.isNull());
}

TEST_F(AppShellTest, ClosingEitherWindowEndsTheProgram) {
  QSignalSpy finished(&shell, &AppShell::finished);
  runChart(test::BirthEntry{});
  shell.mdi()->close();
  EXPECT_EQ(finished.count(), 1);
  ProcessDeferredDeletes();

  AppShell other;
  QSignalSpy otherFinished(&other, &AppShell::finished);
  other.start();
  other.frmMain().close();
  EXPECT_EQ(otherFinished.count(), 1);
}

}  // namespace
}  // namespace velquor
