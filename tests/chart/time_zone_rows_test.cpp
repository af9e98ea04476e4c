#include "chart/time_zone_rows.h"

#include <gtest/gtest.h>

namespace velquor {
namespace {

TEST(TimeZoneRows, ReadsOffsetAbbreviationAndKind) {
  struct Case {
    int index;
    int offsetMinutes;
    const char* abbreviation;
    bool daylightOrWar;
  };
  const Case cases[] = {
      {34, 330, "IST", false},  // ".3" means half an hour
      {27, -300, "EST", false}, {24, -240, "EDT", true},
      {15, 120, "BDST", true},  {19, 120, "CED", true},  // "Central European Daylight"
      {46, 780, "NZST", true},                           // "New Zealand Std Summer Time"
      {47, 720, "NZT", false},
  };
  const auto& table = TimeZoneTable();
  for (const auto& c : cases) {
    const TimeZoneRow& row = table[c.index];
    EXPECT_EQ(RowOffsetMinutes(row), c.offsetMinutes) << row.label;
    EXPECT_EQ(RowAbbreviation(row), c.abbreviation) << row.label;
    EXPECT_EQ(IsDaylightOrWarRow(row), c.daylightOrWar) << row.label;
  }
}

TEST(TimeZoneRows, ChoosesTheRowForAStandardOffset) {
  struct Case {
    int offsetMinutes;
    const char* abbreviation;
    std::optional<int> row;
  };
  const Case cases[] = {
      {330, "IST", 34},
      {-300, "EST", 27},  // never Central Daylight or Central War Time
      {-300, "-05", 27},  // no abbreviation match: the standard row
      {60, "CET", 20},
      {60, "MET", 41},  // the abbreviation picks between rows of one offset
      {60, "WAT", 20},  // the list's WAT row is -1.0: offset comes first
      {0, "UTC", 61},   // "UT" begins like "UTC"
      {0, "GMT", 29},
      {0, "+00", 29},     // nothing to tell them apart: the first row
      {720, "NZST", 47},  // "Std" is standard; the NZST row is a summer row
      {-600, "HST", 1},   // the list's HST row is -10.5
      {120, "EET", 26},
      {345, "+0545", std::nullopt},
      {-180, "", 14},    // Brazil Zone 2; Atlantic War Time is a war row
      {780, "+13", 46},  // only a summer row has +13: it is taken, without the tick
      {270, "+0430",
       std::nullopt},  // Iran Time and the tick is not offered without daylight saving
  };
  for (const auto& c : cases) {
    const std::optional<RowChoice> choice =
        RowForClock({c.offsetMinutes, c.offsetMinutes, c.abbreviation, c.abbreviation, ""});
    EXPECT_EQ(choice ? std::optional<int>(choice->row) : std::nullopt, c.row)
        << c.offsetMinutes << " " << c.abbreviation;
    if (choice) {
      EXPECT_FALSE(choice->daylightSaving) << c.offsetMinutes;
    }
  }
}

TEST(TimeZoneRows, ChoosesTheRowAndTickForDaylightSaving) {
  struct Case {
    ClockOffset clock;
    std::optional<RowChoice> choice;
  };
  const Case cases[] = {
      // One hour over standard time: the standard row and the tick.
      {{-240, -300, "EDT", "EST", "America/New_York"}, RowChoice{27, true}},
      {{60, 0, "BST", "GMT", "Europe/London"}, RowChoice{29, true}},
      {{390, 330, "+0630", "IST", "Asia/Kolkata"}, RowChoice{34, true}},
      // Two hours: the row named by the abbreviation, else a row of the region and the tick.
      {{120, 0, "BDST", "GMT", "Europe/London"}, RowChoice{15, false}},
      {{180, 60, "CEMT", "CET", "Europe/Berlin"}, RowChoice{19, true}},
      // Half an hour: a row of the offset in force, of the zone's region.
      {{720, 690, "NZST", "NZMT", "Pacific/Auckland"}, RowChoice{47, false}},
      // Winter as negative daylight saving: the offset in force, no tick.
      {{0, 60, "GMT", "IST", "Europe/Dublin"}, RowChoice{29, false}},
      // Other continents' rows only when nothing else fits.
      {{480, 480, "CST", "CST", "Asia/Shanghai"}, RowChoice{23, false}},
      {{180, 180, "MSK", "MSK", "Europe/Moscow"}, RowChoice{25, false}},
      {{180, 180, "+03", "+03", "Asia/Baghdad"}, RowChoice{12, false}},
      {{345, 285, "X", "Y", "Asia/Kathmandu"}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RowForClock(c.clock), c.choice) << c.clock.ianaZone << " " << c.clock.offsetMinutes;
  }
}

}  // namespace
}  // namespace velquor
