// The timeline over birth time against the plainest reference there is: a whole chart run
// for every second of the span, equal neighbours joined.
#include "chart/birth_timeline.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "astro/position_text.h"
#include "chart/birth_instant.h"
#include "chart/chart_run.h"
#include "pranapada/pranapada_lagna.h"

namespace velquor {
namespace {

BirthData Birth(LocalDateTime at, int latDeg, int latMin, bool south, int lonDeg, int lonMin,
                bool east, int zone, bool dst = false) {
  BirthData b;
  b.personName = "SCAN";
  b.latDegrees = latDeg;
  b.latMinutes = latMin;
  b.isSouth = south;
  b.lonDegrees = lonDeg;
  b.lonMinutes = lonMin;
  b.isEast = east;
  b.zoneIndex = zone;
  b.isDst = dst;
  return BirthAt(b, at);
}

// What the timeline shows of one whole chart.
TimelineChart ShownOf(const ChartResult& r) {
  TimelineChart c;
  c.pranapadaSign = r.pranapada.PpLSign;
  c.ascendantSign = r.AscSign;
  c.moonSign = SignIndexOfShortPosition(r.PositionTexts[1]) + 1;
  c.houseFromAscendant = r.pranapada.House;
  c.houseFromMoon = (c.pranapadaSign - c.moonSign + 12) % 12 + 1;
  c.referenceSunrise = r.ReferenceSunrise;
  c.checkFromAscendant = IsCheckHouse(c.houseFromAscendant);
  c.checkFromMoon = IsCheckHouse(c.houseFromMoon);
  c.firstDegrees = c.lastDegrees = PranapadaLongitude(r.SunAtSunriseText, r.pranapada);
  return c;
}

bool SameButDegrees(TimelineChart a, const TimelineChart& b) {
  a.firstDegrees = b.firstDegrees;
  a.lastDegrees = b.lastDegrees;
  return a == b;
}

// RunChart for every second of the span, joined.
std::vector<TimelineInterval> ScanTimeline(const BirthData& birth, int spanMinutes,
                                           const Conventions& conventions = {}) {
  const LocalDateTime moment = BirthMomentOf(birth);
  const LocalDateTime last = AddSeconds(moment, spanMinutes * 60);
  std::vector<TimelineInterval> scan;
  for (LocalDateTime t = AddSeconds(moment, -spanMinutes * 60); t <= last; t = AddSeconds(t, 1)) {
    if (t.year < kFirstYear || t.year > kLastYear) continue;  // outside the form's years
    const ChartOutcome outcome = RunChart(BirthAt(birth, t), conventions);
    TimelineInterval here{t, t, std::nullopt, outcome.stopReason, outcome.stopMessage};
    if (outcome.chart) here.chart = ShownOf(*outcome.chart);
    TimelineInterval* previous = scan.empty() ? nullptr : &scan.back();
    const bool joins = previous != nullptr && (previous->chart && here.chart
                                                   ? SameButDegrees(*previous->chart, *here.chart)
                                                   : !previous->chart && !here.chart &&
                                                         previous->stopMessage == here.stopMessage);
    if (joins) {
      previous->to = t;
      if (here.chart) previous->chart->lastDegrees = here.chart->lastDegrees;
    } else {
      scan.push_back(here);
    }
  }
  return scan;
}

std::string Describe(const TimelineInterval& i) {
  std::string text = FormatSecond(i.from) + " .. " + FormatSecond(i.to);
  if (!i.chart) return text + " stop: " + i.stopMessage;
  return text + " PpL " + std::to_string(i.chart->pranapadaSign) + " (" +
         std::to_string(i.chart->firstDegrees) + ".." + std::to_string(i.chart->lastDegrees) +
         ") asc " + std::to_string(i.chart->ascendantSign) + " moon " +
         std::to_string(i.chart->moonSign) + " from " + FormatSecond(i.chart->referenceSunrise);
}

void ExpectSameTimeline(const std::vector<TimelineInterval>& got,
                        const std::vector<TimelineInterval>& want, const std::string& what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i], want[i]) << what << ", interval " << i << "\n got  " << Describe(got[i])
                               << "\n want " << Describe(want[i]);
  }
}

constexpr int kIst = 34;
constexpr int kGmt = 29;
constexpr int kCet = 20;
constexpr int kEst = 27;

