#include "chart/time_zones.h"

#include <gtest/gtest.h>

#include <string>

namespace velquor {
namespace {

TEST(TimeZones, NamedRows) {
  struct Case {
    int index;
    const char* label;
    int hours, minutes;
  };
  const Case cases[] = {
      {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
      {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
      {34, "Indian Time, IST, +5.3", -5, -30},
      {37, "Iran Time, IT, +3.5", -3, -30},
      {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
      {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
      {32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
      {61, "Universal Time, UT, 0.0", 0, 0},
      {70, "Yukon War Time,YWT,-8.0", 8, 0},
  };
  for (const auto& c : cases) {
    ZoneCorrection zone{99, 99};
    Zone_Calculation(c.index, zone);
    EXPECT_EQ(TimeZoneTable()[static_cast<std::size_t>(c.index)].label, c.label);
    EXPECT_EQ(zone.ZoneHours, c.hours) << c.label;
    EXPECT_EQ(zone.ZoneMinutes, c.minutes) << c.label;
    EXPECT_EQ(TimeZoneIndexOfLabel(c.label), c.index);
  }
}

TEST(TimeZones, EveryRowIsTheNegatedOffsetOfItsLabel) {
  for (const auto& row : TimeZoneTable()) {
    const std::string label(row.label);
    const double offset = std::stod(label.substr(label.rfind(',') + 1));
    const int whole = static_cast<int>(offset);
    const bool half = (offset - whole) != 0.0;
    EXPECT_EQ(row.zoneHours, -whole) << label;
    EXPECT_EQ(row.zoneMinutes, half ? (offset > 0 ? -30 : 30) : 0) << label;
  }
}

TEST(TimeZones, IndexOutsideTheTableChangesNothing) {
  ZoneCorrection zone{-5, -30};
  Zone_Calculation(71, zone);
  Zone_Calculation(-1, zone);
  EXPECT_EQ(zone.ZoneHours, -5);
  EXPECT_EQ(zone.ZoneMinutes, -30);
  EXPECT_EQ(TimeZoneTable().size(), 71u);
}

TEST(TimeZones, DuplicateSouthAustraliaRowsAgree) {
  ZoneCorrection a, b;
  Zone_Calculation(56, a);
  Zone_Calculation(57, b);
  EXPECT_EQ(a.Hours(), b.Hours());
  Zone_Calculation(58, a);
  Zone_Calculation(59, b);
  EXPECT_EQ(a.Hours(), b.Hours());
  EXPECT_DOUBLE_EQ(a.Hours(), -9.5);
}

}  // namespace
}  // namespace velquor
