#include "chart/validation.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

// One-character texts are assigned as std::string: GCC 12 misreports a one-character
// literal assignment under -O2 as an overlapping copy (-Wrestrict).
// A box's text reaches the checks as BoxNumber reads it, as the form reads it.

namespace velquor {
namespace {

BirthData ValidBirth() {
  BirthData b;
  b.personName = "RAVI";
  b.monthNumber = 8;
  b.dayNumber = 15;
  b.yearNumber = 1990;
  b.hourNumber = 6;
  b.minuteNumber = 30;
  b.secondNumber = 15;
  b.zoneIndex = 34;
  b.lonDegrees = 77;
  b.lonMinutes = 13;
  b.latDegrees = 28;
  b.latMinutes = 39;
  b.cityText = "Delhi";
  b.stateText = "Delhi";
  b.countryText = "India";
  return b;
}

constexpr const char* kLonDeg = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr const char* kLonMin = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr const char* kLatDeg = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr const char* kLatMin = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
constexpr const char* kFebruary = "Please Enter Correct Date Or Month!";
constexpr const char* kThirtyDays = "Please Enter Correct Date Or Month !";

struct Case {
  const char* what;
  void (*edit)(BirthData&);
  const char* message;  // nullptr: the form passes
  MessageIcon icon;
  BirthField field;
};

void Check(const Case& c, std::optional<ValidationFailure> (*validate)(const BirthData&)) {
  BirthData birth = ValidBirth();
  c.edit(birth);
  const auto got = validate(birth);
  if (c.message == nullptr) {
    EXPECT_FALSE(got.has_value()) << c.what << ": " << got->message;
    return;
  }
  ASSERT_TRUE(got.has_value()) << c.what;
  EXPECT_EQ(got->message, c.message) << c.what;
  EXPECT_EQ(got->icon, c.icon) << c.what;
  EXPECT_EQ(got->field, c.field) << c.what;
}

using enum MessageIcon;
using enum BirthField;

TEST(ValidateBirthData, EachCheckWithItsMessageIconAndFocus) {
  const Case cases[] = {
      {"valid", [](BirthData&) {}, nullptr, Critical, Name},
      {"empty name", [](BirthData& f) { f.personName = ""; }, "Please Enter Name", Critical, Name},
      {"blank name", [](BirthData& f) { f.personName = "   "; }, "Please Enter Name", Critical,
       Name},
      {"name of a tab", [](BirthData& f) { f.personName = std::string("\t"); }, "Please Enter Name",
       Critical, Name},
      {"name of line ends", [](BirthData& f) { f.personName = " \r\n"; }, "Please Enter Name",
       Critical, Name},
      {"name of a NUL", [](BirthData& f) { f.personName = std::string(1, '\0'); },
       "Please Enter Name", Critical, Name},
      {"name with a tab", [](BirthData& f) { f.personName = "\tA"; }, nullptr, Critical, Name},
      {"no longitude degrees", [](BirthData& f) { f.lonDegrees = BoxNumber(""); }, kLonDeg,
       Critical, LonDegrees},
      {"blank longitude degrees", [](BirthData& f) { f.lonDegrees = BoxNumber("  "); }, kLonDeg,
       Critical, LonDegrees},
      {"longitude 180", [](BirthData& f) { f.lonDegrees = BoxNumber("180"); }, kLonDeg, Critical,
       LonDegrees},
      {"longitude 179", [](BirthData& f) { f.lonDegrees = BoxNumber("179"); }, nullptr, Critical,
       Name},
      {"longitude 0", [](BirthData& f) { f.lonDegrees = BoxNumber(std::string("0")); }, nullptr,
       Critical, Name},
      {"pasted -5", [](BirthData& f) { f.lonDegrees = BoxNumber("-5"); }, kLonDeg, Critical,
       LonDegrees},
      {"pasted letters", [](BirthData& f) { f.lonDegrees = BoxNumber("east"); }, kLonDeg, Critical,
       LonDegrees},
      {"pasted 12abc reads 12", [](BirthData& f) { f.lonDegrees = BoxNumber("12abc"); }, nullptr,
       Critical, Name},
      {"longitude minutes 60", [](BirthData& f) { f.lonMinutes = BoxNumber("60"); }, kLonMin,
       Critical, LonMinutes},
      {"longitude minutes empty", [](BirthData& f) { f.lonMinutes = BoxNumber(""); }, kLonMin,
       Critical, LonMinutes},
      {"longitude minutes 59", [](BirthData& f) { f.lonMinutes = BoxNumber(" 59 "); }, nullptr,
       Critical, Name},
      {"latitude 90", [](BirthData& f) { f.latDegrees = BoxNumber("90"); }, kLatDeg, Critical,
       LatDegrees},
      {"latitude 89", [](BirthData& f) { f.latDegrees = BoxNumber("89"); }, nullptr, Critical,
       Name},
      {"latitude minutes 60", [](BirthData& f) { f.latMinutes = BoxNumber("60"); }, kLatMin,
       Critical, LatMinutes},
      {"latitude minutes empty", [](BirthData& f) { f.latMinutes = BoxNumber(""); }, kLatMin,
       Critical, LatMinutes},
      {"29 February 2000",
       [](BirthData& f) {
         f.monthNumber = 2;
         f.dayNumber = 29;
         f.yearNumber = 2000;
       },
       nullptr, Critical, Name},
      {"29 February 1999",
       [](BirthData& f) {
         f.monthNumber = 2;
         f.dayNumber = 29;
         f.yearNumber = 1999;
       },
       kFebruary, Information, Day},
      {"30 February 2000",
       [](BirthData& f) {
         f.monthNumber = 2;
         f.dayNumber = 30;
         f.yearNumber = 2000;
       },
       kFebruary, Information, Day},
      {"31 February 1904",
       [](BirthData& f) {
         f.monthNumber = 2;
         f.dayNumber = 31;
         f.yearNumber = 1904;
       },
       kFebruary, Information, Day},
      {"28 February 1901",
       [](BirthData& f) {
         f.monthNumber = 2;
         f.dayNumber = 28;
         f.yearNumber = 1901;
       },
       nullptr, Critical, Name},
      {"31 April",
       [](BirthData& f) {
         f.monthNumber = 4;
         f.dayNumber = 31;
       },
       kThirtyDays, Information, Day},
      {"31 June",
       [](BirthData& f) {
         f.monthNumber = 6;
         f.dayNumber = 31;
       },
       kThirtyDays, Information, Day},
      {"31 September",
       [](BirthData& f) {
         f.monthNumber = 9;
         f.dayNumber = 31;
       },
       kThirtyDays, Information, Day},
      {"31 November",
       [](BirthData& f) {
         f.monthNumber = 11;
         f.dayNumber = 31;
       },
       kThirtyDays, Information, Day},
      {"30 April",
       [](BirthData& f) {
         f.monthNumber = 4;
         f.dayNumber = 30;
       },
       nullptr, Critical, Name},
      {"31 March",
       [](BirthData& f) {
         f.monthNumber = 3;
         f.dayNumber = 31;
       },
       nullptr, Critical, Name},
      {"31 December",
       [](BirthData& f) {
         f.monthNumber = 12;
         f.dayNumber = 31;
       },
       nullptr, Critical, Name},
      // The first failing check wins.
      {"name before longitude",
       [](BirthData& f) {
         f.personName = "";
         f.lonDegrees = BoxNumber("500");
       },
       "Please Enter Name", Critical, Name},
      {"latitude minutes before the date",
       [](BirthData& f) {
         f.latMinutes = BoxNumber("99");
         f.monthNumber = 4;
         f.dayNumber = 31;
       },
       kLatMin, Critical, LatMinutes},
      {"longitude degrees before minutes",
       [](BirthData& f) {
         f.lonDegrees = BoxNumber("");
         f.lonMinutes = BoxNumber("");
       },
       kLonDeg, Critical, LonDegrees},
  };
  for (const auto& c : cases) Check(c, &ValidateBirthData);
}

TEST(ValidatePlaceQuery, CityStateCountryInOrder) {
  const Case cases[] = {
      {"all filled", [](BirthData&) {}, nullptr, Critical, Name},
      {"only the city",
       [](BirthData& f) {
         f.stateText = "";
         f.countryText = "";
       },
       "Please Enter State", Information, State},
      {"no city",
       [](BirthData& f) {
         f.cityText = "";
         f.stateText = "";
       },
       "Please Enter City", Information, City},
      {"no country", [](BirthData& f) { f.countryText = ""; }, "Please Enter Country", Information,
       Country},
      {"a blank state is a state", [](BirthData& f) { f.stateText = std::string(" "); }, nullptr,
       Critical, Name},
  };
  for (const auto& c : cases) Check(c, &ValidatePlaceQuery);
}

TEST(PlaceQueryText, JoinsThePlaceAsTyped) {
  BirthData birth = ValidBirth();
  EXPECT_EQ(PlaceQueryText(birth), "Delhi Delhi India Latitude Longitude");
  birth.cityText = "Paris";
  birth.stateText = std::string(" ");
  birth.countryText = "France";
  EXPECT_EQ(PlaceQueryText(birth), "Paris   France Latitude Longitude");
}

TEST(LeadingNumber, ReadsTheLeadingDigitsOfTheTrimmedText) {
  struct NumberCase {
    const char* text;
    std::optional<int> want;
  };
  const NumberCase cases[] = {
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-5", std::nullopt},
      {"x1", std::nullopt},
      {"0", 0},
      {"179", 179},
      {" 007 ", 7},
      {"12abc", 12},
      {"1 2", 1},
      {"99999999999999", INT_MAX},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.want) << '"' << c.text << '"';
}

TEST(BoxNumber, ABoxWithoutDigitsReadsMinusOne) {
  EXPECT_EQ(BoxNumber("12abc"), 12);
  EXPECT_EQ(BoxNumber(" 5"), 5);
  EXPECT_EQ(BoxNumber(""), -1);
  EXPECT_EQ(BoxNumber("east"), -1);
}

// The ranges the lists keep, which only the command line can break, come before the form's
// own checks; a chart run needs every check but the name's.
TEST(ValidateBirthData, DomainChecksComeFirst) {
  const Case cases[] = {
      {"year 1900", [](BirthData& f) { f.yearNumber = 1900; },
       "year 1900 is not within 1901 to 2050", Critical, Year},
      {"month 13", [](BirthData& f) { f.monthNumber = 13; }, "month 13 is not within 1 to 12",
       Critical, Month},
      {"day 32", [](BirthData& f) { f.dayNumber = 32; }, "day 32 is not within 1 to 31", Critical,
       Day},
      {"hour 24", [](BirthData& f) { f.hourNumber = 24; }, "hour 24 is not within 0 to 23",
       Critical, Hour},
      {"minute -1", [](BirthData& f) { f.minuteNumber = -1; }, "minute -1 is not within 0 to 59",
       Critical, Minute},
      {"second 60", [](BirthData& f) { f.secondNumber = 60; }, "second 60 is not within 0 to 59",
       Critical, Second},
      {"zone 71", [](BirthData& f) { f.zoneIndex = 71; }, "time-zone row 71 is not within 0 to 70",
       Critical, Zone},
      {"year before an empty name",
       [](BirthData& f) {
         f.yearNumber = 2051;
         f.personName = "";
       },
       "year 2051 is not within 1901 to 2050", Critical, Year},
  };
  for (const auto& c : cases) Check(c, &ValidateBirthData);
  BirthData nameless = ValidBirth();
  nameless.personName = "";
  EXPECT_FALSE(CheckChartable(nameless).has_value());
  nameless.latDegrees = 90;
  ASSERT_TRUE(CheckChartable(nameless).has_value());
  EXPECT_EQ(CheckChartable(nameless)->message, kLatDeg);
}

std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::optional<std::string> NameMessage(const std::string& name) {
  BirthData b = ValidBirth();
  b.personName = name;
  const std::optional<ValidationFailure> failure = ValidateBirthData(b);
  if (!failure) return std::nullopt;
  return failure->message;
}

// A name of nothing but invisible characters (the byte-order mark, zero-width spaces and
// joiners, direction marks, Unicode's spaces, C1 controls, tags) is no name, in any
// number and mix; one visible character among them makes it a name.
TEST(ValidateBirthData, NameOfInvisibleCharactersIsEmpty) {
  const char32_t invisible[] = {
      0x09,   0x0A,   0x0D,    0x20,    0x7F,    0x85,    0x9B,    0xA0,    0xAD,   0x034F,
      0x061C, 0x115F, 0x1160,  0x1680,  0x17B4,  0x180E,  0x2000,  0x2007,  0x200A, 0x200B,
      0x200C, 0x200D, 0x200E,  0x200F,  0x2028,  0x2029,  0x202A,  0x202E,  0x202F, 0x205F,
      0x2060, 0x2061, 0x2064,  0x2066,  0x2069,  0x206F,  0x3000,  0x3164,  0xFE00, 0xFE0F,
      0xFEFF, 0xFFA0, 0x1BCA0, 0x1D173, 0xE0001, 0xE0020, 0xE007F, 0xE0100, 0xE01EF};
  const char32_t visible[] = {U'A',   U'z',    U'0',   U'.',   0xE9,   0x0905, 0x093E,
                              0x4E2D, 0x1F31F, 0xFFFD, 0x0300, 0x2010, 0x00B7, 0xFB01};
  std::string all;
  for (const char32_t c : invisible) {
    EXPECT_EQ(NameMessage(Utf8(c)), "Please Enter Name") << static_cast<unsigned>(c);
    EXPECT_EQ(NameMessage(Utf8(c) + Utf8(c) + " "), "Please Enter Name")
        << static_cast<unsigned>(c);
    all += Utf8(c);
  }
  EXPECT_EQ(NameMessage(all), "Please Enter Name");
  for (const char32_t c : visible) {
    EXPECT_EQ(NameMessage(Utf8(c)), std::nullopt) << static_cast<unsigned>(c);
    // Anywhere among the invisible ones.
    for (const std::size_t at : {std::size_t{0}, all.size() / 2, all.size()}) {
      std::string name = all;
      // Cut only between whole characters: at a lead byte or the end.
      std::size_t cut = at;
      while (cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0U) == 0x80U) ++cut;
      name.insert(cut, Utf8(c));
      EXPECT_EQ(NameMessage(name), std::nullopt) << static_cast<unsigned>(c) << " at " << cut;
    }
  }
  // Bytes that are not UTF-8 are not taken for blanks here.
  EXPECT_EQ(NameMessage("\xFF"), std::nullopt);
  EXPECT_EQ(NameMessage("\xEF\xBB"), std::nullopt);
}

}  // namespace
}  // namespace velquor
