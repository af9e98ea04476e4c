#include "cli/option_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"

namespace velquor {
namespace {

using test::ExpectFault;

TEST(OptionForms, CountsAreDecimalFromOneUp) {
  struct Case {
    const char* text;
    std::size_t value;  // 0: refused
  };
  const Case cases[] = {
      {"10", 10}, {"010", 10}, {"1", 1},   {"100000", 100000}, {"0", 0},
      {"00", 0},  {"0x10", 0}, {"1e3", 0}, {"-5", 0},          {"+5", 0},
      {" 5", 0},  {"5 ", 0},   {"", 0},    {"100001", 0},      {"99999999999999999999999", 0},
      {"5.0", 0},
  };
  for (const Case& c : cases) {
    if (c.value == 0) {
      ExpectFault([&] { ParseCountOption("--limit", c.text, 100000); }, "--limit", c.text);
    } else {
      EXPECT_EQ(ParseCountOption("--limit", c.text, 100000), c.value) << c.text;
    }
  }
}

TEST(OptionForms, WholeNumbersAreDecimalWithoutOctal) {
  struct Case {
    const char* text;
    const char* read;  // nullptr: refused
  };
  const Case cases[] = {
      {"010", "10"},     {"0100", "100"},  {"0", "0"},       {"000", "0"},     {"-05", "-5"},
      {"-0", "0"},       {"-00", "0"},     {"720", "720"},   {"08", "8"},      {"09", "9"},
      {"0x10", nullptr}, {"1e3", nullptr}, {"+5", nullptr},  {" 5", nullptr},  {"5 ", nullptr},
      {"", nullptr},     {"-", nullptr},   {"5.0", nullptr}, {"--5", nullptr}, {"0b1", nullptr},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    const std::string refusal = DecimalWholeNumber(text);
    if (c.read == nullptr) {
      EXPECT_FALSE(refusal.empty()) << c.text;
      EXPECT_EQ(text, c.text);
    } else {
      EXPECT_EQ(refusal, "") << c.text;
      EXPECT_EQ(text, c.read) << c.text;
    }
  }
}

// Every span written with leading zeros reads as the same number of minutes.
TEST(OptionForms, SpanWithLeadingZerosReadsAsDecimal) {
  const std::vector<std::string> windows = {"windows", "--name", "ASHA",   "--date", "1985-03-21",
                                            "--time",  "10:45",  "--zone", "34",     "--lat",
                                            "28N37",   "--lon",  "77E13",  "--json"};
  for (const int span : {0, 1, 7, 8, 9, 10, 64, 100, 719, 720}) {
    std::vector<std::string> plain = windows, padded = windows;
    plain.insert(plain.end(), {"--span", std::to_string(span)});
    padded.insert(padded.end(), {"--span", std::string("00").append(std::to_string(span))});
    const test::CliRun a = test::Cli(plain), b = test::Cli(padded);
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(a.out, b.out) << span;
  }
  std::vector<std::string> hex = windows;
  hex.insert(hex.end(), {"--span", "0x10"});
  const test::CliRun refused = test::Cli(hex);
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("--span"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("decimal"), std::string::npos) << refused.err;
}

TEST(OptionForms, DateAndTime) {
  struct Case {
    const char* date;
    const char* time;
    int values[6];
  };
  const Case cases[] = {
      {"1990-08-15", "06:30", {1990, 8, 15, 6, 30, 0}},
      {"2050-12-31", "6:30:07", {2050, 12, 31, 6, 30, 7}},
      {"1800-13-32", "24:60:60", {1800, 13, 32, 24, 60, 60}}};  // ranges come later
  for (const auto& c : cases) {
    const DateOption d = ParseDateOption(c.date);
    const TimeOption t = ParseTimeOption(c.time);
    const int got[6] = {d.year, d.month, d.day, t.hour, t.minute, t.second};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i], c.values[i]) << c.date << " " << c.time;
  }
  for (const char* text : {"", "1990-8-15", "90-08-15", "1990/08/15", "1990-08-15x", "19900815",
                           "-1990-08-15", "१९९०-08-15"}) {
    ExpectFault([&] { ParseDateOption(text); }, "--date", text);
  }
  for (const char* text : {"", "6", "06:3", "06:30:", "06:30:5", "123:00", "06-30", "06:30 ",
                           "06:30:00:00", "+6:30"}) {
    ExpectFault([&] { ParseTimeOption(text); }, "--time", text);
  }
}

TEST(OptionForms, LatitudeAndLongitude) {
  struct Case {
    const char* text;
    bool latitude;
    int degrees, minutes;
    bool positive;
  };
  const Case cases[] = {{"28N37", true, 28, 37, true},  {"33s52", true, 33, 52, false},
                        {"0N0", true, 0, 0, true},      {"120S75", true, 120, 75, false},
                        {"77E13", false, 77, 13, true}, {"122w25", false, 122, 25, false},
                        {"007E05", false, 7, 5, true}};
  for (const auto& c : cases) {
    const AngleOption a = c.latitude ? ParseLatitudeOption(c.text) : ParseLongitudeOption(c.text);
    EXPECT_EQ(a.degrees, c.degrees) << c.text;
    EXPECT_EQ(a.minutes, c.minutes) << c.text;
    EXPECT_EQ(a.positive, c.positive) << c.text;
  }
  for (const char* text :
       {"", "28", "28N", "N37", "28E37", "28.5N", "28N370", "1000N00", "-28N37", "28 N 37"}) {
    ExpectFault([&] { ParseLatitudeOption(text); }, "--lat", text);
  }
  for (const char* text : {"77N13", "77E", "E13", "77e13e"}) {
    ExpectFault([&] { ParseLongitudeOption(text); }, "--lon", text);
  }
}

TEST(OptionForms, ZoneByIndexOrExactLabel) {
  struct Case {
    const char* text;
    int index;
  };
  const Case cases[] = {{"0", 0},
                        {"34", 34},
                        {"70", 70},
                        {"07", 7},
                        {"Indian Time, IST, +5.3", 34},
                        {"Yukon War Time,YWT,-8.0", 70}};
  for (const auto& c : cases) EXPECT_EQ(ParseZoneOption(c.text), c.index) << c.text;
  for (const char* text : {"71", "-1", "", "IST", "indian time, ist, +5.3", " 34"}) {
    ExpectFault([&] { ParseZoneOption(text); }, "--zone", text);
  }
}

}  // namespace
}  // namespace velquor
