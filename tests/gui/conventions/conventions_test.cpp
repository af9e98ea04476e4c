// The conventions of the desktop program: chosen in their dialog, kept in the settings, and
// used by the next chart.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>

#include "chart/chart_run.h"
#include "gui/app/frm_main.h"
#include "gui/common/settings.h"
#include "gui/conventions/conventions_dialog.h"
#include "gui/conventions/conventions_settings.h"
#include "support/birth_entry.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

class ConventionsSettings : public ::testing::Test {
 protected:
  void TearDown() override { SaveConventions({}); }
};

TEST_F(ConventionsSettings, RoundTripAndUnknownValuesReadAsClassic) {
  Conventions mixed;
  mixed.sunrise = SunriseConvention::UpperLimb;
  mixed.afterSunset = AfterSunsetConvention::FromSunrise;
  for (const Conventions& c : {ModernConventions(), mixed, Conventions{}}) {
    SaveConventions(c);
    EXPECT_EQ(LoadConventions(), c);
  }
  SaveConventions(ModernConventions());
  settings::WriteText(settings::kSunrise.key, "at-dawn");
  Conventions expected = ModernConventions();
  expected.sunrise = SunriseConvention::Classic;
  EXPECT_EQ(LoadConventions(), expected);
}

TEST_F(ConventionsSettings, TheDialogShowsAndChoosesTheSets) {
  ConventionsDialog dialog(ModernConventions());
  EXPECT_EQ(dialog.chosen(), ModernConventions());
  Child<QPushButton>(dialog, QStringLiteral("cmdClassicSet")).click();
  EXPECT_EQ(dialog.chosen(), Conventions{});
  Child<QPushButton>(dialog, QStringLiteral("cmdModernSet")).click();
  EXPECT_EQ(dialog.chosen(), ModernConventions());
}

// The form charts by the saved conventions: the same chart as the chart run gives by them.
TEST_F(ConventionsSettings, TheFormChartsByTheSavedConventions) {
  SaveConventions(ModernConventions());
  FrmMain form;
  test::BirthEntry entry;
  entry.hour = 21;  // after sunset: the modern set counts from the day's own sunrise
  test::Enter(form, entry);
  QSignalSpy charts(&form, &FrmMain::chartReady);
  Child<QPushButton>(form, QStringLiteral("cmdRashi")).click();
  ASSERT_EQ(charts.count(), 1);
  const auto shown = charts.at(0).at(0).value<ChartResult>();
  const ChartOutcome expected = RunChart(form.readBirthData(), ModernConventions());
  ASSERT_TRUE(expected.chart.has_value());
  EXPECT_EQ(shown.conventions, ModernConventions());
  EXPECT_EQ(shown.ReferenceSunrise, expected.chart->ReferenceSunrise);
  EXPECT_EQ(shown.PositionTexts, expected.chart->PositionTexts);
  EXPECT_EQ(shown.pranapada.PpLSign, expected.chart->pranapada.PpLSign);
  EXPECT_NE(shown.ReferenceSunrise, RunChart(form.readBirthData()).chart->ReferenceSunrise);
}

}  // namespace
}  // namespace velquor