TEST(BirthTimeline, EqualsASecondBySecondScanOfWholeCharts) {
  struct Case {
    const char* what;
    BirthData birth;
    int span;
  };
  const Case cases[] = {
      {"Delhi across sunrise", Birth({1990, 8, 15, 6, 0, 0}, 28, 37, false, 77, 13, true, kIst),
       40},
      {"Delhi across sunset", Birth({1990, 8, 15, 19, 0, 30}, 28, 37, false, 77, 13, true, kIst),
       40},
      {"Greenwich across midnight and the new year",
       Birth({2000, 1, 1, 0, 10, 0}, 51, 29, false, 0, 0, false, kGmt), 30},
      {"New York across a sign of the ascendant, daylight saving ticked",
       Birth({1976, 7, 4, 12, 0, 0}, 40, 43, false, 74, 0, false, kEst, true), 150},
      {"Tromso across the last sunset before the polar night",
       Birth({2000, 11, 27, 12, 0, 0}, 69, 39, false, 18, 57, true, kCet), 90},
      {"Tromso at the first sunrise after the polar night",
       Birth({2000, 1, 17, 10, 30, 0}, 69, 39, false, 18, 57, true, kCet), 90},
      {"London on the night the clocks go forward",
       Birth({1990, 3, 25, 1, 0, 0}, 51, 30, false, 0, 7, false, kGmt), 60},
      {"Sydney, south and east, the last day of the years",
       Birth({2050, 12, 31, 23, 50, 0}, 33, 52, true, 151, 12, true, 8), 20},
  };
  for (const Case& c : cases) {
    ExpectSameTimeline(BirthTimeline(c.birth, c.span), ScanTimeline(c.birth, c.span), c.what);
  }
}

// The Moon changes sign every two and a half days: find the hour of one change, then compare
// the timeline around it with the scan.
TEST(BirthTimeline, EqualsTheScanAcrossASignOfTheMoon) {
  BirthData birth = Birth({1990, 8, 1, 0, 0, 0}, 28, 37, false, 77, 13, true, kIst);
  const auto moonSign = [](const BirthData& b) {
    return SignIndexOfShortPosition(RunChart(b).chart->PositionTexts[1]);
  };
  const int first = moonSign(birth);
  for (int hour = 1; hour < 24 * 4 && moonSign(birth) == first; ++hour) {
    birth = BirthAt(birth, AddSeconds(BirthMomentOf(birth), 3600));
  }
  ASSERT_NE(moonSign(birth), first);
  const std::vector<TimelineInterval> timeline = BirthTimeline(birth, 60);
  ExpectSameTimeline(timeline, ScanTimeline(birth, 60), "across a sign of the Moon");
  EXPECT_NE(timeline.front().chart->moonSign, timeline.back().chart->moonSign);
}

// Every convention moves the windows; the timeline follows each one as the chart run does.
TEST(BirthTimeline, EqualsTheScanUnderEveryConvention) {
  Conventions precise;
  precise.ephemeris = EphemerisConvention::Precise;
  Conventions discCentre;
  discCentre.sunrise = SunriseConvention::DiscCentre;
  Conventions upperLimb;
  upperLimb.sunrise = SunriseConvention::UpperLimb;
  Conventions atBirth;
  atBirth.pranapadaSun = PranapadaSunConvention::AtBirth;
  Conventions fromSunrise;
  fromSunrise.afterSunset = AfterSunsetConvention::FromSunrise;
  const std::pair<const char*, Conventions> sets[] = {
      {"modern", ModernConventions()}, {"precise", precise},  {"disc-centre", discCentre},
      {"upper-limb", upperLimb},       {"at-birth", atBirth}, {"from-sunrise", fromSunrise}};
  const std::pair<const char*, BirthData> births[] = {
      {"Delhi around sunset", Birth({1990, 8, 15, 19, 5, 0}, 28, 37, false, 77, 13, true, kIst)},
      {"New York around sunrise",
       Birth({1976, 7, 4, 5, 30, 0}, 40, 43, false, 74, 0, false, kEst, true)},
      {"Tromso before the polar night",
       Birth({2000, 11, 27, 12, 45, 0}, 69, 39, false, 18, 57, true, kCet)},
  };
  for (const auto& [setName, conventions] : sets) {
    for (const auto& [birthName, birth] : births) {
      ExpectSameTimeline(BirthTimeline(birth, 8, conventions), ScanTimeline(birth, 8, conventions),
                         std::string(birthName) + ", " + setName);
    }
  }
}

// Random places, zones, flags and moments, each against the scan over eleven minutes.
TEST(BirthTimeline, EqualsTheScanForRandomBirths) {
  std::mt19937 random(20261208);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int n = 0; n < 40; ++n) {
    const LocalDateTime at{pick(1901, 2050), pick(1, 12), pick(1, 28),
                           pick(0, 23),      pick(0, 59), pick(0, 59)};
    const BirthData birth = Birth(at, pick(0, 70), pick(0, 59), pick(0, 1) == 1, pick(0, 179),
                                  pick(0, 59), pick(0, 1) == 1, pick(0, 70), pick(0, 1) == 1);
    ExpectSameTimeline(
        BirthTimeline(birth, 5), ScanTimeline(birth, 5),
        "random birth " + FormatSecond(at) + " zone " + std::to_string(birth.zoneIndex));
  }
}

