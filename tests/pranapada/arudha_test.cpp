#include "pranapada/arudha.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "astro/signs.h"
#include "chart/chart_context.h"

namespace velquor {
namespace {

constexpr std::array<const char*, 10> kPlainNames = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                                                     "Jupiter", "Saturn", "Rahu",    "Ketu",  "Asc"};

// A chart whose ten bodies stand in the given signs (index 0 = Aries), in body order Sun,
// Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, ascendant.
ChartContext ChartWithSigns(const std::array<int, 10>& signs) {
  ChartContext chart;
  for (std::size_t b = 0; b < 10; ++b) {
    chart.planets.PositionTexts[b] = "12 " + std::string(SignAbbreviation(signs[b])) + " 34";
    chart.ChartNames[b] = kPlainNames[b];
  }
  return chart;
}

// The twelve calls of a chart run, starting at the ascendant's sign.
void MarkAllHouses(ChartContext& chart, int ascIndex) {
  for (int house = 0; house < 12; ++house) {
    const int sign = (ascIndex + house) % 12;
    MarkArudhaPada(chart, sign, SignLord(sign));
  }
}

int LinesIn(const std::string& cell) { return static_cast<int>(std::count(cell.begin(), cell.end(), '\n')); }

TEST(Arudha, FirstHouse) {
  struct Case {
    const char* what;
    int ascIndex, lordIndex;  // the ascendant's sign and its lord's sign
    int padaIndex;            // where the arudha of house 1 falls
  };
  // Ascendant Aries or Pisces; the lord (Mars or Jupiter) moved around the houses.
  const Case cases[] = {
      {"Mars in Leo: D = 8, Sagittarius", 0, 4, 8},
      {"lord in its own house: the tenth from it", 0, 0, 9},
      {"lord in the seventh: the tenth from the house", 0, 6, 9},
      {"lord in the fourth: seventh moved on to the fourth", 0, 3, 3},
      {"lord in the second", 0, 1, 2},
      {"ascendant Pisces, Jupiter in Aries", 11, 0, 1},
  };
  for (const auto& c : cases) {
    std::array<int, 10> signs = {5, 5, 5, 5, 5, 5, 5, 5, 11, c.ascIndex};
    const std::size_t lord = c.ascIndex == 0 ? 4 : 5;  // Mars or Jupiter
    signs[lord] = c.lordIndex;
    ChartContext chart = ChartWithSigns(signs);
    MarkArudhaPada(chart, c.ascIndex, SignLord(c.ascIndex));

    EXPECT_EQ(chart.arudha.HouseCount, 1) << c.what;
    EXPECT_EQ(chart.arudha.FirstHouseSign, c.ascIndex + 1) << c.what;
    EXPECT_EQ(chart.arudha.FirstLordSign, c.lordIndex + 1) << c.what;
    std::array<int, 12> wantLines{};
    wantLines[static_cast<std::size_t>(c.padaIndex)] += 1;
    wantLines[static_cast<std::size_t>(c.lordIndex)] += 1;  // the ascendant lord's own mark
    for (std::size_t k = 0; k < 12; ++k) {
      EXPECT_EQ(LinesIn(chart.SpecialCells[k]), wantLines[k]) << c.what << ", cell " << k;
    }
  }
}

TEST(Arudha, TwelveHousesOfAWholeChart) {
  // Sun Gem, Moon Sco, Mercury Can, Venus Tau, Mars (R) Leo, Jupiter Sag, Saturn Lib,
  // Rahu Pis, Ketu Vir, ascendant Aquarius.
  ChartContext chart = ChartWithSigns({2, 7, 3, 1, 4, 8, 6, 11, 5, 10});
  chart.ChartNames[4] = "Mars (R) ";
  MarkAllHouses(chart, 10);

  // House by house (sign, lord's sign, D, pada), worked by hand:
  //  1 Aqu(11) Saturn Lib(7): D=4, 3 Gem     2 Pis(12) Jupiter Sag(9): D=6, 6 = 7th -> 3 Gem
  //  3 Ari(1) Mars Leo(5): D=8, 9 Sag        4 Tau(2) Venus Tau(2): D=0->9, 11 Aqu
  //  5 Gem(3) Mercury Can(4): D=2, 5 Leo     6 Can(4) Moon Sco(8): D=8, 12 Pis
  //  7 Leo(5) Sun Gem(3): D=8, 1 Ari         8 Vir(6) Mercury Can(4): D=8, 2 Tau
  //  9 Lib(7) Venus Tau(2): D=2, 9 Sag       10 Sco(8) Mars Leo(5): D=6, 2 = 7th -> 11 Aqu
  //  11 Sag(9) Jupiter Sag(9): D=0->9, 6 Vir 12 Cap(10) Saturn Lib(7): D=6, 4 = 7th -> 1 Ari
  // plus the ascendant lord's mark in Libra.
  const std::array<int, 12> wantLines = {2, 1, 2, 0, 1, 1, 1, 0, 2, 0, 2, 1};
  for (std::size_t k = 0; k < 12; ++k) EXPECT_EQ(LinesIn(chart.SpecialCells[k]), wantLines[k]) << "cell " << k;
  for (const auto& cell : chart.SpecialCells) {
    EXPECT_EQ(cell.find_first_not_of("\r\n"), std::string::npos) << "marks are empty tags";
  }
  EXPECT_EQ(chart.arudha.HouseCount, 12);
  EXPECT_EQ(chart.arudha.FirstHouseSign, 11);
  EXPECT_EQ(chart.arudha.FirstLordSign, 7);
  EXPECT_EQ(chart.arudha.AscFactor, 10);   // Aquarius
  EXPECT_EQ(chart.arudha.MoonFactor, 16);  // Scorpio
}

TEST(Arudha, EveryChartGetsThirteenMarks) {
  for (int asc = 0; asc < 12; ++asc) {
    for (int shift = 0; shift < 12; ++shift) {
      std::array<int, 10> signs{};
      for (int b = 0; b < 9; ++b) signs[static_cast<std::size_t>(b)] = (b * 5 + shift) % 12;
      signs[9] = asc;
      ChartContext chart = ChartWithSigns(signs);
      MarkAllHouses(chart, asc);
      int total = 0;
      for (const auto& cell : chart.SpecialCells) total += LinesIn(cell);
      EXPECT_EQ(total, 13) << asc << " " << shift;
    }
  }
}

TEST(Arudha, RetrogradeLordIsStillFound) {
  ChartContext chart = ChartWithSigns({5, 5, 5, 5, 4, 5, 5, 5, 11, 0});
  chart.ChartNames[4] = "Mars (R) ";
  MarkArudhaPada(chart, 0, SignLord(0));
  EXPECT_EQ(chart.arudha.FirstLordSign, 5);
  EXPECT_EQ(LinesIn(chart.SpecialCells[8]), 1);
}

}  // namespace
}  // namespace velquor
