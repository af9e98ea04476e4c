// Moving the birth time on the result window's strip: every move shows exactly the chart
// the engine computes for the moved time, in the same controls; the interval boundaries
// the keys jump to are those of the timeline, also beyond the span first shown; a polar
// stop is shown in the window and the strip stays usable.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <ostream>
#include <vector>

#include "astro/position_text.h"
#include "chart/birth_instant.h"
#include "chart/birth_timeline.h"
#include "chart/chart_run.h"
#include "chart/detail_texts.h"
#include "gui/result/birth_time_cursor.h"
#include "gui/result/birth_time_strip.h"
#include "gui/result/frm_display.h"
#include "support/birth_entry.h"
#include "support/chart_labels.h"
#include "support/gui_test_support.h"

namespace velquor {

// Moments in failure messages as clock readings.
[[maybe_unused]] static void PrintTo(const LocalDateTime& t, std::ostream* out) {
  *out << FormatSecond(t);
}

namespace {

using test::Child;

// Tromso on the day of the last sunset before the polar night, before that sunset: after
// it the next day's sunrise, which the count needs, does not happen.
BirthData Tromso() {
  BirthData birth;
  birth.personName = "TROMSO";
  birth.yearNumber = 2000;
  birth.monthNumber = 11;
  birth.dayNumber = 27;
  birth.hourNumber = 11;
  birth.minuteNumber = 30;
  birth.latDegrees = 69;
  birth.latMinutes = 39;
  birth.lonDegrees = 18;
  birth.lonMinutes = 57;
  birth.zoneIndex = 20;  // Central European Time
  return birth;
}

// The first second of the interval after the one holding `moment`, from a timeline wide
// enough that neither interval is cut by its span.
LocalDateTime NextStart(const BirthData& birth, const LocalDateTime& moment) {
  const auto timeline = BirthTimeline(BirthAt(birth, moment), 60);
  return AddSeconds(IntervalAt(timeline, moment)->to, 1);
}

LocalDateTime CurrentStart(const BirthData& birth, const LocalDateTime& moment) {
  const auto timeline = BirthTimeline(BirthAt(birth, moment), 60);
  return IntervalAt(timeline, moment)->from;
}

void ExpectShowsChartAt(const FrmDisplay& window, const BirthData& birth,
                        const LocalDateTime& moment) {
  const ChartOutcome outcome = RunChart(BirthAt(birth, moment));
  ASSERT_TRUE(outcome.chart.has_value()) << FormatSecond(moment);
  for (const auto& [name, text] : test::ExpectedLabelTexts(*outcome.chart))
    EXPECT_EQ(Child<QLabel>(window, name).text().toStdString(), text)
        << name.toStdString() << " at " << FormatSecond(moment);
  const QString pranapada = Child<QLabel>(window, QStringLiteral("lblChartPranapada")).text();
  EXPECT_TRUE(pranapada.contains(QStringLiteral("house %1").arg(outcome.chart->pranapada.House)))
      << pranapada.toStdString();
  EXPECT_EQ(Child<BirthTimeStrip>(window, QStringLiteral("birthTimeStrip")).moment(), moment);
}

TEST(BirthTimeStrip, EachKeyChartsTheMovedTimeInTheSameControls) {
  const BirthData birth = test::BirthDataOf(test::BirthEntry{});
  FrmDisplay window;
  window.showChart(*RunChart(birth).chart);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QList<QWidget*> controls = window.findChildren<QWidget*>();
  auto& strip = Child<BirthTimeStrip>(window, QStringLiteral("birthTimeStrip"));
  strip.setFocus();

  LocalDateTime expected = BirthMomentOf(birth);
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
  } keys[] = {
      {Qt::Key_Right, Qt::NoModifier},    {Qt::Key_Right, Qt::ShiftModifier},
      {Qt::Key_Left, Qt::NoModifier},     {Qt::Key_Down, Qt::NoModifier},
      {Qt::Key_PageDown, Qt::NoModifier}, {Qt::Key_Right, Qt::ControlModifier},
      {Qt::Key_Up, Qt::NoModifier},       {Qt::Key_PageUp, Qt::NoModifier},
      {Qt::Key_PageUp, Qt::NoModifier},
  };
  for (const auto& [key, modifiers] : keys) {
    switch (key) {
      case Qt::Key_Right:
        expected = modifiers == Qt::ControlModifier
                       ? NextStart(birth, expected)
                       : AddSeconds(expected, modifiers == Qt::ShiftModifier ? 60 : 1);
        break;
      case Qt::Key_Left:
        expected = AddSeconds(expected, -1);
        break;
      case Qt::Key_Up:
        expected = AddSeconds(expected, 60);
        break;
      case Qt::Key_Down:
        expected = AddSeconds(expected, -60);
        break;
      case Qt::Key_PageDown:
        expected = NextStart(birth, expected);
        break;
      case Qt::Key_PageUp: {
        const LocalDateTime start = CurrentStart(birth, expected);
        expected = start != expected ? start : CurrentStart(birth, AddSeconds(expected, -1));
        break;
      }
    }
    QTest::keyClick(&strip, static_cast<Qt::Key>(key), modifiers);
    ExpectShowsChartAt(window, birth, expected);
  }
  EXPECT_EQ(window.findChildren<QWidget*>(), controls) << "the window was rebuilt";

