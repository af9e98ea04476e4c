#include "cli/chart_request.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/batch_input.h"
#include "cli/chart_options.h"
#include "cli/input_error.h"

namespace velquor {
namespace {

BirthInput ValidInput() {
  return {"ASHA", 1990, 8, 15, 6, 30, 15, 34, 28, 37, false, 77, 13, true, false, "", "", ""};
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

TEST(ChartRequest, TheEdgesOfEveryDomainPass) {
  const std::pair<const char*, void (*)(BirthInput&)> cases[] = {
      {"29 February 2000", [](BirthInput& b) { b.year = 2000; b.month = 2; b.day = 29; }},
      {"31 March", [](BirthInput& b) { b.month = 3; b.day = 31; }},
      {"highest", [](BirthInput& b) {
         b = {"A", 2050, 12, 31, 23, 59, 59, 70, 89, 59, true, 179, 59, false, true, "", "", ""}; }},
      {"lowest", [](BirthInput& b) {
         b = {"A", 1901, 1, 1, 0, 0, 0, 0, 0, 0, false, 0, 0, true, false, "", "", ""}; }},
  };
  for (const auto& [what, change] : cases) {
    BirthInput input = ValidInput();
    change(input);
    EXPECT_NO_THROW(MakeChartRequest(input, kChartOptionNames)) << what;
  }
}

}  // namespace
}  // namespace velquor
