#include "chart/detail_texts.h"

#include <gtest/gtest.h>

#include "chart/birth_data.h"

namespace velquor {
namespace {

TEST(DetailTexts, Formats) {
  struct Case {
    BirthData birth;
    const char *dob, *tob, *latitude, *longitude;
  };
  BirthData delhi;
  delhi.monthNumber = 3;
  delhi.dayNumber = 5;
  delhi.yearNumber = 1980;
  delhi.hourNumber = 5;
  delhi.minuteNumber = 7;
  delhi.latDegrees = 28;
  delhi.latMinutes = 36;
  delhi.lonDegrees = 77;
  delhi.lonMinutes = 12;

  BirthData southWest = delhi;
  southWest.monthNumber = 12;
  southWest.dayNumber = 31;
  southWest.yearNumber = 2050;
  southWest.hourNumber = 23;
  southWest.minuteNumber = 59;
  southWest.secondNumber = 59;  // never shown
  southWest.isSouth = true;
  southWest.isEast = false;

  BirthData zero = delhi;
  zero.hourNumber = 0;
  zero.minuteNumber = 0;
  zero.latDegrees = zero.latMinutes = zero.lonDegrees = zero.lonMinutes = 0;

  const Case cases[] = {
      {delhi, "March/5/1980", "5:7", "28 36' N", "77 12' E"},
      {southWest, "December/31/2050", "23:59", "28 36' S", "77 12' W"},
      {zero, "March/5/1980", "0:0", "0 0' N", "0 0' E"},
  };
  for (const auto& c : cases) {
    const DetailTexts t = MakeDetailTexts(c.birth);
    EXPECT_EQ(t.dob, c.dob);
    EXPECT_EQ(t.tob, c.tob);
    EXPECT_EQ(t.latitude, c.latitude);
    EXPECT_EQ(t.longitude, c.longitude);
  }
}

}  // namespace
}  // namespace velquor
