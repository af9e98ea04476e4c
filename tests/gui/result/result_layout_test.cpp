// The result window in the frame at the screen sizes of common laptops (and, run again at
// double scale, on a 2732×1536 screen): the whole result shows without scrolling, no
// control lies outside the window or over another, and a crowded sign's labels stand
// inside their cells in every style, down to the result window's smallest size.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>

#include "chart/chart_run.h"
#include "gui/app/mdi.h"
#include "gui/result/chart_cell_label.h"
#include "gui/result/frm_display.h"
#include "render/chart_diagram.h"
#include "support/birth_of.h"
#include "support/chart_labels.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

// A Chennai birth at the eclipse of 26 December 2019: six bodies and "Asc" in Sagittarius.
ChartResult CrowdedChart() {
  const ChartOutcome outcome =
      RunChart(test::BirthOf("CROWDED SIGN", 2019, 12, 26, 7, 0, 0, 34, 13, 5, false, 80, 17, true,
                             false, "CHENNAI", "TAMIL NADU", "INDIA"));
  if (!outcome.chart) throw std::runtime_error("the crowded birth gave no chart");
  return *outcome.chart;
}

void Settle() {
  for (int pass = 0; pass < 4; ++pass) QApplication::processEvents();
}

QRect InWindow(const QWidget& widget, const QWidget& window) {
  return {widget.mapTo(&window, QPoint(0, 0)), widget.size()};
}

// The visible controls of the result window that make its layout: every widget but the
// inner parts of Qt's own compound controls.
bool IsPartOfCompound(const QWidget* widget) {
  for (const QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget())
    if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractScrollArea*>(up))
      return true;
  return false;
}

void ExpectLaidOut(const QWidget& window) {
  const QList<QWidget*> widgets = window.findChildren<QWidget*>();
  for (const QWidget* widget : widgets) {
    if (!widget->isVisible() || widget->size().isEmpty() || IsPartOfCompound(widget)) continue;
    SCOPED_TRACE(widget->objectName().toStdString() + " (" + widget->metaObject()->className() +
                 ")");
    EXPECT_TRUE(window.rect().contains(InWindow(*widget, window)));
    for (const QObject* other : widget->parentWidget()->children()) {
      const auto* sibling = qobject_cast<const QWidget*>(other);
      if (sibling == nullptr || sibling == widget || !sibling->isVisible() || sibling->isWindow() ||
          sibling->size().isEmpty())
        continue;
      EXPECT_FALSE(widget->geometry().intersects(sibling->geometry()))
          << "over " << sibling->objectName().toStdString();
    }
  }
}

// Each sign's bodies and tags stand inside its cell, and every line of the chart run is in
// some label.
void ExpectCellsHoldTheirLabels(const FrmDisplay& window, const ChartResult& chart) {
  for (int sign = 0; sign < 12; ++sign) {
    const auto& cell = Child<QWidget>(window, QStringLiteral("shpHora_%1").arg(sign));
    for (const QString& name :
         {QString::fromLatin1(test::kSignLabels[sign]), QStringLiteral("lblArudha_%1").arg(sign)}) {
      SCOPED_TRACE(name.toStdString());
      const auto& label = Child<ChartCellLabel>(window, name);
      if (label.visibleLines().isEmpty()) continue;
      EXPECT_FALSE(label.geometry().isEmpty());
      EXPECT_TRUE(cell.rect().contains(label.geometry()));
    }
    const auto index = static_cast<std::size_t>(sign);
    EXPECT_EQ(Child<ChartCellLabel>(window, QString::fromLatin1(test::kSignLabels[sign])).text(),
              QString::fromStdString(chart.SignCells[index]));
  }
}

class ResultLayout : public ::testing::TestWithParam<QSize> {};

TEST_P(ResultLayout, WholeResultShowsWithoutScrolling) {
  const ChartResult chart = CrowdedChart();
  Mdi frame;
  frame.showChart(chart);
  frame.resize(GetParam());
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  FrmDisplay& window = *frame.frmDisplay();
  const auto* area = frame.findChild<QMdiArea*>();
  ASSERT_NE(area, nullptr);
  for (DiagramStyle style : kDiagramStyles) {
    SCOPED_TRACE(std::string(NameOf(style)));
    window.setDiagramStyle(style);
    Settle();
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    const QMdiSubWindow* sub = area->subWindowList().value(0);
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(area->viewport()->rect().contains(sub->geometry()));
    ExpectLaidOut(window);
    // The chart takes the height the other parts leave: no smaller than its least side.
    const auto& chartFrame = Child<QWidget>(window, QStringLiteral("fraBirthchart"));
    EXPECT_GE(chartFrame.height(), 400);
  }
  window.setDiagramStyle(DiagramStyle::South);
  Settle();
  ExpectCellsHoldTheirLabels(window, chart);
}

INSTANTIATE_TEST_SUITE_P(LaptopScreens, ResultLayout,
                         ::testing::Values(QSize(1366, 768), QSize(1280, 800), QSize(1400, 1000),
                                           QSize(1920, 1080)),
                         [](const auto& size) {
                           return std::to_string(size.param.width()) + "x" +
                                  std::to_string(size.param.height());
                         });

// At its smallest, the result window still lays its controls apart and the crowded sign's
// labels inside their cells.
TEST(ResultLayoutSmallest, CrowdedSignAtTheSmallestWindow) {
  const ChartResult chart = CrowdedChart();
  FrmDisplay window;
  window.showChart(chart);
  window.resize(window.minimumSizeHint());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  Settle();
  ExpectLaidOut(window);
  ExpectCellsHoldTheirLabels(window, chart);
  // Where the drawing abbreviates, the label's tooltip gives the whole names, one a line.
  int abbreviated = 0;
  for (int sign = 0; sign < 12; ++sign) {
    const auto& label = Child<ChartCellLabel>(window, QString::fromLatin1(test::kSignLabels[sign]));
    if (label.toolTip().isEmpty()) continue;
    ++abbreviated;
    QStringList whole;
    for (const QString& line : label.visibleLines()) whole << line.trimmed();
    EXPECT_EQ(label.toolTip(), whole.join(u'\n')) << test::kSignLabels[sign];
  }
  EXPECT_EQ(abbreviated, 1);  // Sagittarius
}

}  // namespace
}  // namespace velquor
