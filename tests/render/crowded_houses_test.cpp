// The most crowded houses of many births, drawn in every style on the screen's square and on
// the page's: every body and tag is drawn, each inside its house and the chart, none over
// another or over the sign's label, and no smaller than half the letters of a lone body.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "chart/chart_run.h"
#include "render/chart_diagram.h"
#include "support/birth_of.h"

namespace velquor {
namespace {

// The lines a house must show: its bodies and its tags, as the chart run wrote them.
QStringList ExpectedLines(const ChartResult& chart, int sign) {
  const auto index = static_cast<std::size_t>(sign);
  return CellLines(chart.SignCells[index]) + CellLines(chart.SpecialCells[index]);
}

int MostCrowded(const ChartResult& chart) {
  int most = 0;
  for (int sign = 0; sign < 12; ++sign)
    most = std::max(most, static_cast<int>(ExpectedLines(chart, sign).size()));
  return most;
}

ChartResult ChennaiChart(int year, int month, int day, int hour, int minute) {
  const ChartOutcome outcome =
      RunChart(test::BirthOf("CROWDED HOUSE", year, month, day, hour, minute, 0, 34, 13, 5, false,
                             80, 17, true, false, "Chennai", "Tamil Nadu", "India"));
  if (!outcome.chart) throw std::runtime_error("a crowded birth gave no chart");
  return *outcome.chart;
}

// Births found by the sweep below whose fullest sign holds seven bodies and tags (six
// bodies and "Asc" or "PpL") or eight, among them the eclipse of 26 December 2019 seen from
// Chennai.
struct Pinned {
  int year, month, day, hour, minute;
  int lines;  // in its fullest sign
};
constexpr Pinned kPinned[] = {
    {1910, 11, 3, 5, 0, 8},  {1962, 1, 17, 7, 0, 7},  {1962, 2, 6, 1, 0, 7},
    {2019, 12, 26, 7, 0, 7}, {2019, 12, 27, 6, 0, 7}, {2041, 11, 6, 6, 0, 8},
};

std::vector<ChartResult> PinnedCharts() {
  std::vector<ChartResult> charts;
  for (const Pinned& p : kPinned)
    charts.push_back(ChennaiChart(p.year, p.month, p.day, p.hour, p.minute));
  return charts;
}

TEST(CrowdedHouses, PinnedBirthsKeepTheirCrowdedSigns) {
  for (const Pinned& p : kPinned) {
    SCOPED_TRACE(testing::Message() << p.year << "-" << p.month << "-" << p.day);
    EXPECT_EQ(MostCrowded(ChennaiChart(p.year, p.month, p.day, p.hour, p.minute)), p.lines);
  }
}

bool Inside(const QPolygonF& outline, const QRectF& rect) {
  for (const QPointF& corner :
       {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()})
    if (!outline.containsPoint(corner, Qt::OddEvenFill)) return false;
  return true;
}

// Every check of one chart drawn in `square`; the letters' size only where `legible`.
void ExpectEveryLineInItsHouse(const ChartResult& chart, DiagramStyle style, const QRectF& square,
                               bool legible = true) {
  const DiagramLayout layout = LayOutChartDiagram(square, chart, style);
  const double side = std::min(square.width(), square.height());
  // The letters of a lone body, the largest a house gives.
  ChartResult lone;
  lone.SignCells[0] = "\r\nSun";
  const double loneSize =
      LayOutChartDiagram(square, lone, style).houses[0].lines.at(0).font.pixelSize();
  for (const DiagramHouse& house : layout.houses) {
    SCOPED_TRACE(testing::Message() << "sign " << house.sign << ", side " << side);
    EXPECT_TRUE(Inside(house.outline, house.label.rect)) << house.label.text.toStdString();
    QStringList shown;
    for (std::size_t i = 0; i < house.lines.size(); ++i) {
      const DiagramText& line = house.lines[i];
      SCOPED_TRACE(line.whole.toStdString());
      if (!shown.contains(line.whole)) shown << line.whole;
      EXPECT_FALSE(line.text.isEmpty());
      EXPECT_TRUE(Inside(house.outline, line.rect));
      EXPECT_TRUE(square.contains(line.rect));
      EXPECT_FALSE(line.rect.intersects(house.label.rect));
      if (legible) {
        EXPECT_GE(line.font.pixelSize(), loneSize / 2);
      }
      // The drawn text is as wide as its box says.
      EXPECT_LE(QFontMetricsF(line.font).horizontalAdvance(line.text), line.rect.width() + 1e-6);
      for (std::size_t j = i + 1; j < house.lines.size(); ++j)
        EXPECT_FALSE(line.rect.intersects(house.lines[j].rect))
            << house.lines[j].text.toStdString();
      if (line.text != line.whole && !line.whole.contains(line.text)) {
        EXPECT_EQ(line.text, AbbreviatedLine(line.whole));
      }
    }
    EXPECT_EQ(shown, ExpectedLines(chart, house.sign));
  }
  for (const DiagramText& text : layout.centre) EXPECT_TRUE(square.contains(text.rect));
  // The ascendant's stroke crosses no text of its cell.
  if (!layout.ascendantStroke.isNull()) {
    const QLineF& stroke = layout.ascendantStroke;
    const QPointF corner(stroke.p1().x(), stroke.p2().y());
    const double reach = stroke.dx();
    for (const DiagramText& line : layout.houses[static_cast<std::size_t>(chart.AscSign - 1)].lines)
      EXPECT_GE(line.rect.left() - corner.x() + line.rect.top() - corner.y(), reach - 1e-6)
          << line.text.toStdString();
  }
}

// The screen draws on a square of 3000 units, whatever the widget's size; the page draws on
// one in tenths of a point, placed below its header.
const QRectF kScreenSquare(0, 0, 3000, 3000);
const QRectF kPageSquare(1200, 2100, 3400, 3400);

class CrowdedHouseStyles : public ::testing::TestWithParam<DiagramStyle> {};

TEST_P(CrowdedHouseStyles, EveryBodyAndTagInsideItsHouse) {
  for (const ChartResult& chart : PinnedCharts()) {
    SCOPED_TRACE(chart.details.dob);
    for (const QRectF& square : {kScreenSquare, kPageSquare})
      ExpectEveryLineInItsHouse(chart, GetParam(), square);
  }
}

// A house holding all ten bodies and every tag, in every house of the style: the most any
// chart can put into one sign. Its letters get as small as it takes.
TEST_P(CrowdedHouseStyles, AllBodiesInOneHouseStillFit) {
  ChartResult full;
  full.SignCells.fill(
      "\r\nSun\r\nMoon\r\nMercury (R) \r\nVenus (R) \r\nMars (R) \r\nJupiter (R) "
      "\r\nSaturn (R) \r\nRahu\r\nKetu\r\nAsc");
  full.SpecialCells.fill("\r\n\r\n\r\nPpL");
  full.pranapada.PpLSign = 5;
  full.pranapada.House = 1;
  full.AscSign = 5;
  for (const QRectF& square : {kScreenSquare, kPageSquare})
    ExpectEveryLineInItsHouse(full, GetParam(), square, false);
}

// An ascendant's sign of long names, whose letters would fill its cell up to the corner.
TEST_P(CrowdedHouseStyles, LongNamesInTheAscendantsSignClearItsStroke) {
  for (int lines = 1; lines <= 6; ++lines) {
    ChartResult chart;
    chart.AscSign = 3;
    const char* names[] = {"Mercury (R)", "Jupiter (R)", "Saturn (R)",
                           "Venus (R)",   "Mars (R)",    "Asc"};
    for (int i = 0; i < lines; ++i) chart.SignCells[2] += std::string("\r\n") + names[i];
    SCOPED_TRACE(lines);
    for (const QRectF& square : {kScreenSquare, kPageSquare})
      ExpectEveryLineInItsHouse(chart, GetParam(), square);
  }
}

// Drawn, the ink of the bodies stays inside the chart: nothing crosses the outer frame.
TEST_P(CrowdedHouseStyles, NoInkOutsideTheChart) {
  for (const ChartResult& chart : PinnedCharts()) {
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    DrawChartDiagram(painter, QRectF(50, 50, 300, 300), chart, GetParam());
    painter.end();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (x < 47 || x > 352 || y < 47 || y > 352) {
          ASSERT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << x << ", " << y;
        }
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, CrowdedHouseStyles,
                         ::testing::Values(DiagramStyle::South, DiagramStyle::North,
                                           DiagramStyle::East),
                         [](const auto& style) { return std::string(NameOf(style.param)); });

// Births of a sweep, one every 3 days and 7 hours from 1901 to 2050, whose fullest sign
// holds `least` bodies and tags or more.
std::vector<ChartResult> CrowdedCharts(int least) {
  std::vector<ChartResult> found;
  int year = 1901, month = 1, day = 1, hour = 0;
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  while (year <= 2050) {
    ChartResult chart = ChennaiChart(year, month, day, hour, 0);
    if (MostCrowded(chart) >= least) found.push_back(std::move(chart));
    hour += 7;
    day += 3 + hour / 24;
    hour %= 24;
    while (day > kDays[month - 1]) {
      day -= kDays[month - 1];
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
  return found;
}

// The sweep's births with seven and more lines in a sign, drawn in every style.
TEST(CrowdedHouses, SweepsFullestSignsFitInEveryStyle) {
  const std::vector<ChartResult> charts = CrowdedCharts(7);
  EXPECT_EQ(charts.size(), 10u);  // 1910, 1962 (six), 2019 and 2041
  for (const ChartResult& chart : charts) {
    SCOPED_TRACE(chart.details.dob + " " + chart.details.tob);
    for (DiagramStyle style : kDiagramStyles)
      ExpectEveryLineInItsHouse(chart, style, kScreenSquare);
  }
}

}  // namespace
}  // namespace velquor
