#include "retro/station.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velquor {
namespace {

TEST(Station, ParsesTextAsWritten) {
  struct Case {
    const char* text;
    LocalDateTime want;
  };
  const Case cases[] = {
      {"3,15,1900,13,19,", {1900, 3, 15, 13, 19, 0}}, {"2,21,2000,0,39,", {2000, 2, 21, 0, 39, 0}},
      {"10,14,2020,0,56,", {2020, 10, 14, 0, 56, 0}}, {"9,16,1899,5,48,", {1899, 9, 16, 5, 48, 0}},
      {"2,29,2000,23,59,", {2000, 2, 29, 23, 59, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseStation(c.text), c.want) << c.text;
}

TEST(Station, RejectsMalformedText) {
  const char* const cases[] = {
      "",                    // nothing
      "3,15,1900,13,19",     // last comma missing
      "3,15,1900,13,",       // four numbers
      "3,15,1900,13,19,7,",  // six numbers
      "3,15,1900,13,19,x",   // trailing text
      "3,,1900,13,19,",      // empty part
      "3, 15,1900,13,19,",   // blank inside a part
      "3,15a,1900,13,19,",   // not a number
      "13,15,1900,13,19,",   // month 13
      "0,15,1900,13,19,",    // month 0
      "2,29,1900,13,19,",    // no 29 February in 1900
      "4,31,2000,13,19,",    // no 31 April
      "3,15,190,13,19,",     // year not of four digits
      "3,15,1900,24,0,",     // hour 24
      "3,15,1900,-1,0,",     // negative hour
      "3,15,1900,13,60,",    // minute 60
  };
  for (const char* text : cases) EXPECT_THROW(ParseStation(text), std::invalid_argument) << text;
}

TEST(Station, FormatsWithoutLeadingZerosAndRoundTrips) {
  const StationMoment moments[] = {
      {3, 15, 1900, 13, 19}, {10, 14, 2020, 0, 56}, {1, 1, 2000, 0, 0}, {12, 31, 2050, 23, 59}};
  const char* const texts[] = {"3,15,1900,13,19,", "10,14,2020,0,56,", "1,1,2000,0,0,",
                               "12,31,2050,23,59,"};
  for (std::size_t i = 0; i < std::size(moments); ++i) {
    EXPECT_EQ(FormatStation(moments[i]), texts[i]);
    EXPECT_EQ(ParseStation(FormatStation(moments[i])), ToLocalDateTime(moments[i])) << texts[i];
  }
}

}  // namespace
}  // namespace velquor