  // The moved time and how far it moved, to the second.
  window.showChart(*RunChart(birth).chart);
  QTest::keyClick(&strip, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&strip, Qt::Key_Right);
  EXPECT_EQ(Child<QLabel>(window, QStringLiteral("lblMovedTime")).text(),
            "Birth time 06:31:16 on 15 August 1990 (moved +1 min 1 s)");
}

// Other conventions chart the shown (moved) time again in place, and the window says which
// conventions its chart used, marked when they are not the classic ones.
// The Pranapada's degree beside the positions, at each boundary of the span: always in the
// sign the chart gives it, and rising through the sign within an interval.
TEST(BirthTimeStrip, ThePranapadaDegreeStaysInItsSignAtEveryBoundary) {
  FrmDisplay window;
  window.showChart(*RunChart(test::BirthDataOf(test::BirthEntry{})).chart);
  auto& strip = Child<BirthTimeStrip>(window, QStringLiteral("birthTimeStrip"));
  auto& degree = Child<QLabel>(window, QStringLiteral("lblPranapadaDegree"));
  strip.setFocus();
  QTest::keyClick(&strip, Qt::Key_Home);
  int checked = 0;
  for (int boundary = 0; boundary < 40; ++boundary) {
    ASSERT_TRUE(window.shownChart().has_value());
    const std::string text = degree.text().toStdString();
    EXPECT_EQ(SignIndexOfShortPosition(text), window.shownChart()->pranapada.PpLSign - 1)
        << text;
    // A minute later the degree is the same or further on in the same sign.
    QTest::keyClick(&strip, Qt::Key_Up);
    const std::string later = degree.text().toStdString();
    if (SignIndexOfShortPosition(later) == SignIndexOfShortPosition(text)) {
      EXPECT_GE(later.substr(0, 2) + later.substr(7, 2), text.substr(0, 2) + text.substr(7, 2));
      ++checked;
    }
    QTest::keyClick(&strip, Qt::Key_PageDown);
  }
  EXPECT_GT(checked, 10);
}

// The span chosen is kept: the next result window (the next chart) starts with it, and its
// timeline reaches that far.
TEST(BirthTimeStrip, TheSpanChosenIsKeptForTheNextChart) {
  const BirthData birth = test::BirthDataOf(test::BirthEntry{});
  for (const int index : {3, 0, 4, 1}) {
    int minutes = 0;
    {
      FrmDisplay window;
      window.showChart(*RunChart(birth).chart);
      auto& span = Child<QComboBox>(window, QStringLiteral("cmbSpan"));
      span.setCurrentIndex(index);
      minutes = span.currentData().toInt();
    }
    FrmDisplay next;
    next.showChart(*RunChart(birth).chart);
    EXPECT_EQ(Child<QComboBox>(next, QStringLiteral("cmbSpan")).currentData().toInt(), minutes);
    // Home goes to the span's first second: the minutes chosen before the birth.
    auto& strip = Child<BirthTimeStrip>(next, QStringLiteral("birthTimeStrip"));
    strip.setFocus();
    QTest::keyClick(&strip, Qt::Key_Home);
    const LocalDateTime first = BirthMomentOf(next.shownChart()->birth);
    const std::int64_t before =
        (DaysFromCivil(BirthMomentOf(birth).year, BirthMomentOf(birth).month,
                       BirthMomentOf(birth).day) -
         DaysFromCivil(first.year, first.month, first.day)) * 86400 +
        (BirthMomentOf(birth).hour - first.hour) * 3600 +
        (BirthMomentOf(birth).minute - first.minute) * 60 + BirthMomentOf(birth).second -
        first.second;
    EXPECT_EQ(before, minutes * 60) << minutes;
  }
}

TEST(BirthTimeStrip, OtherConventionsChartTheShownTimeAgain) {
  const BirthData birth = test::BirthDataOf(test::BirthEntry{});
  FrmDisplay window;
  window.showChart(*RunChart(birth).chart);
  auto& strip = Child<BirthTimeStrip>(window, QStringLiteral("birthTimeStrip"));
  QTest::keyClick(&strip, Qt::Key_Right, Qt::ShiftModifier);
  const LocalDateTime moved = AddSeconds(BirthMomentOf(birth), 60);
  const auto& conventions = Child<QLabel>(window, QStringLiteral("lblConventions"));
  EXPECT_EQ(conventions.text().toStdString(), ConventionsLine({}));
  EXPECT_FALSE(conventions.font().bold());

  window.setConventions(ModernConventions());
  const ChartOutcome expected = RunChart(BirthAt(birth, moved), ModernConventions());
  ASSERT_TRUE(expected.chart.has_value());
  for (const auto& [name, text] : test::ExpectedLabelTexts(*expected.chart))
    EXPECT_EQ(Child<QLabel>(window, name).text().toStdString(), text) << name.toStdString();
  EXPECT_EQ(strip.moment(), moved);
  EXPECT_EQ(conventions.text().toStdString(), ConventionsLine(ModernConventions()));
  EXPECT_TRUE(conventions.font().bold());
  const auto timeline = BirthTimeline(BirthAt(birth, moved), 30, ModernConventions());
  EXPECT_EQ(IntervalAt(timeline, moved)->chart->pranapadaSign, expected.chart->pranapada.PpLSign);
}

// Boundary after boundary across the span's end and back: each is the first second of a
// new interval of a timeline computed afresh, though the span first shown is ±10 min.
TEST(BirthTimeCursor, BoundariesBeyondTheSpanAreTheTimelines) {
  const BirthData birth = test::BirthDataOf(test::BirthEntry{});
  BirthTimeCursor cursor(birth, 10, {});
  std::vector<LocalDateTime> starts;
  for (int n = 0; n < 8; ++n) {
    const LocalDateTime expected = NextStart(birth, cursor.moment());
    ASSERT_TRUE(cursor.moveToNextBoundary());
    ASSERT_EQ(cursor.moment(), expected) << "boundary " << n;
    ASSERT_EQ(IntervalAt(*cursor.timeline(), cursor.moment()), &cursor.current());
    starts.push_back(expected);
  }
  EXPECT_GT(SecondsBetween(BirthMomentOf(birth), cursor.moment()), 10 * 60);
  for (int n = static_cast<int>(starts.size()) - 2; n >= 0; --n) {
    ASSERT_TRUE(cursor.moveToPreviousBoundary());
    EXPECT_EQ(cursor.moment(), starts[static_cast<std::size_t>(n)]) << "back to boundary " << n;
  }
  EXPECT_EQ(cursor.movedSeconds(), SecondsBetween(BirthMomentOf(birth), starts.front()));
}

TEST(BirthTimeStrip, APolarStopIsShownInPlaceAndTheStripStaysUsable) {
  const BirthData birth = Tromso();
  const auto timeline = BirthTimeline(birth, 60);
  const auto stop = std::find_if(timeline.begin(), timeline.end(),
                                 [](const TimelineInterval& t) { return !t.chart; });
  ASSERT_NE(stop, timeline.end()) << "the sample has no polar stop within the hour";

  test::RecordedMessages boxes;
  FrmDisplay window;
  window.showChart(*RunChart(birth).chart);
  auto& strip = Child<BirthTimeStrip>(window, QStringLiteral("birthTimeStrip"));
  for (int n = 0; n < 60 && strip.moment() != stop->from; ++n)
    QTest::keyClick(&strip, Qt::Key_PageDown);
  ASSERT_EQ(strip.moment(), stop->from);

  const BirthData stopped = BirthAt(birth, stop->from);
  const ChartOutcome outcome = RunChart(stopped);
  ASSERT_FALSE(outcome.chart.has_value());
  EXPECT_TRUE(boxes.messages.empty()) << "a box for a stop while moving";
  EXPECT_EQ(Child<QLabel>(window, QStringLiteral("lblHouseDesc")).text().toStdString(),
            outcome.stopMessage);
  EXPECT_EQ(Child<QLabel>(window, QStringLiteral("lblTOB")).text().toStdString(),
            MakeDetailTexts(stopped).tob);
  for (int i = 0; i < 10; ++i)
    EXPECT_TRUE(Child<QLabel>(window, QStringLiteral("planet_%1").arg(i)).text().isEmpty())
        << "a position of an earlier chart left in the table";
  for (const char* sign : test::kSignLabels)
    EXPECT_TRUE(Child<QLabel>(window, QString::fromLatin1(sign)).text().isEmpty()) << sign;

  QTest::keyClick(&strip, Qt::Key_Left);
  ExpectShowsChartAt(window, birth, AddSeconds(stop->from, -1));
}

}  // namespace
}  // namespace velquor
