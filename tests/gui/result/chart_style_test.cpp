// The result window's chart styles: every label keeps its name and text whatever the style,
// the chosen style is kept for the next window, the printer gets the one chart page, and
// the File menu's output items say so when there is no chart.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "chart/chart_run.h"
#include "chart/sign_names.h"
#include "gui/app/mdi.h"
#include "gui/result/chart_printing.h"
#include "gui/result/drawn_sign_chart.h"
#include "gui/result/frm_display.h"
#include "gui/result/sign_chart.h"
#include "support/birth_entry.h"
#include "support/chart_labels.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

ChartResult DelhiChart() { return test::ChartOf(test::BirthEntry{}); }

// Chooses a style in the list as a user does.
void Choose(FrmDisplay& window, DiagramStyle style) {
  auto& list = Child<QComboBox>(window, QStringLiteral("cmbChartStyle"));
  const int index = list.findData(static_cast<int>(style));
  list.setCurrentIndex(index);
  Q_EMIT list.activated(index);
}

TEST(ChartStyles, EveryLabelKeepsItsTextAndOneChartShows) {
  const ChartResult chart = DelhiChart();
  FrmDisplay window;
  window.showChart(chart);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QString ascendant =
      QString::fromLatin1(kSignNames[static_cast<std::size_t>(chart.AscSign - 1)]);
  for (DiagramStyle style : {DiagramStyle::North, DiagramStyle::East, DiagramStyle::South}) {
    SCOPED_TRACE(std::string(NameOf(style)));
    window.setDiagramStyle(style);
    EXPECT_EQ(window.diagramStyle(), style);
    for (const auto& [name, text] : test::ExpectedLabelTexts(chart))
      EXPECT_EQ(Child<QLabel>(window, name).text().toStdString(), text) << name.toStdString();
    const auto& drawn = Child<DrawnSignChart>(window, QStringLiteral("picDrawnChart"));
    const auto& grid = Child<SignChart>(window, QStringLiteral("Shape2"));
    EXPECT_EQ(drawn.isVisible(), style != DiagramStyle::South);
    EXPECT_EQ(grid.isVisible(), style == DiagramStyle::South);
    if (style != DiagramStyle::South) {
      EXPECT_TRUE(
          drawn.accessibleDescription().contains(QStringLiteral("House 1, %1: ").arg(ascendant)))
          << drawn.accessibleDescription().toStdString();
    }
  }
}

TEST(ChartStyles, ChosenStyleIsKeptForTheNextWindow) {
  {
    FrmDisplay window;
    EXPECT_EQ(window.diagramStyle(), DiagramStyle::South);  // the default
    Choose(window, DiagramStyle::East);
  }
  {
    FrmDisplay window;
    EXPECT_EQ(window.diagramStyle(), DiagramStyle::East);
    EXPECT_EQ(Child<QComboBox>(window, QStringLiteral("cmbChartStyle")).currentText(),
              "East-Indian");
    Choose(window, DiagramStyle::South);
  }
  EXPECT_EQ(FrmDisplay().diagramStyle(), DiagramStyle::South);
}

TEST(ChartStyles, PrinterGetsOnePageOfItsPaper) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("printed.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  PrintChartPage(printer, DelhiChart(), DiagramStyle::North);
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {path});
  ASSERT_TRUE(info.waitForFinished(30000));
  const QString text = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Page size:\\s+612 x 792 pts"))))
      << text.toStdString();
}

TEST(ChartStyles, OutputItemsWithoutAChartSaySo) {
  test::RecordedMessages messages;
  Mdi frame;  // nothing charted yet
  for (const char* item :
       {"mnuPrint", "mnuPrintPreview", "mnuExportPng", "mnuExportSvg", "mnuExportPdf"}) {
    Child<QAction>(frame, QString::fromLatin1(item)).trigger();
    ASSERT_EQ(messages.messages.size(), 1u) << item;
    EXPECT_EQ(messages.messages[0].text,
              "There is no chart at this birth time to print or export.");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Information);
    messages.messages.clear();
  }
}

}  // namespace
}  // namespace velquor
