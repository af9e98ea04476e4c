// The result window's Chart list: each varga draws the core's varga cells, D1 the chart's
// own, the Pranapada's sign and house in the middle follow the varga, and the choice is kept
// for the next window. The special lagnas' table shows the core's points.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "chart/chart_run.h"
#include "astro/position_text.h"
#include "chart/sign_names.h"
#include "chart/special_lagnas.h"
#include "chart/varga_chart.h"
#include "gui/common/settings.h"
#include "gui/result/chart_cell_label.h"
#include "gui/result/drawn_sign_chart.h"
#include "gui/result/frm_display.h"
#include "gui/result/sign_chart.h"
#include "render/chart_diagram.h"
#include "support/birth_entry.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

ChartResult DelhiChart() { return test::ChartOf(test::BirthEntry{}); }

// Chooses a varga in the list as a user does.
void Choose(FrmDisplay& window, Varga varga) {
  auto& list = Child<QComboBox>(window, QStringLiteral("cmbVarga"));
  const int index = list.findData(static_cast<int>(varga));
  ASSERT_GE(index, 0);
  list.setCurrentIndex(index);
  Q_EMIT list.activated(index);
}

QString SignName(int signIndex) {
  return QString::fromLatin1(kSignNames[static_cast<std::size_t>(signIndex)]);
}

TEST(VargaChoice, ListsTheSixteenInOrderD1First) {
  FrmDisplay window;
  const auto& list = Child<QComboBox>(window, QStringLiteral("cmbVarga"));
  ASSERT_EQ(list.count(), static_cast<int>(kVargaCount));
  EXPECT_EQ(list.itemText(0), "D1 Rasi");
  EXPECT_EQ(list.itemText(5), "D9 Navamsa");
  EXPECT_EQ(list.itemText(15), "D60 Shashtiamsa");
  EXPECT_FALSE(list.accessibleName().isEmpty());
  EXPECT_EQ(window.varga(), Varga::D1);  // the default
}

// Every varga's cells in the grid are the core's cells of that varga; D1's are the chart's
// own, unnamed tags and all. The middle says the Pranapada's varga sign and its house from
// the varga ascendant, and the North-Indian drawing puts the varga ascendant at house 1.
TEST(VargaChoice, EveryVargaDrawsTheCoresCells) {
  const ChartResult chart = DelhiChart();
  FrmDisplay window;
  window.showChart(chart);
  const auto& grid = Child<SignChart>(window, QStringLiteral("Shape2"));
  const auto& drawn = Child<DrawnSignChart>(window, QStringLiteral("picDrawnChart"));
  const auto& centre = Child<QLabel>(window, QStringLiteral("lblChartPranapada"));
  const auto& title = Child<QLabel>(window, QStringLiteral("lblChartTitle"));
  const DiagramStyle style = window.diagramStyle();
  window.setDiagramStyle(DiagramStyle::North);
  const double pranapada = PranapadaLongitudeOf(chart);
  for (Varga varga : kVargas) {
    SCOPED_TRACE(std::string(VargaCode(varga)));
    Choose(window, varga);
    EXPECT_EQ(window.varga(), varga);
    const VargaChart expected = VargaChartOf(chart, varga);
    // The sample's Navamsa differs from its birth chart, so that D9 shows a change.
    if (varga == Varga::D9) {
      EXPECT_NE(expected.SignCells, chart.SignCells);
    }
    for (int sign = 0; sign < 12; ++sign) {
      const auto i = static_cast<std::size_t>(sign);
      const std::string& body = varga == Varga::D1 ? chart.SignCells[i] : expected.SignCells[i];
      const std::string& tag =
          varga == Varga::D1 ? chart.SpecialCells[i] : expected.SpecialCells[i];
      EXPECT_EQ(grid.signLabel(sign)->text().toStdString(), body) << sign;
      EXPECT_EQ(grid.specialLabel(sign)->text().toStdString(), tag) << sign;
    }
    const int ascendant = VargaSign(chart.longitudes[9], varga);
    const int sign = VargaSign(pranapada, varga);
    EXPECT_EQ(centre.text(), QStringLiteral("PpL: %1, house %2")
                                 .arg(SignName(sign))
                                 .arg((sign - ascendant + 12) % 12 + 1));
    EXPECT_TRUE(drawn.accessibleDescription().contains(
        QStringLiteral("House 1, %1: ").arg(SignName(ascendant))))
        << drawn.accessibleDescription().toStdString();
    EXPECT_EQ(title.text().toStdString(), VargaTitle(varga));
  }
  Choose(window, Varga::D1);
  window.setDiagramStyle(style);
}

TEST(VargaChoice, ControlNineAndOneSwitchNavamsaAndRasi) {
  FrmDisplay window;
  window.showChart(DelhiChart());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_9, Qt::ControlModifier);
  EXPECT_EQ(window.varga(), Varga::D9);
  EXPECT_EQ(Child<QComboBox>(window, QStringLiteral("cmbVarga")).currentText(), "D9 Navamsa");
  QTest::keyClick(&window, Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(window.varga(), Varga::D1);
}

