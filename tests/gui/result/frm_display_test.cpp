// The result window: its fixed captions, the chart grid, and a chart shown exactly as the
// chart run wrote it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <map>
#include <set>

#include "gui/result/chart_cell_label.h"
#include "gui/result/chart_style.h"
#include "gui/result/frm_display.h"
#include "support/chart_labels.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;
using test::kSignLabels;

QLabel& Label(const QWidget& root, const QString& name) { return Child<QLabel>(root, name); }

TEST(FrmDisplay, FixedCaptions) {
  const std::pair<const char*, const char*> frames[] = {
      {"fraDetails", "Your Details"},
      {"fraWestern", "Vedic Planetary Position"},
      {"fraBirthchart", "Hora"},
  };
  const char* planetCaptions[] = {
      "Surya/Sun",    "Chandra/Moon", "Budha/Mercury",   "Shukra/Venus",    "Mangala/Mars",
      "Guru/Jupiter", "Shani/Saturn", "Rahu/North Node", "Ketu/South node", "Asc/Lagna"};
  const std::pair<const char*, const char*> labels[] = {
      {"Label8", "Pranapada Lagna Present House Significance"},
      {"Label11", "Significance"},
      {"Label10", "Pranapada Lagna signifies the energy that you have in life."},
  };
  FrmDisplay window;
  EXPECT_EQ(window.objectName(), "frmDisplay");
  EXPECT_EQ(window.windowTitle(), "Divitional chart");
  for (const auto& [name, title] : frames)
    EXPECT_EQ(Child<QGroupBox>(window, QString::fromLatin1(name)).title(), title);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(Label(window, QStringLiteral("PlanetName_%1").arg(i)).text(), planetCaptions[i]);
  for (const auto& [name, text] : labels)
    EXPECT_EQ(Label(window, QString::fromLatin1(name)).text(), text);
  // The captions of the details, "Latitude" with three blanks before its colon.
  std::set<QString> captions;
  for (const QLabel* label :
       Child<QGroupBox>(window, QStringLiteral("fraDetails")).findChildren<QLabel*>())
    captions.insert(label->text());
  for (const char* caption : {"Date of Birth :", "Time of Birth :", "Longitude :", "Latitude   :",
                              "City :", "State :", "Country :"})
    EXPECT_EQ(captions.count(QString::fromLatin1(caption)), 1u) << caption;
  for (const char* link : {"Label6", "Label7"})
    EXPECT_FALSE(Label(window, QString::fromLatin1(link)).text().isEmpty());
}

TEST(FrmDisplay, SignsSitClockwiseFromAriesInTheSecondTopCell) {
  // Row and column of each sign index's cell, Aries first.
  const std::pair<int, int> places[12] = {{0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3},
                                          {3, 2}, {3, 1}, {3, 0}, {2, 0}, {1, 0}, {0, 0}};
  FrmDisplay window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  std::map<int, int> columnOfX, rowOfY;
  std::vector<QRect> cells;
  for (int sign = 0; sign < 12; ++sign) {
    const QRect cell = Child<QWidget>(window, QStringLiteral("shpHora_%1").arg(sign)).geometry();
    columnOfX[cell.x()];
    rowOfY[cell.y()];
    cells.push_back(cell);
  }
  ASSERT_EQ(columnOfX.size(), 4u);
  ASSERT_EQ(rowOfY.size(), 4u);
  int index = 0;
  for (auto& [x, column] : columnOfX) column = index++;
  index = 0;
  for (auto& [y, row] : rowOfY) row = index++;

  const QRect centre = Child<QWidget>(window, QStringLiteral("Shape1")).geometry();
  for (int sign = 0; sign < 12; ++sign) {
    SCOPED_TRACE(kSignLabels[sign]);
    EXPECT_EQ(rowOfY[cells[sign].y()], places[sign].first);
    EXPECT_EQ(columnOfX[cells[sign].x()], places[sign].second);
    EXPECT_FALSE(cells[sign].intersects(centre));
    const QString cellName = QStringLiteral("shpHora_%1").arg(sign);
    EXPECT_EQ(Label(window, QString::fromLatin1(kSignLabels[sign])).parent()->objectName(),
              cellName);
    EXPECT_EQ(Label(window, QStringLiteral("lblArudha_%1").arg(sign)).parent()->objectName(),
              cellName);
  }
}

