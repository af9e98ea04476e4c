#include "cli/place_option.h"

#include <gtest/gtest.h>

#include <string>

#include "births/input_error.h"
#include "support/birth_of.h"
#include "support/small_atlas.h"

namespace velquor {
namespace {

const PlaceAtlas& SmallAtlas() {
  static const PlaceAtlas atlas(test::SmallAtlasPlaces());
  return atlas;
}

BirthData Birth(int year, int month, int day) {
  BirthData input;
  input.personName = "ASHA";
  input.yearNumber = year;
  input.monthNumber = month;
  input.dayNumber = day;
  input.hourNumber = 6;
  input.minuteNumber = 30;
  input.zoneIndex = 29;
  return input;
}

BirthData At(BirthData input, int hour, int minute) {
  input.hourNumber = hour;
  input.minuteNumber = minute;
  return input;
}

TEST(PlaceOption, FillsCoordinatesNamesAndTheSuggestedZone) {
  struct Case {
    const char* place;
    BirthData before;
    bool zoneGiven;
    BirthData after;
    const char* used;
  };
  BirthData withDst = Birth(1990, 8, 15);
  withDst.isDst = true;
  withDst.cityText = "KASHI";
  const Case cases[] = {
      {"Varanasi, India", Birth(1990, 8, 15), false,
       test::BirthOf("ASHA", 1990, 8, 15, 6, 30, 0, 34, 25, 19, false, 83, 1, true, false,
                     "Varanasi", "State of Uttar Pradesh", "India"),
       "place Varanasi, State of Uttar Pradesh, India (25N19 83E01, Asia/Kolkata); zone Indian "
       "Time, IST, +5.3, no daylight saving on 15 August 1990"},
      // South and West; the suggestion ticks daylight saving in the southern summer.
      {"sao paulo", Birth(1990, 1, 15), false,
       test::BirthOf("ASHA", 1990, 1, 15, 6, 30, 0, 14, 23, 33, true, 46, 38, false, true,
                     "São Paulo", "São Paulo", "Brazil"),
       "place São Paulo, São Paulo, Brazil (23S33 46W38, America/Sao_Paulo); zone Brazil Zone "
       "2,BZT2,-3.0, with daylight saving on 15 January 1990"},
      // --zone given: the zone and the daylight tick stay as given, even without a row.
      {"Kathmandu", Birth(1990, 8, 15), true,
       test::BirthOf("ASHA", 1990, 8, 15, 6, 30, 0, 29, 27, 42, false, 85, 19, true, false,
                     "Kathmandu", "Bagmati Province", "Nepal"),
       "place Kathmandu, Bagmati Province, Nepal (27N42 85E19, Asia/Kathmandu)"},
      // --dst given and names given: they stay, and the line says what the chart applies.
      {"Varanasi", withDst, false,
       test::BirthOf("ASHA", 1990, 8, 15, 6, 30, 0, 34, 25, 19, false, 83, 1, true, true, "KASHI",
                     "State of Uttar Pradesh", "India"),
       "place Varanasi, State of Uttar Pradesh, India (25N19 83E01, Asia/Kolkata); zone Indian "
       "Time, IST, +5.3, with daylight saving as --dst asks, although the time-zone database "
       "has none on 15 August 1990"},
  };
  for (const auto& c : cases) {
    BirthData input = c.before;
    EXPECT_EQ(ApplyPlaceOption(SmallAtlas(), c.place, c.zoneGiven, ClockFold::Unknown, input),
              c.used);
    EXPECT_EQ(input, c.after) << c.place;
  }
}

TEST(PlaceOption, ARepeatedClockTimeTakesTheReadingAskedFor) {
  struct Case {
    const char* place;
    BirthData birth;
    ClockFold fold;
    int zoneIndex;
    bool dst;
  };
  const Case cases[] = {
      {"Varanasi", At(Birth(1945, 10, 14), 23, 30), ClockFold::First, 34, true},
      {"Varanasi", At(Birth(1945, 10, 14), 23, 30), ClockFold::Second, 34, false},
      {"São Paulo", At(Birth(2018, 2, 17), 23, 30), ClockFold::First, 14, true},
      {"São Paulo", At(Birth(2018, 2, 17), 23, 30), ClockFold::Second, 14, false},
      // A time that happened once: the fold changes nothing.
      {"São Paulo", At(Birth(2018, 2, 17), 22, 59), ClockFold::Second, 14, true},
  };
  for (const Case& c : cases) {
    BirthData input = c.birth;
    const std::string used = ApplyPlaceOption(SmallAtlas(), c.place, false, c.fold, input);
    EXPECT_EQ(input.zoneIndex, c.zoneIndex) << c.place;
    EXPECT_EQ(input.isDst, c.dst) << c.place << " " << used;
  }
}

TEST(PlaceOption, ReadsTheFold) {
  EXPECT_EQ(ParseFoldOption(""), ClockFold::Unknown);
  EXPECT_EQ(ParseFoldOption("first"), ClockFold::First);
  EXPECT_EQ(ParseFoldOption("second"), ClockFold::Second);
  for (const char* bad : {"First", "1", "both", " first"}) {
    try {
      ParseFoldOption(bad);
      ADD_FAILURE() << bad << " accepted";
    } catch (const InputError& error) {
      EXPECT_EQ(error.field(), "--fold");
    }
  }
}

TEST(PlaceOption, RefusesWhatItCannotTakeAndSaysWhy) {
  struct Case {
    const char* place;
    BirthData birth;
    const char* field;
    std::string message;
  };
  const Case cases[] = {
      {"Springfield", Birth(1990, 8, 15), "--place",
       "--place: Several cities are called \"Springfield\"; name the state or country to "
       "choose one; the best matches:\n"
       "  Springfield, Missouri, United States of America (37N13 93W18, America/Chicago)\n"
       "  Springfield, Massachusetts, United States of America (42N06 72W35, America/New_York)"},
      {"Kathmandu, Nepal", Birth(1990, 8, 15), "--place",
       "--place: No time zone in the list has +5:45, the standard time of Asia/Kathmandu on "
       "15 August 1990; give the time zone with --zone"},
      {"Varan", Birth(1990, 8, 15), "--place",
       "--place: The atlas has no city called \"Varan\"; the best matches:\n"
       "  Varanasi, State of Uttar Pradesh, India (25N19 83E01, Asia/Kolkata)"},
      {"Varanasi, Nepal", Birth(1990, 8, 15), "--place",
       "--place: No city called \"Varanasi\" lies in \"Nepal\"; the best matches:\n"
       "  Varanasi, State of Uttar Pradesh, India (25N19 83E01, Asia/Kolkata)"},
      {"Atlantis", Birth(1990, 8, 15), "--place",
       "--place: The atlas has no city called \"Atlantis\""},
      {", India", Birth(1990, 8, 15), "--place",
       "--place: A place needs a city: CITY[, STATE][, COUNTRY]"},
      {"Varanasi", Birth(1990, 2, 30), "--date", "--date: 30 February 1990 is not a date"},
      {"Varanasi", At(Birth(1945, 10, 14), 23, 30), "--time",
       "--time: The clocks of Asia/Kolkata on 14 October 1945 showed 23:30:00 twice when they "
       "were put back: first +0630 +6:30, Indian Time, IST, +5.3 with daylight saving, then IST "
       "+5:30, Indian Time, IST, +5.3 without daylight saving; say which with --fold first or "
       "--fold second"},
      {"Springfield, Massachusetts", At(Birth(1976, 4, 25), 2, 30), "--time",
       "--time: The clocks of America/New_York on 25 April 1976 skipped 02:30:00 when they were "
       "put forward"},
  };
  for (const auto& c : cases) {
    BirthData input = c.birth;
    try {
      ApplyPlaceOption(SmallAtlas(), c.place, false, ClockFold::Unknown, input);
      ADD_FAILURE() << c.place << " accepted";
    } catch (const InputError& error) {
      EXPECT_EQ(error.field(), c.field) << c.place;
      EXPECT_EQ(error.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace velquor
