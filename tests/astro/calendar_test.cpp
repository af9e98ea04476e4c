#include "astro/calendar.h"
#include "astro/angles.h"
#include "astro/ayanamsa.h"
#include "astro/position_text.h"
#include "astro/signs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace velquor {
namespace {

TEST(JulianDayNumber, PublishedDates) {
  struct Case {
    int month, day, year;
    long want;
  };
  const Case cases[] = {
      {1, 1, 2000, 2451545},    // J2000.0
      {12, 31, 1899, 2415020},  // 1900 January 0
      {10, 15, 1582, 2299171},  // still a Julian-calendar day number
      {10, 16, 1582, 2299162},  // first Gregorian day number
      {3, 1, 1900, 2415080},   {8, 15, 1990, 2448119},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.want)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(DaysSinceJ2000, AgreesWithJulianDayInsideItsSpan) {
  EXPECT_DOUBLE_EQ(DaysSinceJ2000(2000, 1, 1, 12, 0), 0.0);
  EXPECT_DOUBLE_EQ(DaysSinceJ2000(2000, 1, 2, 0, 0), 0.5);
  EXPECT_DOUBLE_EQ(DaysSinceJ2000(1990, 8, 15, 1, 0), 2448119 - 2451545 + 1.0 / 24 - 0.5);
  // No century rule: one day off the Julian Day Number before 1900-03-01.
  EXPECT_DOUBLE_EQ(DaysSinceJ2000(1900, 2, 28, 12, 0), -36467.0);
  EXPECT_DOUBLE_EQ(DaysSinceJ2000(1900, 3, 1, 12, 0), 2415080.0 - 2451545.0);
}

TEST(AyanamsaCorrection, ReferenceValues) {
  EXPECT_NEAR(AyanamsaCorrection(0.0), -22.4663, 5e-5);
  EXPECT_NEAR(AyanamsaCorrection(1.0), -23.8540, 5e-5);
}

TEST(NormalizeDegrees, OneStepEachWay) {
  const double cases[][2] = {{-10, 350}, {370, 10},  {360, 360}, {-400, -40},
                             {0, 0},     {720, 360}, {-360, 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(NormalizeDegrees(c[0]), c[1]) << c[0];
}

TEST(ReduceRadians, IntoOneTurn) {
  EXPECT_NEAR(ReduceRadians(kTwoPi + 1.0), 1.0, 1e-12);
  EXPECT_NEAR(ReduceRadians(-1.0), kTwoPi - 1.0, 1e-12);
  EXPECT_NEAR(ReduceRadians(-3 * kTwoPi - 0.5), kTwoPi - 0.5, 1e-12);
  EXPECT_DOUBLE_EQ(ReduceRadians(0.0), 0.0);
}

TEST(QuadrantAtan, Quadrants) {
  struct Case {
    double y, x, want;
  };
  const Case cases[] = {
      {1, -1, 3 * kPi / 4}, {-1, -1, -3 * kPi / 4}, {0, -1, 0.0},    {0, 0, 0.0},
      {1, 0, kPi / 2},      {-2, 0, -kPi / 2},      {1, 1, kPi / 4},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(QuadrantAtan(c.y, c.x), c.want, 1e-13) << c.y << "," << c.x;
}

TEST(FormatLongitude, Texts) {
  struct Case {
    double x;
    const char* want;
  };
  const Case cases[] = {
      {123.5, "3\u00B0 30' 0\" Leo"},    {-15.25, "15\u00B0 15' 0\" Ari"},
      {359.99, "29\u00B0 59' 24\" Pis"}, {360.0, "0\u00B0 0' 0\" Ari"},
      {0.0, "0\u00B0 0' 0\" Ari"},       {30.0, "0\u00B0 0' 0\" Tau"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatLongitude(c.x), c.want) << c.x;
}

TEST(ShortPosition, Texts) {
  struct Case {
    const char* in;
    const char* want;
  };
  const Case cases[] = {
      {"3\u00B0 30' 0\" Leo", "03 Leo 30"},
      {"5\u00B0 3' 59\" Tau", "05 Tau 03"},
      {"29\u00B0 59' 24\" Pis", "29 Pis 59"},
      {"  12\u00B0 45' 1\" Sag  ", "12 Sag 45"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortPosition(c.in), c.want) << c.in;
}

TEST(ShortPosition, EveryWholeMinuteRoundTripsItsSign) {
  for (int minute = 0; minute < 360 * 60; minute += 7) {
    const double x = minute / 60.0 + 1e-9;
    const std::string text = ShortPosition(FormatLongitude(x));
    ASSERT_EQ(text.size(), 9u) << text;
    EXPECT_EQ(SignIndexOfShortPosition(text), minute / 1800) << text;
    EXPECT_EQ(std::stoi(text.substr(0, 2)), (minute / 60) % 30) << text;
    EXPECT_EQ(std::stoi(text.substr(7, 2)), minute % 60) << text;
  }
}

// Every whole arc minute of the zodiac reads back as itself within its sign, however the
// division by 60 rounds it (61 / 60.0 is a hair below 1° 1'), and a hair below the next
// minute still reads as the minute.
TEST(DegreesInSign, EveryWholeMinuteReadsBackWithinItsSign) {
  for (int minute = 0; minute < 360 * 60; ++minute) {
    char want[16];
    std::snprintf(want, sizeof want, "%d\u00B0%02d'", minute / 60 % 30, minute % 60);
    ASSERT_EQ(DegreesInSign(minute / 60.0), want) << minute;
    ASSERT_EQ(DegreesInSign((minute + 0.999) / 60.0), want) << minute;
  }
  EXPECT_EQ(DegreesInSign(123.5), "3\u00B030'");
  EXPECT_EQ(DegreesInSign(359.99), "29\u00B059'");
}

TEST(SignAbbreviations, IndexBothWays) {
  for (int i = 0; i < 12; ++i) EXPECT_EQ(SignIndexOfAbbreviation(SignAbbreviation(i)), i);
  EXPECT_EQ(SignIndexOfAbbreviation("Xyz"), -1);
}

}  // namespace
}  // namespace velquor