ChartResult SampleChart() {
  ChartResult chart;
  chart.details = {"ASHA RAO", "August/15/1990", "6:30",  "28 36' N",
                   "77 12' E", "NEW DELHI",      "DELHI", "INDIA"};
  chart.PositionTexts = {"28 Can 41", "05 Sag 02", "17 Leo 10", "24 Can 30", "01 Tau 15",
                         "11 Can 50", "27 Sag 33", "21 Cap 44", "21 Can 44", "09 Leo 12"};
  chart.SignCells[3] = "\r\nSun\r\nVenus\r\nJupiter\r\nKetu";
  chart.SignCells[4] = "\r\nMercury\r\nAsc";
  chart.SignCells[8] = "\r\nMoon\r\nSaturn (R) ";
  chart.SignCells[1] = "\r\nMars";
  chart.SignCells[9] = "\r\nRahu";
  chart.SpecialCells[2] = "\r\n\r\n";
  chart.SpecialCells[6] = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nPpL";
  chart.AscSign = 5;
  chart.pranapada.PpLSign = 7;
  chart.pranapada.House = 3;
  chart.HouseText =
      "You will suffer from injuries and accidents. You may be very rude in behavior "
      "and have no respect for elders.";
  return chart;
}

TEST(FrmDisplay, ShowsEveryTextExactlyAsGiven) {
  const ChartResult chart = SampleChart();
  FrmDisplay window;
  window.showChart(chart);
  for (const auto& [name, text] : test::ExpectedLabelTexts(chart))
    EXPECT_EQ(Label(window, name).text().toStdString(), text) << name.toStdString();
}

int AccentPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.red() > 140 && pixel.green() < 90 && pixel.blue() < 90) ++count;
    }
  return count;
}

TEST(FrmDisplay, PplShowsAfterAnyNumberOfEmptyTags) {
  FrmDisplay window;
  window.showChart(SampleChart());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto& libra = Child<ChartCellLabel>(window, QStringLiteral("lblArudha_6"));
  EXPECT_EQ(libra.visibleLines(), QStringList{"PpL"});
  // The chart draws the tag where its label stands.
  auto& chart = Child<QWidget>(window, QStringLiteral("Shape2"));
  const QRect where(libra.mapTo(&chart, QPoint(0, 0)), libra.size());
  ASSERT_FALSE(where.isEmpty());
  EXPECT_GT(AccentPixels(chart.grab(where).toImage()), 20) << "PpL is not drawn";
  EXPECT_EQ(Child<ChartCellLabel>(window, QStringLiteral("lblArudha_2")).visibleLines(),
            QStringList{});
  EXPECT_EQ(Child<ChartCellLabel>(window, QStringLiteral("lblSagattarius")).visibleLines(),
            QStringList({"Moon", "Saturn (R) "}));
}

TEST(FrmDisplay, SpanListAnnouncesItsNameAndItsEntryAsValue) {
  FrmDisplay window;
  auto& span = Child<QComboBox>(window, QStringLiteral("cmbSpan"));
  for (int index = 0; index < span.count(); ++index) {
    span.setCurrentIndex(index);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&span);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), "Span of the birth-time timeline");
    EXPECT_EQ(iface->text(QAccessible::Value), span.itemText(index));
  }
}

}  // namespace
}  // namespace velquor

namespace velquor {
namespace {

// Whatever the name's length, the chart stays a square of four equal columns inside the
// window, the window no wider than with a short name, and the whole name is in the tooltips.
TEST(FrmDisplay, LongNamesKeepTheChartSquare) {
  const QString shortName = QStringLiteral("ASHA RAO");
  const QString longName = QStringLiteral("SRI VENKATA SATYANARAYANA MURTHY CHANDRASEKHARA SARMA");
  const QString veryLong = QString(longName + QLatin1Char(' ')).repeated(4).left(180);
  int shortWidth = 0;
  for (const QString& name : {shortName, longName, veryLong}) {
    SCOPED_TRACE(name.size());
    ChartResult chart = SampleChart();
    chart.details.name = name.toStdString();
    FrmDisplay window;
    window.showChart(chart);
    window.adjustSize();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    if (shortWidth == 0) shortWidth = window.width();
    EXPECT_LE(window.width(), shortWidth);

    const QWidget& chartWidget = Child<QWidget>(window, QStringLiteral("Shape2"));
    const QRect inWindow(chartWidget.mapTo(&window, QPoint(0, 0)), chartWidget.size());
    EXPECT_TRUE(window.rect().contains(inWindow));
    std::set<int> columnWidths, rowHeights;
    for (int sign = 0; sign < 12; ++sign) {
      const QRect cell =
          Child<QWidget>(chartWidget, QStringLiteral("shpHora_%1").arg(sign)).geometry();
      columnWidths.insert(cell.width());
      rowHeights.insert(cell.height());
      EXPECT_TRUE(chartWidget.rect().contains(cell));
    }
    EXPECT_EQ(columnWidths.size(), 1u);
    EXPECT_EQ(columnWidths, rowHeights);
    for (const char* label : {"lblName", "lblChartName"}) {
      EXPECT_EQ(Label(window, QString::fromLatin1(label)).text(), name);
      EXPECT_EQ(Label(window, QString::fromLatin1(label)).toolTip(), name);
    }
  }
}

}  // namespace
}  // namespace velquor
