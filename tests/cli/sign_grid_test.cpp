#include "cli/sign_grid.h"

#include <gtest/gtest.h>

#include <string>

namespace velquor {
namespace {

TEST(SignGrid, DrawsTheFixedSignPlacesWithBodiesAndTag) {
  std::array<std::string, 12> signs;
  std::array<std::string, 12> special;
  signs[0] = "\r\nMoon\r\nVenus\r\nRahu";  // Aries: its row grows to fit
  signs[10] = "\r\nSun\r\nMercury";        // Aquarius
  signs[6] = "\r\nSaturn (R) \r\nKetu";    // Libra
  signs[4] = "\r\nAsc";                    // Leo
  special[8] = "\r\n\r\n\r\nPpL";          // Sagittarius, after two empty tags
  special[3] = "\r\n\r\n";                 // Cancer: empty tags show nothing
  EXPECT_EQ(DrawSignGrid(signs, special),
            R"(┌─────────────────┬─────────────────┬─────────────────┬─────────────────┐
│ Pisces          │ Aries           │ Taurus          │ Gemini          │
│                 │ Moon            │                 │                 │
│                 │ Venus           │                 │                 │
│                 │ Rahu            │                 │                 │
├─────────────────┼─────────────────┴─────────────────┼─────────────────┤
│ Aquarius        │                                   │ Cancer          │
│ Sun             │                                   │                 │
│ Mercury         │                                   │                 │
├─────────────────┤                                   ├─────────────────┤
│ Capricorn       │                                   │ Leo             │
│                 │                                   │ Asc             │
├─────────────────┼─────────────────┬─────────────────┼─────────────────┤
│ Sagittarius PpL │ Scorpio         │ Libra           │ Virgo           │
│                 │                 │ Saturn (R)      │                 │
│                 │                 │ Ketu            │                 │
└─────────────────┴─────────────────┴─────────────────┴─────────────────┘
)");
}

TEST(SignGrid, CellsWidenForALongerLine) {
  std::array<std::string, 12> signs;
  signs[5] = "\r\nA body named at length";  // Virgo
  const std::string grid = DrawSignGrid(signs, {});
  EXPECT_NE(grid.find("│ A body named at length │\n"), std::string::npos) << grid;
  EXPECT_NE(grid.find("│ Pisces                 │"), std::string::npos) << grid;
}

}  // namespace
}  // namespace velquor
