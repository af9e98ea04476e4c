#include "chart/house_texts.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "chart/chart_cells.h"

namespace velquor {
namespace {

TEST(HouseTexts, NamedHouses) {
  EXPECT_EQ(HouseSignificance(11),
            "You will achieve a lot of fame and respect. You will be well-liked, wise, wealthy and "
            "well renowned.");
  EXPECT_EQ(HouseSignificance(1),
            "You may be physically very weak and sick. You will be mentally dull and not active at "
            "all. You may be "
            "malnourished and suffer from body limb defects.");
  EXPECT_EQ(HouseSignificance(12),
            "You may have a very disagreeable nature. People will find you rude, cruel and "
            "unbearable. You may "
            "suffer from problems of the eye.");
}

TEST(HouseTexts, OnlyTwelveHouses) {
  EXPECT_THROW(HouseSignificance(0), std::out_of_range);
  EXPECT_THROW(HouseSignificance(13), std::out_of_range);
}

TEST(ChartCells, EveryEntryOpensALine) {
  std::string cell;
  AppendToCell(cell, "Sun");
  AppendToCell(cell, "Mars (R) ");
  AppendToCell(cell, "Asc");
  EXPECT_EQ(cell, "\r\nSun\r\nMars (R) \r\nAsc");

  std::string tags;
  AppendToCell(tags, "");
  AppendToCell(tags, "");
  AppendToCell(tags, "PpL");
  EXPECT_EQ(tags, "\r\n\r\n\r\nPpL");
}

}  // namespace
}  // namespace velquor
