#include "retro/retrograde.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "retro/station_tables.h"

namespace velquor {
namespace {

using Names = std::array<std::string, 10>;

const Names kPlain = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                      "Jupiter", "Saturn", "Rahu",    "Ketu",  "Asc"};

TEST(IsRetrograde, StationDaysThemselvesCountAsDirect) {
  // Mercury turns retrograde 14 October 2020 00:56 and direct 3 November 2020 17:58.
  struct Case {
    LocalDateTime birth;
    bool want;
  };
  const Case cases[] = {
      {{2020, 10, 13, 12, 0, 0}, false},
      {{2020, 10, 14, 23, 59, 0}, false},
      {{2020, 10, 15, 0, 0, 0}, true},
      {{2020, 11, 2, 23, 59, 0}, true},
      {{2020, 11, 3, 0, 0, 0}, false},
      {{2020, 11, 4, 12, 0, 0}, false},
      // Judged by the local date as entered, not by universal time.
      {{2020, 10, 13, 23, 30, 0}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsRetrograde(c.birth, "Mercury"), c.want) << FormatMinute(c.birth);
}

TEST(IsRetrograde, NothingOutsideATable) {
  for (const std::string_view planet : kStationPlanetNames) {
    const StationTable table = StationTableFor(planet);
    const LocalDateTime first = ToLocalDateTime(table.front().retrograde);
    const LocalDateTime last = ToLocalDateTime(table.back().direct);
    EXPECT_TRUE(IsRetrograde(AddDays(first, 1), planet)) << planet;
    EXPECT_TRUE(IsRetrograde(AddDays(last, -1), planet)) << planet;
    for (const std::int64_t days : {0, -1, -400})
      EXPECT_FALSE(IsRetrograde(AddDays(first, days), planet)) << planet;
    for (const std::int64_t days : {0, 1, 400})
      EXPECT_FALSE(IsRetrograde(AddDays(last, days), planet)) << planet;
    EXPECT_FALSE(IsRetrograde({1800, 1, 1, 0, 0, 0}, planet)) << planet;
  }
}

// The lookup agrees with reading every row in turn, for every day the tables cover.
TEST(IsRetrograde, AgreesWithARowByRowScan) {
  for (const std::string_view planet : {"Mercury", "Jupiter"}) {
    const StationTable table = StationTableFor(planet);
    for (LocalDateTime day{1899, 1, 1, 12, 0, 0}; day.year < 2052; day = AddDays(day, 1)) {
      const std::int64_t birthDay = DaysFromCivil(day.year, day.month, day.day);
      bool scanned = false;
      for (const StationRow& row : table) {
        const std::int64_t dR =
            DaysFromCivil(row.retrograde.year, row.retrograde.month, row.retrograde.day) - birthDay;
        const std::int64_t dD =
            DaysFromCivil(row.direct.year, row.direct.month, row.direct.day) - birthDay;
        if (dR < 0 && dD > 0) {
          scanned = true;
          break;
        }
      }
      ASSERT_EQ(IsRetrograde(day, planet), scanned) << planet << ' ' << FormatMinute(day);
    }
  }
}

TEST(MarkRetrogrades, FourteenthMay2020MarksVenusAndSaturnOnly) {
  for (const int hour : {0, 13, 23}) {
    Names want = kPlain;
    want[3] = "Venus (R) ";
    want[6] = "Saturn (R) ";
    EXPECT_EQ(MarkRetrogrades({2020, 5, 14, hour, 30, 0}), want) << "hour " << hour;
  }
}

TEST(MarkRetrogrades, NothingIn2060) {
  for (const int month : {1, 4, 7, 10}) {
    EXPECT_EQ(MarkRetrogrades({2060, month, 15, 12, 0, 0}), kPlain) << "month " << month;
  }
}

TEST(MarkRetrogrades, TwentiethOctober2020MarksMercuryAndMars) {
  Names want = kPlain;
  want[2] = "Mercury (R) ";
  want[4] = "Mars (R) ";
  EXPECT_EQ(MarkRetrogrades({2020, 10, 20, 9, 0, 0}), want);
}

}  // namespace
}  // namespace velquor
