#include "cli/option_values.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/chart_options.h"
#include "cli/input_error.h"

namespace velquor {
namespace {

// The option a malformed text is reported against, and a part of the message.
void ExpectRejected(void (*parse)(std::string_view), std::string_view text,
                    const std::string& option) {
  try {
    parse(text);
    ADD_FAILURE() << "accepted \"" << text << "\"";
  } catch (const InputError& error) {
    EXPECT_EQ(error.field(), option) << text;
    EXPECT_NE(std::string(error.what()).find("expected"), std::string::npos) << error.what();
  }
}

TEST(DateOption, ReadsYearMonthDay) {
  struct Case { const char* text; int year, month, day; };
  const Case cases[] = {{"1990-08-15", 1990, 8, 15}, {"1901-01-01", 1901, 1, 1},
                        {"2050-12-31", 2050, 12, 31}, {"1800-13-32", 1800, 13, 32}};
  for (const auto& c : cases) {
    const DateOption date = ParseDateOption(c.text);
    EXPECT_EQ(date.year, c.year) << c.text;
    EXPECT_EQ(date.month, c.month) << c.text;
    EXPECT_EQ(date.day, c.day) << c.text;
  }
}

TEST(DateOption, RejectsOtherForms) {
  for (const char* text : {"", "1990-8-15", "90-08-15", "1990/08/15", "1990-08-15x", "19900815",
                           "1990-08", "-1990-08-15", "1990-08-1 ", "१९९०-08-15"}) {
    ExpectRejected([](std::string_view t) { ParseDateOption(t); }, text, "--date");
  }
}

TEST(TimeOption, ReadsHoursMinutesAndOptionalSeconds) {
  struct Case { const char* text; int hour, minute, second; };
  const Case cases[] = {{"06:30", 6, 30, 0}, {"6:30", 6, 30, 0}, {"23:59:59", 23, 59, 59},
                        {"00:00:07", 0, 0, 7}, {"24:60:60", 24, 60, 60}};
  for (const auto& c : cases) {
    const TimeOption time = ParseTimeOption(c.text);
    EXPECT_EQ(time.hour, c.hour) << c.text;
    EXPECT_EQ(time.minute, c.minute) << c.text;
    EXPECT_EQ(time.second, c.second) << c.text;
  }
}

TEST(TimeOption, RejectsOtherForms) {
  for (const char* text : {"", "6", "06:3", "06:30:", "06:30:5", "123:00", "06-30", "06:30 ",
                           "06:30:00:00", "+6:30"}) {
    ExpectRejected([](std::string_view t) { ParseTimeOption(t); }, text, "--time");
  }
}

TEST(AngleOptions, ReadDegreesHemisphereMinutes) {
  struct Case { const char* text; bool latitude; int degrees, minutes; bool positive; };
  const Case cases[] = {
      {"28N37", true, 28, 37, true},  {"33s52", true, 33, 52, false}, {"0N0", true, 0, 0, true},
      {"120S75", true, 120, 75, false}, {"77E13", false, 77, 13, true},
      {"122w25", false, 122, 25, false}, {"179W59", false, 179, 59, false},
      {"007E05", false, 7, 5, true}};
  for (const auto& c : cases) {
    const AngleOption angle = c.latitude ? ParseLatitudeOption(c.text) : ParseLongitudeOption(c.text);
    EXPECT_EQ(angle.degrees, c.degrees) << c.text;
    EXPECT_EQ(angle.minutes, c.minutes) << c.text;
    EXPECT_EQ(angle.positive, c.positive) << c.text;
  }
}

TEST(AngleOptions, RejectOtherForms) {
  for (const char* text : {"", "28", "28N", "N37", "28E37", "28.5N", "28N370", "1000N00", "-28N37",
                           "28 N 37", "28n37x"}) {
    ExpectRejected([](std::string_view t) { ParseLatitudeOption(t); }, text, "--lat");
  }
  for (const char* text : {"77N13", "77E", "E13", "77e13e", "+77E13"}) {
    ExpectRejected([](std::string_view t) { ParseLongitudeOption(t); }, text, "--lon");
  }
}

TEST(ZoneOption, ByIndexOrExactLabel) {
  struct Case { const char* text; int index; };
  const Case cases[] = {{"0", 0}, {"34", 34}, {"70", 70}, {"07", 7},
                        {"Indian Time, IST, +5.3", 34}, {"Greenwich Mean Time,GMT,0.0", 29},
                        {"Yukon War Time,YWT,-8.0", 70}};
  for (const auto& c : cases) EXPECT_EQ(ParseZoneOption(c.text), c.index) << c.text;
}

TEST(ZoneOption, RejectsUnknownRowsNamingTheOption) {
  for (const char* text : {"71", "-1", "100", "", "IST", "indian time, ist, +5.3", " 34"}) {
    try {
      ParseZoneOption(text);
      ADD_FAILURE() << "accepted \"" << text << "\"";
    } catch (const InputError& error) {
      EXPECT_EQ(error.field(), "--zone") << text;
    }
  }
}

ChartOptions ValidOptions() {
  ChartOptions options;
  options.name = "ASHA";
  options.date = "1990-08-15";
  options.time = "06:30:15";
  options.zone = "34";
  options.lat = "28N37";
  options.lon = "77W13";
  options.city = "Zürich";
  return options;
}

TEST(ChartOptionsReading, FillsEveryField) {
  ChartOptions options = ValidOptions();
  options.lat = "33S52";
  options.dst = true;
  const BirthInput input = BirthInputOfOptions(options);
  EXPECT_EQ(input.name, "ASHA");
  EXPECT_EQ(input.year, 1990);
  EXPECT_EQ(input.month, 8);
  EXPECT_EQ(input.day, 15);
  EXPECT_EQ(input.hour, 6);
  EXPECT_EQ(input.minute, 30);
  EXPECT_EQ(input.second, 15);
  EXPECT_EQ(input.zoneIndex, 34);
  EXPECT_EQ(input.latDegrees, 33);
  EXPECT_EQ(input.latMinutes, 52);
  EXPECT_TRUE(input.south);
  EXPECT_EQ(input.lonDegrees, 77);
  EXPECT_EQ(input.lonMinutes, 13);
  EXPECT_FALSE(input.east);
  EXPECT_TRUE(input.dst);
  EXPECT_EQ(input.city, "Zürich");
}

TEST(ChartOptionsReading, RejectsTextsThatAreNotUtf8) {
  struct Case { std::string ChartOptions::*field; const char* option; };
  const Case cases[] = {{&ChartOptions::name, "--name"}, {&ChartOptions::city, "--city"},
                        {&ChartOptions::state, "--state"}, {&ChartOptions::country, "--country"}};
  for (const auto& c : cases) {
    ChartOptions options = ValidOptions();
    options.*c.field = "Z\xFCrich";  // Latin-1, not UTF-8
    try {
      BirthInputOfOptions(options);
      ADD_FAILURE() << c.option;
    } catch (const InputError& error) {
      EXPECT_EQ(error.field(), c.option);
    }
  }
}

}  // namespace
}  // namespace velquor
