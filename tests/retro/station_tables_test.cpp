#include "retro/station_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <stdexcept>

namespace velquor {
namespace {

struct TableShape {
  std::string_view planet;
  std::size_t rows;
  const char* firstRow;  // "<retrograde> <direct>"
  const char* lastRow;
  std::int64_t shortestDays, longestDays;  // whole days from retrograde to direct station
  std::int64_t shortestGap, longestGap;    // whole days from direct to next retrograde station
};

const TableShape kShapes[] = {
    {"Mercury", 476, "3,15,1900,13,19, 4,7,1900,18,42,", "12,1,2050,17,17, 12,21,2050,11,33,", 19,
     24, 87, 102},
    {"Venus", 95, "6,16,1900,22,56, 7,30,1900,2,44,", "9,25,2050,22,15, 11,6,2050,19,4,", 40, 43,
     537, 545},
    {"Mars", 71, "1,13,1901,6,16, 4,4,1901,7,21,", "7,15,2050,5,50, 9,13,2050,9,41,", 59, 81, 684,
     745},
    {"Jupiter", 139, "3,27,1900,20,39, 7,29,1900,1,35,", "12,21,2050,13,21, 4,21,2051,23,46,", 116,
     124, 271, 284},
    {"Saturn", 146, "4,14,1900,6,2, 9,2,1900,14,39,", "5,18,2050,13,6, 10,6,2050,11,5,", 133, 141,
     235, 246},
    {"Uranus", 150, "3,17,1900,17,36, 8,17,1900,15,27,", "12,30,2050,15,40, 5,29,2051,6,22,", 148,
     154, 214, 221},
    {"Neptune", 150, "10,2,1900,13,58, 3,8,1901,0,45,", "8,31,2050,13,52, 2,4,2051,10,41,", 155,
     160, 206, 211},
    {"Pluto", 151, "9,16,1899,5,48, 2,27,1900,7,36,", "6,10,2050,3,49, 11,21,2050,16,16,", 156, 164,
     201, 211},
};

struct PublishedRow {
  std::string_view planet;
  std::size_t index;
  const char* row;
};

const PublishedRow kPublishedRows[] = {
    {"Mercury", 315, "2,21,2000,0,39, 3,14,2000,20,28,"},
    {"Mercury", 316, "6,23,2000,8,32, 7,17,2000,13,9,"},
    {"Mercury", 317, "10,18,2000,13,39, 11,8,2000,2,32,"},
    {"Mercury", 378, "2,17,2020,0,41, 3,10,2020,3,37,"},
    {"Mercury", 379, "6,18,2020,4,47, 7,12,2020,8,25,"},
    {"Mercury", 380, "10,14,2020,0,56, 11,3,2020,17,58,"},
    {"Venus", 75, "5,13,2020,7,3, 6,25,2020,7,5,"},
    {"Mars", 56, "9,9,2020,21,32, 11,13,2020,23,6,"},
    {"Jupiter", 92, "9,29,2000,0,45, 1,25,2001,14,49,"},
    {"Jupiter", 110, "5,14,2020,13,18, 9,12,2020,23,37,"},
    {"Saturn", 97, "9,12,2000,10,33, 1,24,2001,23,10,"},
    {"Saturn", 116, "5,11,2020,1,48, 9,29,2020,3,52,"},
    {"Uranus", 119, "8,15,2020,10,41, 1,14,2021,6,29,"},
    {"Neptune", 119, "6,22,2020,23,26, 11,28,2020,21,16,"},
    {"Pluto", 120, "4,25,2020,14,15, 10,4,2020,7,29,"},
};

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t WholeDaysBetween(const StationMoment& from, const StationMoment& to) {
  return SecondsBetween(ToLocalDateTime(from), ToLocalDateTime(to)) / kSecondsPerDay;
}

TEST(StationTables, CountsAndEndRows) {
  for (const auto& shape : kShapes) {
    const std::vector<std::string> lines = StationTableLines(shape.planet);
    ASSERT_EQ(lines.size(), shape.rows) << shape.planet;
    EXPECT_EQ(lines.front(), shape.firstRow) << shape.planet;
    EXPECT_EQ(lines.back(), shape.lastRow) << shape.planet;
  }
}

TEST(StationTables, KeepPublishedRowsAtTheirIndices) {
  for (const auto& published : kPublishedRows) {
    const std::vector<std::string> lines = StationTableLines(published.planet);
    ASSERT_LT(published.index, lines.size()) << published.planet;
    EXPECT_EQ(lines[published.index], published.row)
        << published.planet << " row " << published.index;
  }
}

TEST(StationTables, EveryStationIsAValidDateAndTime) {
  for (const std::string_view planet : kStationPlanetNames) {
    for (const StationRow& row : StationTableFor(planet)) {
      for (const StationMoment& m : {row.retrograde, row.direct}) {
        EXPECT_TRUE(IsValidCivilDate(m.year, m.month, m.day)) << planet << ' ' << FormatStation(m);
        EXPECT_TRUE(m.hour >= 0 && m.hour <= 23 && m.minute >= 0 && m.minute <= 59)
            << planet << ' ' << FormatStation(m);
        EXPECT_NO_THROW(ParseStation(FormatStation(m)));
      }
    }
  }
}

TEST(StationTables, PeriodsAscendWithoutOverlapAndKeepTheirShape) {
  for (const auto& shape : kShapes) {
    const StationTable table = StationTableFor(shape.planet);
    for (std::size_t i = 0; i < table.size(); ++i) {
      const StationRow& row = table[i];
      EXPECT_LT(ToLocalDateTime(row.retrograde), ToLocalDateTime(row.direct))
          << shape.planet << " row " << i;
      const std::int64_t length = WholeDaysBetween(row.retrograde, row.direct);
      EXPECT_GE(length, shape.shortestDays) << shape.planet << " row " << i;
      EXPECT_LE(length, shape.longestDays) << shape.planet << " row " << i;
      if (i + 1 == table.size()) continue;
      const StationRow& next = table[i + 1];
      EXPECT_LT(ToLocalDateTime(row.direct), ToLocalDateTime(next.retrograde))
          << shape.planet << " row " << i;
      const std::int64_t gap = WholeDaysBetween(row.direct, next.retrograde);
      EXPECT_GE(gap, shape.shortestGap) << shape.planet << " row " << i;
      EXPECT_LE(gap, shape.longestGap) << shape.planet << " row " << i;
    }
  }
}

// The earliest station of all is Pluto's; of the planets the chart marks, Jupiter's
// direct station is the latest (Uranus and Neptune run on into 2051 beyond it).
TEST(StationTables, EarliestAndLatestStations) {
  const auto earliestOf = [](std::span<const std::string_view> planets) {
    LocalDateTime earliest{9999, 1, 1, 0, 0, 0};
    for (const std::string_view planet : planets) {
      earliest = std::min(earliest, ToLocalDateTime(StationTableFor(planet).front().retrograde));
    }
    return earliest;
  };
  const auto latestOf = [](std::span<const std::string_view> planets) {
    LocalDateTime latest{1000, 1, 1, 0, 0, 0};
    for (const std::string_view planet : planets) {
      latest = std::max(latest, ToLocalDateTime(StationTableFor(planet).back().direct));
    }
    return latest;
  };
  const std::span<const std::string_view> marked(kStationPlanetNames.data(),
                                                 5);  // Mercury .. Saturn
  EXPECT_EQ(FormatMinute(earliestOf(kStationPlanetNames)), "1899-09-16 05:48");
  EXPECT_EQ(FormatMinute(latestOf(marked)), "2051-04-21 23:46");
  EXPECT_EQ(FormatMinute(latestOf(kStationPlanetNames)), "2051-05-29 06:22");
}

TEST(StationTables, NamesMatchExactly) {
  for (const char* name : {"mercury", "MERCURY", "Mercury ", "", "Sun", "Moon", "Rahu"}) {
    EXPECT_THROW(StationTableFor(name), std::invalid_argument) << '"' << name << '"';
    EXPECT_THROW(StationTableLines(name), std::invalid_argument) << '"' << name << '"';
  }
}

}  // namespace
}  // namespace velquor
