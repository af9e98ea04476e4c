#include "cli/chart_request.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/batch_input.h"
#include "cli/chart_options.h"
#include "cli/input_error.h"

namespace velquor {
namespace {

BirthInput ValidInput() {
  BirthInput input;
  input.name = "ASHA";
  input.year = 1990;
  input.month = 8;
  input.day = 15;
  input.hour = 6;
  input.minute = 30;
  input.second = 15;
  input.zoneIndex = 34;
  input.latDegrees = 28;
  input.latMinutes = 37;
  input.lonDegrees = 77;
  input.lonMinutes = 13;
  input.city = "New Delhi";
  return input;
}

struct Fault {
  const char* what;
  void (*change)(BirthInput&);
  const char* option;    // as the chart command names the field
  const char* key;       // as the batch command names it
  const char* message;   // a part of the message
};

const Fault kFaults[] = {
    {"year before 1901", [](BirthInput& b) { b.year = 1900; }, "--date", "year", "year 1900"},
    {"year after 2050", [](BirthInput& b) { b.year = 2051; }, "--date", "year", "1901 to 2050"},
    {"month 0", [](BirthInput& b) { b.month = 0; }, "--date", "month", "month 0"},
    {"month 13", [](BirthInput& b) { b.month = 13; }, "--date", "month", "1 to 12"},
    {"day 0", [](BirthInput& b) { b.day = 0; }, "--date", "day", "day 0"},
    {"day 32", [](BirthInput& b) { b.day = 32; }, "--date", "day", "1 to 31"},
    {"hour 24", [](BirthInput& b) { b.hour = 24; }, "--time", "hour", "0 to 23"},
    {"minute 60", [](BirthInput& b) { b.minute = 60; }, "--time", "minute", "0 to 59"},
    {"second -1", [](BirthInput& b) { b.second = -1; }, "--time", "second", "0 to 59"},
    {"zone 71", [](BirthInput& b) { b.zoneIndex = 71; }, "--zone", "zone", "0 to 70"},
    {"blank name", [](BirthInput& b) { b.name = "   "; }, "--name", "name", "Please Enter Name"},
    {"longitude 180", [](BirthInput& b) { b.lonDegrees = 180; }, "--lon", "lon_deg",
     "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
    {"longitude -1", [](BirthInput& b) { b.lonDegrees = -1; }, "--lon", "lon_deg",
     "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
    {"longitude minutes 60", [](BirthInput& b) { b.lonMinutes = 60; }, "--lon", "lon_min",
     "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
    {"latitude 90", [](BirthInput& b) { b.latDegrees = 90; }, "--lat", "lat_deg",
     "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
    {"latitude minutes 60", [](BirthInput& b) { b.latMinutes = 60; }, "--lat", "lat_min",
     "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
    {"29 February 1999", [](BirthInput& b) { b.year = 1999; b.month = 2; b.day = 29; }, "--date",
     "day", "Please Enter Correct Date Or Month!"},
    {"30 February 2000", [](BirthInput& b) { b.year = 2000; b.month = 2; b.day = 30; }, "--date",
     "day", "Please Enter Correct Date Or Month!"},
    {"31 April", [](BirthInput& b) { b.month = 4; b.day = 31; }, "--date", "day",
     "Please Enter Correct Date Or Month !"},
    {"31 November", [](BirthInput& b) { b.month = 11; b.day = 31; }, "--date", "day",
     "Please Enter Correct Date Or Month !"},
};

TEST(ChartRequest, FaultsNameTheFieldInEachFrontEndsWords) {
  for (const Fault& fault : kFaults) {
    BirthInput input = ValidInput();
    fault.change(input);
    for (const auto& [names, field] : {std::pair{&kChartOptionNames, fault.option},
                                       std::pair{&kBatchFieldNames, fault.key}}) {
      try {
        MakeChartRequest(input, *names);
        ADD_FAILURE() << fault.what << " accepted";
      } catch (const InputError& error) {
        EXPECT_EQ(error.field(), field) << fault.what;
        EXPECT_NE(std::string(error.what()).find(fault.message), std::string::npos)
            << fault.what << " gave " << error.what();
      }
    }
  }
}

TEST(ChartRequest, TheFirstFormCheckWins) {
  BirthInput input = ValidInput();
  input.name = "";
  input.latDegrees = 95;
  try {
    MakeChartRequest(input, kBatchFieldNames);
    ADD_FAILURE();
  } catch (const InputError& error) {
    EXPECT_STREQ(error.what(), "name: Please Enter Name");
  }
}

TEST(ChartRequest, AcceptedEntriesBecomeBirthData) {
  struct Case { const char* what; void (*change)(BirthInput&); };
  const Case cases[] = {
      {"as given", [](BirthInput&) {}},
      {"29 February 2000", [](BirthInput& b) { b.year = 2000; b.month = 2; b.day = 29; }},
      {"31 March", [](BirthInput& b) { b.month = 3; b.day = 31; }},
      {"the corners", [](BirthInput& b) {
         b.year = 2050; b.month = 12; b.day = 31; b.hour = 23; b.minute = 59; b.second = 59;
         b.zoneIndex = 70; b.latDegrees = 89; b.latMinutes = 59; b.lonDegrees = 179;
         b.lonMinutes = 59; b.south = true; b.east = false; b.dst = true; }},
      {"zeros", [](BirthInput& b) {
         b.year = 1901; b.month = 1; b.day = 1; b.hour = 0; b.minute = 0; b.second = 0;
         b.zoneIndex = 0; b.latDegrees = 0; b.latMinutes = 0; b.lonDegrees = 0; b.lonMinutes = 0; }},
  };
  for (const Case& c : cases) {
    BirthInput input = ValidInput();
    c.change(input);
    const ChartRequest request = MakeChartRequest(input, kChartOptionNames);
    const BirthData& birth = request.birth;
    EXPECT_EQ(request.zoneIndex, input.zoneIndex) << c.what;
    EXPECT_EQ(birth.personName, input.name) << c.what;
    EXPECT_EQ(birth.yearNumber, input.year) << c.what;
    EXPECT_EQ(birth.monthNumber, input.month) << c.what;
    EXPECT_EQ(birth.dayNumber, input.day) << c.what;
    EXPECT_EQ(birth.hourNumber, input.hour) << c.what;
    EXPECT_EQ(birth.minuteNumber, input.minute) << c.what;
    EXPECT_EQ(birth.secondNumber, input.second) << c.what;
    EXPECT_EQ(birth.latDegrees, input.latDegrees) << c.what;
    EXPECT_EQ(birth.latMinutes, input.latMinutes) << c.what;
    EXPECT_EQ(birth.lonDegrees, input.lonDegrees) << c.what;
    EXPECT_EQ(birth.lonMinutes, input.lonMinutes) << c.what;
    EXPECT_EQ(birth.isSouth, input.south) << c.what;
    EXPECT_EQ(birth.isEast, input.east) << c.what;
    EXPECT_EQ(birth.isDst, input.dst) << c.what;
    EXPECT_EQ(birth.cityText, input.city) << c.what;
  }
}

}  // namespace
}  // namespace velquor
