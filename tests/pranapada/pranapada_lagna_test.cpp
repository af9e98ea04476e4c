#include "pranapada/pranapada_lagna.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velquor {
namespace {

TEST(Vighati2Degree, SplitsSignsIntoDegreesAndMinutes) {
  struct Case {
    double x;
    int signs, degrees, minutes;
  };
  const Case cases[] = {
      {0.0, 0, 0, 0},
      {1.0, 1, 0, 0},
      {0.5, 0, 15, 0},
      {2.5625, 2, 16, 52},              // 0.5625 sign = 16.875 degrees
      {-2.5625, 2, 16, 52},             // a negative arc counts by its size
      {92.41666666666667, 92, 12, 30},  // 33270 s: 9 h 14 min 30 s
  };
  for (const auto& c : cases) {
    PranapadaResult r;
    Vighati2Degree(c.x, r);
    EXPECT_EQ(r.Signs, c.signs) << c.x;
    EXPECT_EQ(r.Degrees, c.degrees) << c.x;
    EXPECT_EQ(r.Minutes, c.minutes) << c.x;
  }
}

TEST(PranapadaLagna, SignAndHouse) {
  struct Case {
    const char* what;
    const char* sun;
    long long seconds;
    int ascSign;
    int pplSign, house;
  };
  const Case cases[] = {
      {"at sunrise, Sun in a movable sign", "10 Ari 00", 0, 1, 1, 1},
      {"at sunrise, Sun in a fixed sign: ninth from it", "10 Tau 00", 0, 1, 10, 10},
      {"at sunrise, Sun in a dual sign: fifth from it", "10 Gem 00", 0, 1, 7, 7},
      {"6 minutes: one sign on", "10 Ari 00", 360, 1, 2, 2},
      {"1 hour: ten signs on", "10 Ari 00", 3600, 1, 11, 11},
      {"3 minutes: 15 degrees, no carry below 30", "10 Ari 00", 180, 1, 1, 1},
      {"3 minutes: 15 degrees carry over a Sun at 20", "20 Ari 00", 180, 1, 2, 2},
      {"1 second: 5 arc minutes carry over 29 Pis 59", "29 Pis 59", 1, 1, 5, 5},
      {"1 second: no carry over 29 Pis 54", "29 Pis 54", 1, 1, 4, 4},
      {"PpL in the ascendant's sign: house 1", "10 Leo 00", 0, 1, 1, 1},
      {"PpL one sign before the ascendant: house 12", "10 Ari 00", 0, 2, 1, 12},
      {"PpL Pisces, ascendant Aries: house 12", "10 Cap 00", 720, 1, 12, 12},
      {"a long night count wraps the circle", "05 Sag 41", 33270, 6, 9, 4},
  };
  for (const auto& c : cases) {
    const PranapadaResult r = ComputePranapadaLagna(c.sun, c.seconds, c.ascSign);
    EXPECT_EQ(r.PpLSign, c.pplSign) << c.what;
    EXPECT_EQ(r.House, c.house) << c.what;
  }
}

TEST(PranapadaLagna, RefusesATextThatIsNoShortPosition) {
  for (const char* bad : {"", "10 Xyz 00", "1 Ari 00", "10 Ari 0", "ab Ari 00"}) {
    EXPECT_THROW(ComputePranapadaLagna(bad, 0, 1), std::invalid_argument) << bad;
  }
}

}  // namespace
}  // namespace velquor
