#include "astro/date_time.h"

#include <gtest/gtest.h>

namespace velquor {
namespace {

TEST(DateTime, RollsOverMonthAndYearEnds) {
  struct Case {
    LocalDateTime from;
    std::int64_t minutes;
    LocalDateTime want;
  };
  const Case cases[] = {
      {{2000, 12, 31, 23, 30, 0}, 45, {2001, 1, 1, 0, 15, 0}},
      {{2000, 1, 1, 0, 10, 0}, -330, {1999, 12, 31, 18, 40, 0}},
      {{2000, 2, 28, 23, 0, 0}, 60, {2000, 2, 29, 0, 0, 0}},
      {{1900, 2, 28, 23, 0, 0}, 60, {1900, 3, 1, 0, 0, 0}},
      {{2050, 12, 31, 12, 0, 0}, 24 * 60, {2051, 1, 1, 12, 0, 0}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AddMinutes(c.from, c.minutes), c.want) << FormatSecond(c.from);
}

TEST(DateTime, DifferencesAndCalendarFacts) {
  EXPECT_EQ(SecondsBetween({2000, 3, 21, 21, 0, 30}, {2000, 3, 22, 6, 15, 0}), 33270);
  EXPECT_EQ(DayOfYear(2000, 3, 21), 81);
  EXPECT_EQ(DayOfYear(1999, 12, 31), 365);
  EXPECT_EQ(DaysSinceSunday(2000, 1, 1), 6);  // Saturday
  EXPECT_EQ(DaysSinceSunday(2001, 4, 1), 0);  // Sunday
  EXPECT_EQ(DaysSinceSunday(1901, 1, 1), 2);  // Tuesday
  EXPECT_TRUE(IsValidCivilDate(2000, 2, 29));
  EXPECT_FALSE(IsValidCivilDate(1900, 2, 29));
  EXPECT_FALSE(IsValidCivilDate(2001, 4, 31));
  EXPECT_EQ(FormatMinute({1990, 8, 5, 6, 7, 9}), "1990-08-05 06:07");
  EXPECT_EQ(FormatSecond({1990, 8, 5, 6, 7, 9}), "1990-08-05 06:07:09");
  EXPECT_STREQ(MonthName(9), "September");
}

TEST(DateTime, EpochRoundTripAcrossTheCenturies) {
  for (std::int64_t s = -3'000'000'000; s < 3'000'000'000; s += 86'399 * 37) {
    EXPECT_EQ(SecondsSinceEpoch(FromSecondsSinceEpoch(s)), s);
  }
}

}  // namespace
}  // namespace velquor
