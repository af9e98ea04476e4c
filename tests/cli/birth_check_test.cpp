#include "births/birth_check.h"

#include <gtest/gtest.h>

#include <string>

#include "births/batch_input.h"
#include "births/input_error.h"
#include "cli/chart_options.h"
#include "support/birth_of.h"

namespace velquor {
namespace {

BirthData ValidInput() {
  return test::BirthOf("ASHA", 1990, 8, 15, 6, 30, 15, 34, 28, 37, false, 77, 13, true, false, "",
                       "", "");
}

struct Fault {
  const char* what;
  void (*change)(BirthData&);
  const char* option;   // as the chart command names the field
  const char* key;      // as the batch command names it
  const char* message;  // a part of the message
};

const Fault kFaults[] = {
    {"year before 1901", [](BirthData& b) { b.yearNumber = 1900; }, "--date", "year", "year 1900"},
    {"year after 2050", [](BirthData& b) { b.yearNumber = 2051; }, "--date", "year",
     "1901 to 2050"},
    {"month 0", [](BirthData& b) { b.monthNumber = 0; }, "--date", "month", "month 0"},
    {"month 13", [](BirthData& b) { b.monthNumber = 13; }, "--date", "month", "1 to 12"},
    {"day 0", [](BirthData& b) { b.dayNumber = 0; }, "--date", "day", "day 0"},
    {"day 32", [](BirthData& b) { b.dayNumber = 32; }, "--date", "day", "1 to 31"},
    {"hour 24", [](BirthData& b) { b.hourNumber = 24; }, "--time", "hour", "0 to 23"},
    {"minute 60", [](BirthData& b) { b.minuteNumber = 60; }, "--time", "minute", "0 to 59"},
    {"second -1", [](BirthData& b) { b.secondNumber = -1; }, "--time", "second", "0 to 59"},
    {"zone 71", [](BirthData& b) { b.zoneIndex = 71; }, "--zone", "zone", "0 to 70"},
    {"blank name", [](BirthData& b) { b.personName = "   "; }, "--name", "name",
     "Please Enter Name"},
    {"longitude 180", [](BirthData& b) { b.lonDegrees = 180; }, "--lon", "lon_deg",
     "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
    {"longitude -1", [](BirthData& b) { b.lonDegrees = -1; }, "--lon", "lon_deg",
     "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
    {"longitude minutes 60", [](BirthData& b) { b.lonMinutes = 60; }, "--lon", "lon_min",
     "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
    {"latitude 90", [](BirthData& b) { b.latDegrees = 90; }, "--lat", "lat_deg",
     "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
    {"latitude minutes 60", [](BirthData& b) { b.latMinutes = 60; }, "--lat", "lat_min",
     "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
    {"29 February 1999",
     [](BirthData& b) {
       b.yearNumber = 1999;
       b.monthNumber = 2;
       b.dayNumber = 29;
     },
     "--date", "day", "Please Enter Correct Date Or Month!"},
    {"30 February 2000",
     [](BirthData& b) {
       b.yearNumber = 2000;
       b.monthNumber = 2;
       b.dayNumber = 30;
     },
     "--date", "day", "Please Enter Correct Date Or Month!"},
    {"31 April",
     [](BirthData& b) {
       b.monthNumber = 4;
       b.dayNumber = 31;
     },
     "--date", "day", "Please Enter Correct Date Or Month !"},
    {"31 November",
     [](BirthData& b) {
       b.monthNumber = 11;
       b.dayNumber = 31;
     },
     "--date", "day", "Please Enter Correct Date Or Month !"},
};

TEST(ChartRequest, FaultsNameTheFieldInEachFrontEndsWords) {
  for (const Fault& fault : kFaults) {
    BirthData input = ValidInput();
    fault.change(input);
    for (const auto& [names, field] :
         {std::pair{&ChartOptionNames(), fault.option}, std::pair{&kBatchFieldNames, fault.key}}) {
      try {
        RequireValidBirth(input, *names);
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
  BirthData input = ValidInput();
  input.personName = "";
  input.latDegrees = 95;
  try {
    RequireValidBirth(input, kBatchFieldNames);
    ADD_FAILURE();
  } catch (const InputError& error) {
    EXPECT_STREQ(error.what(), "name: Please Enter Name");
  }
}

TEST(ChartRequest, TheEdgesOfEveryDomainPass) {
  const std::pair<const char*, void (*)(BirthData&)> cases[] = {
      {"29 February 2000",
       [](BirthData& b) {
         b.yearNumber = 2000;
         b.monthNumber = 2;
         b.dayNumber = 29;
       }},
      {"31 March",
       [](BirthData& b) {
         b.monthNumber = 3;
         b.dayNumber = 31;
       }},
      {"highest",
       [](BirthData& b) {
         b = test::BirthOf("A", 2050, 12, 31, 23, 59, 59, 70, 89, 59, true, 179, 59, false, true,
                           "", "", "");
       }},
      {"lowest",
       [](BirthData& b) {
         b = test::BirthOf("A", 1901, 1, 1, 0, 0, 0, 0, 0, 0, false, 0, 0, true, false, "", "", "");
       }},
  };
  for (const auto& [what, change] : cases) {
    BirthData input = ValidInput();
    change(input);
    EXPECT_NO_THROW(RequireValidBirth(input, ChartOptionNames())) << what;
  }
}

}  // namespace
}  // namespace velquor
