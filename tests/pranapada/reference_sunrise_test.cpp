#include "pranapada/reference_sunrise.h"

#include <gtest/gtest.h>

namespace velquor {
namespace {

TEST(ReferenceSunrise, DayOfTheCount) {
  const LocalDateTime rise{2000, 3, 21, 6, 0, 0};
  const LocalDateTime set{2000, 3, 21, 18, 0, 0};
  struct Case {
    LocalDateTime birth;
    ReferenceDay want;
  };
  const Case cases[] = {
      {{2000, 3, 21, 6, 0, 0}, ReferenceDay::Birth},   // exactly at sunrise
      {{2000, 3, 21, 18, 0, 0}, ReferenceDay::Birth},  // exactly at sunset
      {{2000, 3, 21, 12, 0, 0}, ReferenceDay::Birth},
      {{2000, 3, 21, 5, 59, 59}, ReferenceDay::Previous},
      {{2000, 3, 21, 2, 0, 0}, ReferenceDay::Previous},
      {{2000, 3, 21, 18, 0, 1}, ReferenceDay::Next},
      {{2000, 3, 21, 23, 59, 59}, ReferenceDay::Next},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReferenceDayOf(c.birth, rise, set), c.want) << FormatSecond(c.birth);
}

TEST(ReferenceSunrise, ElapsedTime) {
  struct Case {
    const char* what;
    LocalDateTime sunrise, birth;
    long long seconds, minutes;
  };
  const Case cases[] = {
      {"at sunrise", {2000, 3, 21, 6, 0, 0}, {2000, 3, 21, 6, 0, 0}, 0, 0},
      {"seconds only move the seconds", {2000, 3, 21, 6, 0, 0}, {2000, 3, 21, 6, 0, 59}, 59, 0},
      {"day birth", {2000, 3, 21, 6, 4, 0}, {2000, 3, 21, 14, 30, 15}, 30375, 506},
      {"before sunrise, from the day before",
       {2000, 3, 20, 6, 4, 0},
       {2000, 3, 21, 2, 0, 0},
       71760,
       1196},
      {"after sunset, still to go", {2000, 3, 22, 6, 15, 0}, {2000, 3, 21, 21, 0, 30}, 33270, 555},
      {"over the year end", {2001, 1, 1, 7, 10, 0}, {2000, 12, 31, 23, 0, 0}, 29400, 490},
      // A clock far from its sun: the birth lies past the next sunrise and counts on from it.
      {"past the next sunrise", {2000, 3, 21, 20, 4, 0}, {2000, 3, 21, 21, 0, 30}, 3390, 56},
  };
  for (const auto& c : cases) {
    const ElapsedTime got = ElapsedBetween(c.sunrise, c.birth);
    EXPECT_EQ(got.seconds, c.seconds) << c.what;
    EXPECT_EQ(got.minutes, c.minutes) << c.what;
  }
}

}  // namespace
}  // namespace velquor
