#include "chart/validation.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

// One-character texts are assigned as std::string: GCC 12 misreports a one-character
// literal assignment under -O2 as an overlapping copy (-Wrestrict).

namespace velquor {
namespace {

BirthForm ValidForm() {
  BirthForm form;
  form.name = "RAVI";
  form.monthIndex = 7;  // August
  form.dateIndex = 14;  // day 15
  form.yearText = "1990";
  form.hourText = "6";
  form.minuteText = "30";
  form.secondText = "15";
  form.lonDegText = "77";
  form.lonMinText = "13";
  form.latDegText = "28";
  form.latMinText = "39";
  form.city = "Delhi";
  form.state = "Delhi";
  form.country = "India";
  return form;
}

constexpr const char* kLonDeg = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr const char* kLonMin = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr const char* kLatDeg = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr const char* kLatMin = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
constexpr const char* kFebruary = "Please Enter Correct Date Or Month!";
constexpr const char* kThirtyDays = "Please Enter Correct Date Or Month !";

struct Case {
  const char* what;
  void (*edit)(BirthForm&);
  const char* message;  // nullptr: the form passes
  MessageIcon icon;
  FormField focus;
};

void Check(const Case& c, std::optional<ValidationFailure> (*validate)(const BirthForm&)) {
  BirthForm form = ValidForm();
  c.edit(form);
  const auto got = validate(form);
  if (c.message == nullptr) {
    EXPECT_FALSE(got.has_value()) << c.what << ": " << got->message;
    return;
  }
  ASSERT_TRUE(got.has_value()) << c.what;
  EXPECT_EQ(got->message, c.message) << c.what;
  EXPECT_EQ(got->icon, c.icon) << c.what;
  EXPECT_EQ(got->focus, c.focus) << c.what;
}

using enum MessageIcon;
using enum FormField;

TEST(ValidateBirthData, EachCheckWithItsMessageIconAndFocus) {
  const Case cases[] = {
      {"valid", [](BirthForm&) {}, nullptr, Critical, None},
      {"empty name", [](BirthForm& f) { f.name = ""; }, "Please Enter Name", Critical, Name},
      {"blank name", [](BirthForm& f) { f.name = "   "; }, "Please Enter Name", Critical, Name},
      {"no longitude degrees", [](BirthForm& f) { f.lonDegText = ""; }, kLonDeg, Critical, LonDeg},
      {"blank longitude degrees", [](BirthForm& f) { f.lonDegText = "  "; }, kLonDeg, Critical, LonDeg},
      {"longitude 180", [](BirthForm& f) { f.lonDegText = "180"; }, kLonDeg, Critical, LonDeg},
      {"longitude 179", [](BirthForm& f) { f.lonDegText = "179"; }, nullptr, Critical, None},
      {"longitude 0", [](BirthForm& f) { f.lonDegText = std::string("0"); }, nullptr, Critical, None},
      {"pasted -5", [](BirthForm& f) { f.lonDegText = "-5"; }, kLonDeg, Critical, LonDeg},
      {"pasted letters", [](BirthForm& f) { f.lonDegText = "east"; }, kLonDeg, Critical, LonDeg},
      {"pasted 12abc reads 12", [](BirthForm& f) { f.lonDegText = "12abc"; }, nullptr, Critical, None},
      {"longitude minutes 60", [](BirthForm& f) { f.lonMinText = "60"; }, kLonMin, Critical, LonMin},
      {"longitude minutes empty", [](BirthForm& f) { f.lonMinText = ""; }, kLonMin, Critical, LonMin},
      {"longitude minutes 59", [](BirthForm& f) { f.lonMinText = " 59 "; }, nullptr, Critical, None},
      {"latitude 90", [](BirthForm& f) { f.latDegText = "90"; }, kLatDeg, Critical, LatDeg},
      {"latitude 89", [](BirthForm& f) { f.latDegText = "89"; }, nullptr, Critical, None},
      {"latitude minutes 60", [](BirthForm& f) { f.latMinText = "60"; }, kLatMin, Critical, LatMin},
      {"latitude minutes empty", [](BirthForm& f) { f.latMinText = ""; }, kLatMin, Critical, LatMin},
      {"29 February 2000", [](BirthForm& f) { f.monthIndex = 1; f.dateIndex = 28; f.yearText = "2000"; },
       nullptr, Critical, None},
      {"29 February 1999", [](BirthForm& f) { f.monthIndex = 1; f.dateIndex = 28; f.yearText = "1999"; },
       kFebruary, Information, None},
      {"30 February 2000", [](BirthForm& f) { f.monthIndex = 1; f.dateIndex = 29; f.yearText = "2000"; },
       kFebruary, Information, None},
      {"31 February 1904", [](BirthForm& f) { f.monthIndex = 1; f.dateIndex = 30; f.yearText = "1904"; },
       kFebruary, Information, None},
      {"28 February 1901", [](BirthForm& f) { f.monthIndex = 1; f.dateIndex = 27; f.yearText = "1901"; },
       nullptr, Critical, None},
      {"31 April", [](BirthForm& f) { f.monthIndex = 3; f.dateIndex = 30; }, kThirtyDays, Information, None},
      {"31 June", [](BirthForm& f) { f.monthIndex = 5; f.dateIndex = 30; }, kThirtyDays, Information, None},
      {"31 September", [](BirthForm& f) { f.monthIndex = 8; f.dateIndex = 30; }, kThirtyDays, Information, None},
      {"31 November", [](BirthForm& f) { f.monthIndex = 10; f.dateIndex = 30; }, kThirtyDays, Information, None},
      {"30 April", [](BirthForm& f) { f.monthIndex = 3; f.dateIndex = 29; }, nullptr, Critical, None},
      {"31 March", [](BirthForm& f) { f.monthIndex = 2; f.dateIndex = 30; }, nullptr, Critical, None},
      {"31 December", [](BirthForm& f) { f.monthIndex = 11; f.dateIndex = 30; }, nullptr, Critical, None},
      // The first failing check wins.
      {"name before longitude", [](BirthForm& f) { f.name = ""; f.lonDegText = "500"; },
       "Please Enter Name", Critical, Name},
      {"latitude minutes before the date", [](BirthForm& f) { f.latMinText = "99"; f.monthIndex = 3; f.dateIndex = 30; },
       kLatMin, Critical, LatMin},
      {"longitude degrees before minutes", [](BirthForm& f) { f.lonDegText = ""; f.lonMinText = ""; },
       kLonDeg, Critical, LonDeg},
  };
  for (const auto& c : cases) Check(c, &ValidateBirthData);
}

TEST(ValidatePlaceQuery, CityStateCountryInOrder) {
  const Case cases[] = {
      {"all filled", [](BirthForm&) {}, nullptr, Critical, None},
      {"only the city", [](BirthForm& f) { f.state = ""; f.country = ""; }, "Please Enter State", Information, State},
      {"no city", [](BirthForm& f) { f.city = ""; f.state = ""; }, "Please Enter City", Information, City},
      {"no country", [](BirthForm& f) { f.country = ""; }, "Please Enter Country", Information, Country},
      {"a blank state is a state", [](BirthForm& f) { f.state = std::string(" "); }, nullptr, Critical, None},
  };
  for (const auto& c : cases) Check(c, &ValidatePlaceQuery);
}

TEST(PlaceQueryText, JoinsThePlaceAsTyped) {
  BirthForm form = ValidForm();
  EXPECT_EQ(PlaceQueryText(form), "Delhi Delhi India Latitude Longitude");
  form.city = "Paris";
  form.state = std::string(" ");
  form.country = "France";
  EXPECT_EQ(PlaceQueryText(form), "Paris   France Latitude Longitude");
}

TEST(LeadingNumber, ReadsTheLeadingDigitsOfTheTrimmedText) {
  struct NumberCase { const char* text; std::optional<int> want; };
  const NumberCase cases[] = {
      {"", std::nullopt},  {"   ", std::nullopt}, {"-5", std::nullopt},  {"x1", std::nullopt},
      {"0", 0},            {"179", 179},          {" 007 ", 7},          {"12abc", 12},
      {"1 2", 1},          {"99999999999999", INT_MAX},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.want) << '"' << c.text << '"';
}

TEST(ReadBirthData, TheChartGetsTheNumbersTheChecksRead) {
  BirthForm form = ValidForm();
  form.lonDegText = "12abc";  // pasted past the key filter
  form.latMinText = " 5";
  form.east = false;
  form.south = true;
  form.dst = true;
  ASSERT_FALSE(ValidateBirthData(form).has_value());
  const BirthData b = ReadBirthData(form);
  EXPECT_EQ(b.personName, "RAVI");
  EXPECT_EQ(b.monthNumber, 8);
  EXPECT_EQ(b.dayNumber, 15);
  EXPECT_EQ(b.yearNumber, 1990);
  EXPECT_EQ(b.hourNumber, 6);
  EXPECT_EQ(b.minuteNumber, 30);
  EXPECT_EQ(b.secondNumber, 15);
  EXPECT_EQ(b.lonDegrees, 12);
  EXPECT_EQ(b.lonMinutes, 13);
  EXPECT_EQ(b.latDegrees, 28);
  EXPECT_EQ(b.latMinutes, 5);
  EXPECT_FALSE(b.isEast);
  EXPECT_TRUE(b.isSouth);
  EXPECT_TRUE(b.isDst);
  EXPECT_EQ(b.cityText, "Delhi");
  EXPECT_EQ(b.countryText, "India");
}

TEST(ReadBirthData, AListTextWithoutANumberIsAnError) {
  BirthForm form = ValidForm();
  form.hourText = "noon";
  EXPECT_THROW(ReadBirthData(form), std::invalid_argument);
}

}  // namespace
}  // namespace velquor
