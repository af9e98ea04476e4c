// The sweep's checks must see a broken chart: one sound chart passes, and each single
// fault planted in it is reported.
#include "sweep/chart_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace velquor {
namespace {

constexpr int kIst = 34;

BirthData DelhiBirth() {
  BirthData b;
  b.personName = "RAVI";
  b.yearNumber = 1990;
  b.monthNumber = 8;
  b.dayNumber = 15;
  b.hourNumber = 6;
  b.minuteNumber = 30;
  b.lonDegrees = 77;
  b.lonMinutes = 13;
  b.latDegrees = 28;
  b.latMinutes = 37;
  b.zoneIndex = kIst;
  return b;
}

TEST(ChartChecks, ASoundChartPasses) {
  const BirthData birth = DelhiBirth();
  EXPECT_EQ(ChartOutcomeFaults(birth, RunChart(birth)), std::vector<std::string>{});
}

TEST(ChartChecks, EachPlantedFaultIsSeen) {
  struct Case {
    const char* what;
    std::function<void(ChartResult&)> plant;
  };
  const Case cases[] = {
      {"NaN ascendant", [](ChartResult& r) { r.ascendant.AscendantSidereal = std::nan(""); }},
      {"infinite Sun at sunrise",
       [](ChartResult& r) { r.SunAtSunrise = std::numeric_limits<double>::infinity(); }},
      {"minutes of 60 in a short text", [](ChartResult& r) { r.PositionTexts[3] = "16 Sag 60"; }},
      {"unknown sign in a long text",
       [](ChartResult& r) { r.moon.MoonText = "3\u00B0 30' 0\" Xyz"; }},
      {"retrograde Sun", [](ChartResult& r) { r.ChartNames[0] = "Sun (R) "; }},
      {"body in the wrong cell", [](ChartResult& r) { std::swap(r.SignCells[0], r.SignCells[1]); }},
      {"extra line in a sign cell", [](ChartResult& r) { r.SignCells[5] += "\r\n"; }},
      {"missing special tag",
       [](ChartResult& r) {
         r.SpecialCells[static_cast<std::size_t>(r.pranapada.PpLSign - 1)].erase(0, 2);
       }},
      {"house 13", [](ChartResult& r) { r.pranapada.House = 13; }},
      {"house not counted from the ascendant",
       [](ChartResult& r) { r.pranapada.House = r.pranapada.House % 12 + 1; }},
      {"negative elapsed time", [](ChartResult& r) { r.ElapsedSeconds = -1; }},
      {"elapsed minutes off", [](ChartResult& r) { r.ElapsedMinutes += 1; }},
      {"reference sunrise of the wrong day",
       [](ChartResult& r) { r.ReferenceSunrise = *r.sunDays[0].sunrise; }},
      {"no sunset on the birth day", [](ChartResult& r) { r.sunDays[1].sunset.reset(); }},
      {"time of birth with seconds", [](ChartResult& r) { r.details.tob = "6:30:0"; }},
  };
  const BirthData birth = DelhiBirth();
  const ChartOutcome sound = RunChart(birth);
  ASSERT_TRUE(sound.chart.has_value());
  for (const Case& c : cases) {
    ChartOutcome broken = sound;
    c.plant(*broken.chart);
    EXPECT_FALSE(ChartOutcomeFaults(birth, broken).empty()) << c.what;
  }
}

TEST(ChartChecks, OnlyThePolarStopIsAllowed) {
  BirthData tromso = DelhiBirth();
  tromso.yearNumber = 2000;
  tromso.monthNumber = 12;
  tromso.dayNumber = 21;
  tromso.latDegrees = 69;
  tromso.lonDegrees = 18;
  const ChartOutcome polar = RunChart(tromso);
  ASSERT_FALSE(polar.chart.has_value());
  EXPECT_EQ(ChartOutcomeFaults(tromso, polar), std::vector<std::string>{});

  const ChartOutcome otherMessage{std::nullopt, polar.stopReason, "Something went wrong"};
  EXPECT_FALSE(ChartOutcomeFaults(tromso, otherMessage).empty());
  ChartOutcome otherReason = polar;
  otherReason.stopReason = StopReason::NoSunset;
  EXPECT_FALSE(ChartOutcomeFaults(tromso, otherReason).empty())
      << "the reason agrees with the message";
  const BirthData delhi = DelhiBirth();
  EXPECT_FALSE(ChartOutcomeFaults(delhi, polar).empty()) << "a polar stop at 28° N";
}

}  // namespace
}  // namespace velquor
