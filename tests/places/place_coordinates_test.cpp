#include "places/place_coordinates.h"

#include <gtest/gtest.h>

namespace velquor {
namespace {

TEST(PlaceCoordinates, RoundsToTheNearestMinuteAndCarriesIntoTheDegree) {
  struct Case {
    double degrees;
    int wholeDegrees, minutes;
    bool negative;
  };
  const Case cases[] = {
      {25.31668, 25, 19, false},            // Varanasi
      {-3.70256, 3, 42, true},              // Madrid, West
      {28.99999, 29, 0, false},             // 59.9994' carries into the degree
      {12.0 + 30.5 / 60.0, 12, 31, false},  // half a minute rounds up
      {12.0 + 30.49 / 60.0, 12, 30, false},
      {-(77.0 + 59.6 / 60.0), 78, 0, true},
      {179.999, 180, 0, false},
      {-0.001, 0, 0, false},  // no "South" for 0° 0'
  };
  for (const auto& c : cases) {
    const DegreesMinutes angle = RoundToMinute(c.degrees);
    EXPECT_EQ(angle.degrees, c.wholeDegrees) << c.degrees;
    EXPECT_EQ(angle.minutes, c.minutes) << c.degrees;
    EXPECT_EQ(angle.negative, c.negative) << c.degrees;
  }
}

TEST(PlaceCoordinates, CommandLineText) {
  EXPECT_EQ(LatitudeText(28.63576), "28N38");
  EXPECT_EQ(LongitudeText(77.22445), "77E13");
  EXPECT_EQ(LatitudeText(-33.86785), "33S52");
  EXPECT_EQ(LongitudeText(-3.70256), "3W42");
  EXPECT_EQ(LongitudeText(0.0), "0E00");
}

}  // namespace
}  // namespace velquor
