#include "pranapada/arudha.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "astro/signs.h"

namespace velquor {
namespace {

constexpr std::array<const char*, 10> kPlainNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};

// The arudha scan of a chart whose ten bodies stand in the given signs (index 0 = Aries),
// in body order Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, ascendant;
// it counts the marks per sign as the chart tags them.
struct Scan {
  explicit Scan(const std::array<int, 10>& signs) {
    for (std::size_t b = 0; b < 10; ++b) {
      positions[b] = "12 " + std::string(SignAbbreviation(signs[b])) + " 34";
      names[b] = kPlainNames[b];
    }
  }

  // One house: its pada, and after the first call the sign of the ascendant's lord.
  void Mark(int sign) {
    const int pada = MarkArudhaPada(state, {positions, names}, sign, SignLord(sign));
    ++marks[static_cast<std::size_t>(pada)];
    if (state.HouseCount == 1) ++marks[static_cast<std::size_t>(state.FirstLordSign - 1)];
  }

  // The twelve calls of a chart run, starting at the ascendant's sign.
  void MarkAllHouses(int ascIndex) {
    for (int house = 0; house < 12; ++house) Mark((ascIndex + house) % 12);
  }

  std::array<std::string, 10> positions, names;
  ArudhaState state;
  std::array<int, 12> marks{};
};

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
    Scan scan(signs);
    scan.Mark(c.ascIndex);

    EXPECT_EQ(scan.state.HouseCount, 1) << c.what;
    EXPECT_EQ(scan.state.FirstHouseSign, c.ascIndex + 1) << c.what;
    EXPECT_EQ(scan.state.FirstLordSign, c.lordIndex + 1) << c.what;
    std::array<int, 12> wantLines{};
    wantLines[static_cast<std::size_t>(c.padaIndex)] += 1;
    wantLines[static_cast<std::size_t>(c.lordIndex)] += 1;  // the ascendant lord's own mark
    EXPECT_EQ(scan.marks, wantLines) << c.what;
  }
}

TEST(Arudha, TwelveHousesOfAWholeChart) {
  // Sun Gem, Moon Sco, Mercury Can, Venus Tau, Mars (R) Leo, Jupiter Sag, Saturn Lib,
  // Rahu Pis, Ketu Vir, ascendant Aquarius.
  Scan scan({2, 7, 3, 1, 4, 8, 6, 11, 5, 10});
  scan.names[4] = "Mars (R) ";
  scan.MarkAllHouses(10);

  // House by house (sign, lord's sign, D, pada), worked by hand:
  //  1 Aqu(11) Saturn Lib(7): D=4, 3 Gem     2 Pis(12) Jupiter Sag(9): D=6, 6 = 7th -> 3 Gem
  //  3 Ari(1) Mars Leo(5): D=8, 9 Sag        4 Tau(2) Venus Tau(2): D=0->9, 11 Aqu
  //  5 Gem(3) Mercury Can(4): D=2, 5 Leo     6 Can(4) Moon Sco(8): D=8, 12 Pis
  //  7 Leo(5) Sun Gem(3): D=8, 1 Ari         8 Vir(6) Mercury Can(4): D=8, 2 Tau
  //  9 Lib(7) Venus Tau(2): D=2, 9 Sag       10 Sco(8) Mars Leo(5): D=6, 2 = 7th -> 11 Aqu
  //  11 Sag(9) Jupiter Sag(9): D=0->9, 6 Vir 12 Cap(10) Saturn Lib(7): D=6, 4 = 7th -> 1 Ari
  // plus the ascendant lord's mark in Libra.
  const std::array<int, 12> wantLines = {2, 1, 2, 0, 1, 1, 1, 0, 2, 0, 2, 1};
  EXPECT_EQ(scan.marks, wantLines);
  EXPECT_EQ(scan.state.HouseCount, 12);
  EXPECT_EQ(scan.state.FirstHouseSign, 11);
  EXPECT_EQ(scan.state.FirstLordSign, 7);
  EXPECT_EQ(scan.state.AscFactor, 10);   // Aquarius
  EXPECT_EQ(scan.state.MoonFactor, 16);  // Scorpio
}

TEST(Arudha, EveryChartGetsThirteenMarks) {
  for (int asc = 0; asc < 12; ++asc) {
    for (int shift = 0; shift < 12; ++shift) {
      std::array<int, 10> signs{};
      for (int b = 0; b < 9; ++b) signs[static_cast<std::size_t>(b)] = (b * 5 + shift) % 12;
      signs[9] = asc;
      Scan scan(signs);
      scan.MarkAllHouses(asc);
      int total = 0;
      for (const int marks : scan.marks) total += marks;
      EXPECT_EQ(total, 13) << asc << " " << shift;
    }
  }
}

TEST(Arudha, RetrogradeLordIsStillFound) {
  Scan scan({5, 5, 5, 5, 4, 5, 5, 5, 11, 0});
  scan.names[4] = "Mars (R) ";
  scan.Mark(0);
  EXPECT_EQ(scan.state.FirstLordSign, 5);
  EXPECT_EQ(scan.marks[8], 1);
}

}  // namespace
}  // namespace velquor
