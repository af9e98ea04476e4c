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

TEST(TimeZoneRows, ChoosesTheStandardRowForAnOffset) {
  struct Case {
    int offsetMinutes;
    const char* abbreviation;
    std::optional<int> row;
  };
  const Case cases[] = {
      {330, "IST", 34},
      {-300, "EST", 27},  // never Central Daylight or Central War Time
      {-300, "-05", 27},  // no abbreviation match: the row that says standard
      {60, "CET", 20},
      {60, "MET", 41},  // the abbreviation picks between rows of one offset
      {60, "WAT", 20},  // the list's WAT row is -1.0: offset comes first
      {0, "UTC", 29},   // neither abbreviation nor "Standard": the first row
      {0, "GMT", 29},
      {720, "NZST", 47},  // "Std" is standard; the NZST row is a summer row
      {-600, "HST", 1},   // the list's HST row is -10.5
      {120, "EET", 26},
      {345, "+0545", std::nullopt},
      {-180, "", 14},               // Brazil Zone 2; Atlantic War Time is a war row
      {780, "NZDT", std::nullopt},  // only a summer row has +13
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StandardRowForOffset(c.offsetMinutes, c.abbreviation), c.row)
        << c.offsetMinutes << " " << c.abbreviation;
  }
}

}  // namespace
}  // namespace velquor