// Over a whole day each side: the intervals touch, cover the span, differ from their
// neighbours, and the checks agree with the houses.
TEST(BirthTimeline, IntervalsTouchAndCoverTheSpan) {
  const BirthData birth = Birth({1990, 8, 15, 12, 0, 0}, 28, 37, false, 77, 13, true, kIst);
  const std::vector<TimelineInterval> timeline = BirthTimeline(birth, kMaxTimelineSpanMinutes);
  ASSERT_FALSE(timeline.empty());
  EXPECT_EQ(timeline.front().from, (LocalDateTime{1990, 8, 15, 0, 0, 0}));
  EXPECT_EQ(timeline.back().to, (LocalDateTime{1990, 8, 16, 0, 0, 0}));
  // About 240 sign windows of the Pranapada in a day, and the ascendant's twelve signs.
  EXPECT_GT(timeline.size(), 240u);
  EXPECT_LT(timeline.size(), 300u);
  for (std::size_t i = 0; i < timeline.size(); ++i) {
    const TimelineInterval& t = timeline[i];
    ASSERT_TRUE(t.chart.has_value());
    EXPECT_LE(t.from, t.to);
    EXPECT_EQ(t.chart->checkFromAscendant, IsCheckHouse(t.chart->houseFromAscendant));
    EXPECT_EQ(t.chart->checkFromMoon, IsCheckHouse(t.chart->houseFromMoon));
    EXPECT_EQ(static_cast<int>(t.chart->firstDegrees / 30) + 1, t.chart->pranapadaSign);
    EXPECT_EQ(static_cast<int>(t.chart->lastDegrees / 30) + 1, t.chart->pranapadaSign);
    if (i == 0) continue;
    EXPECT_EQ(AddSeconds(timeline[i - 1].to, 1), t.from) << "gap or overlap at " << i;
    EXPECT_FALSE(SameButDegrees(*timeline[i - 1].chart, *t.chart)) << "unjoined at " << i;
  }
}

TEST(BirthTimeline, IntervalAtFindsTheHoldingInterval) {
  const BirthData birth = Birth({1990, 8, 15, 12, 0, 0}, 28, 37, false, 77, 13, true, kIst);
  const std::vector<TimelineInterval> timeline = BirthTimeline(birth, 30);
  for (const TimelineInterval& t : timeline) {
    EXPECT_EQ(IntervalAt(timeline, t.from), &t);
    EXPECT_EQ(IntervalAt(timeline, t.to), &t);
  }
  EXPECT_EQ(IntervalAt(timeline, {1990, 8, 15, 11, 29, 59}), nullptr);
  EXPECT_EQ(IntervalAt(timeline, {1990, 8, 15, 12, 30, 1}), nullptr);
  const TimelineInterval* holding = IntervalAt(timeline, BirthMomentOf(birth));
  ASSERT_NE(holding, nullptr);
  const ChartOutcome chart = RunChart(birth);
  EXPECT_EQ(holding->chart->pranapadaSign, chart.chart->pranapada.PpLSign);
}

TEST(BirthTimeline, EdgesOfTheSpanAndOfTheYears) {
  const BirthData birth = Birth({1901, 1, 1, 0, 5, 0}, 28, 37, false, 77, 13, true, kIst);
  const std::vector<TimelineInterval> early = BirthTimeline(birth, 30);
  EXPECT_EQ(early.front().from, (LocalDateTime{1901, 1, 1, 0, 0, 0})) << "clipped at 1901";
  EXPECT_EQ(early.back().to, (LocalDateTime{1901, 1, 1, 0, 35, 0}));
  const std::vector<TimelineInterval> instant = BirthTimeline(birth, 0);
  ASSERT_EQ(instant.size(), 1u);
  EXPECT_EQ(instant.front().from, instant.front().to);
  EXPECT_THROW(BirthTimeline(birth, -1), std::invalid_argument);
  EXPECT_THROW(BirthTimeline(birth, kMaxTimelineSpanMinutes + 1), std::invalid_argument);
  BirthData bad = birth;
  bad.latDegrees = 90;
  EXPECT_THROW(BirthTimeline(bad, 30), std::invalid_argument);
}

}  // namespace
}  // namespace velquor