TEST(VargaChoice, ChosenVargaIsKeptAndAnUnknownOneReadsAsRasi) {
  {
    FrmDisplay window;
    Choose(window, Varga::D9);
  }
  EXPECT_EQ(settings::Read(settings::kChartVarga), Varga::D9);
  {
    FrmDisplay window;
    EXPECT_EQ(window.varga(), Varga::D9);
    window.showChart(DelhiChart());
    EXPECT_EQ(Child<QLabel>(window, QStringLiteral("lblChartTitle")).text(), "Navamsa");
    Choose(window, Varga::D1);
  }
  EXPECT_EQ(FrmDisplay().varga(), Varga::D1);
  settings::WriteText(settings::kChartVarga.key, "D5");
  EXPECT_EQ(settings::ResetUnreadableSettings(),
            std::vector<std::string>{std::string(settings::kChartVarga.key) + ": \"D5\""});
  EXPECT_EQ(FrmDisplay().varga(), Varga::D1);
}

// Each row reads the core's point: its longitude to the arc second, sign and house.
TEST(SpecialLagnaTable, ShowsTheCoresPointsAndFollowsTheMovedTime) {
  const ChartResult chart = DelhiChart();
  FrmDisplay window;
  window.showChart(chart);
  const auto check = [&window](const ChartResult& shown) {
    const SpecialLagnas lagnas = ComputeSpecialLagnas(shown);
    for (std::size_t row = 0; row < kSpecialLagnaCount; ++row) {
      SCOPED_TRACE(std::string(SpecialLagnaName(kSpecialLagnas[row])));
      const SpecialLagnaPoint& point = lagnas.points[row];
      const auto cell = [&](int column) {
        return Child<QLabel>(window, QStringLiteral("lblSpecialLagna_%1_%2").arg(row).arg(column))
            .text()
            .toStdString();
      };
      EXPECT_EQ(cell(0), SpecialLagnaName(kSpecialLagnas[row]));
      ASSERT_TRUE(point.available);
      EXPECT_EQ(cell(1).substr(0, FormatLongitude(point.longitude).size()),
                FormatLongitude(point.longitude));
      EXPECT_EQ(cell(2), kSignNames[static_cast<std::size_t>(point.sign)]);
      EXPECT_EQ(cell(3), std::to_string(point.house));
    }
  };
  check(chart);
  // A minute on, the time lagnas have moved and the table with them.
  auto& strip = Child<QWidget>(window, QStringLiteral("birthTimeStrip"));
  QTest::keyClick(&strip, Qt::Key_Right, Qt::ShiftModifier);
  ASSERT_TRUE(window.shownChart());
  check(*window.shownChart());
}

// Ticked, each special lagna's tag stands in the sign its longitude takes in the varga shown,
// after the cells' own tags; unticked, the cells are the chart's own again.
TEST(SpecialLagnaTable, TickedTagsStandInTheirVargaSigns) {
  const ChartResult chart = DelhiChart();
  const SpecialLagnas lagnas = ComputeSpecialLagnas(chart);
  FrmDisplay window;
  window.showChart(chart);
  const auto& grid = Child<SignChart>(window, QStringLiteral("Shape2"));
  auto& tags = Child<QCheckBox>(window, QStringLiteral("chkLagnaTags"));
  tags.setChecked(true);
  for (Varga varga : {Varga::D1, Varga::D9, Varga::D60}) {
    SCOPED_TRACE(std::string(VargaCode(varga)));
    Choose(window, varga);
    const VargaChart own = VargaChartOf(chart, varga);
    std::array<QStringList, 12> expected;
    for (std::size_t sign = 0; sign < 12; ++sign)
      expected[sign] = CellLines(varga == Varga::D1 ? chart.SpecialCells[sign] : own.SpecialCells[sign]);
    for (std::size_t k = 0; k < kSpecialLagnaCount; ++k) {
      ASSERT_TRUE(lagnas.points[k].available);
      expected[static_cast<std::size_t>(VargaSign(lagnas.points[k].longitude, varga))]
          << QString::fromLatin1(SpecialLagnaTag(kSpecialLagnas[k]).data());
    }
    for (int sign = 0; sign < 12; ++sign) {
      EXPECT_EQ(CellLines(grid.specialLabel(sign)->text().toStdString()),
                expected[static_cast<std::size_t>(sign)])
          << sign;
    }
  }
  tags.setChecked(false);
  Choose(window, Varga::D1);
  for (int sign = 0; sign < 12; ++sign)
    EXPECT_EQ(grid.specialLabel(sign)->text().toStdString(),
              chart.SpecialCells[static_cast<std::size_t>(sign)]);
}

}  // namespace
}  // namespace velquor
