// Whole charts pinned to the last bit (tests/chart/chart_pins_test.cpp checks them): their
// birth data and the doubles and texts the classic chart run gives for it. Other tests
// chart the same births (in other conventions, as JSON).
#pragma once

#include <array>

#include "chart/chart_run.h"

namespace velquor::test {

struct PinnedChart {
  const char* what;
  BirthData birth;
  double ayanamsa, ascendant, moon, sunAtSunrise;
  std::array<const char*, 10> positions, sunrisePositions;
  LocalDateTime referenceSunrise;
  long long elapsedSeconds;
  PranapadaResult pranapada;  // Signs, Degrees, Minutes, PpLSign, House
  std::array<const char*, 12> signCells, specialCells;
};

inline const PinnedChart kPinnedCharts[] = {
    {"Delhi by day",
     {"RAVI", 8, 15, 1990, 6, 30, 0, 77, 13, 28, 37, true, false, false, "Delhi", "Delhi", "India",
      34},
     -0x1.7bb1fbc5897bfp+4,
     0x1.f7eb69e6b76c8p+6,
     0x1.743f7d9aebf6ep+5,
     0x1.d957d1819d5a2p+6,
     {"28 Can 21", "16 Tau 31", "25 Leo 26", "07 Can 46", "27 Ari 31", "05 Can 43", "26 Sag 10",
      "11 Cap 50", "11 Can 50", "05 Leo 58"},
     {"28 Can 20", "16 Tau 31", "25 Leo 25", "07 Can 44", "27 Ari 30", "05 Can 43", "26 Sag 10",
      "11 Cap 50", "11 Can 50", "05 Leo 58"},
     {1990, 8, 15, 5, 49, 0},
     2460,
     {7, 24, 59, 11, 7},
     {"\r\nMars", "\r\nMoon", "", "\r\nSun\r\nVenus\r\nJupiter\r\nKetu", "\r\nMercury\r\nAsc", "",
      "", "", "\r\nSaturn (R) ", "\r\nRahu", "", ""},
     {"", "\r\n", "\r\n", "\r\n\r\n\r\n", "\r\n\r\n", "\r\n\r\n\r\n", "\r\n\r\n", "\r\n\r\n",
      "\r\n", "\r\n\r\n", "\r\n\r\n\r\n\r\nPpL", "\r\n"}},
    {"New York before sunrise, daylight box ticked",
     {"ANNA", 7, 4, 1976, 4, 10, 20, 74, 0, 40, 43, false, false, true, "New York", "NY", "USA",
      27},
     -0x1.78869fdc587bfp+4,
     0x1.de06d47023082p+5,
     0x1.47ab253b6db1dp+7,
     0x1.39747c1055915p+6,
     {"19 Gem 15", "13 Vir 50", "06 Gem 17", "23 Gem 42", "05 Leo 12", "29 Ari 30", "10 Can 12",
      "14 Lib 59", "14 Ari 59", "29 Tau 45"},
     {"18 Gem 21", "13 Vir 50", "04 Gem 27", "22 Gem 33", "04 Leo 38", "29 Ari 19", "10 Can 05",
      "15 Lib 02", "15 Ari 02", "29 Tau 45"},
     {1976, 7, 3, 5, 29, 0},
     81680,
     {227, 26, 39, 6, 5},
     {"\r\nJupiter\r\nKetu", "\r\nAsc", "\r\nSun\r\nMercury\r\nVenus", "\r\nSaturn", "\r\nMars",
      "\r\nMoon", "\r\nRahu", "", "", "", "", ""},
     {"\r\n", "\r\n\r\n\r\n", "\r\n\r\n", "\r\n\r\n", "\r\n", "\r\n\r\n\r\nPpL", "\r\n", "\r\n",
      "\r\n\r\n\r\n", "", "\r\n\r\n", "\r\n\r\n\r\n"}},
    {"Greenwich after sunset",
     {"JOHN", 12, 31, 1999, 20, 0, 0, 0, 0, 51, 29, false, false, false, "London", "England", "UK",
      29},
     -0x1.7da9d1711a4eap+4,
     0x1.e39773e9e8598p+6,
     0x1.7ed21385d14dep+7,
     0x1.005c2c3ee62a7p+8,
     {"15 Sag 50", "11 Lib 24", "07 Sag 00", "06 Sco 55", "03 Aqu 36", "01 Ari 28", "16 Ari 22",
      "10 Can 18", "10 Cap 18", "00 Leo 53"},
     {"16 Sag 21", "11 Lib 24", "07 Sag 47", "07 Sco 31", "04 Aqu 00", "01 Ari 30", "16 Ari 21",
      "10 Can 16", "10 Cap 16", "00 Leo 53"},
     {2000, 1, 1, 8, 6, 0},
     43560,
     {121, 0, 0, 2, 10},
     {"\r\nJupiter\r\nSaturn (R) ", "", "", "\r\nRahu", "\r\nAsc", "", "\r\nMoon", "\r\nVenus",
      "\r\nSun\r\nMercury", "\r\nKetu", "\r\nMars", ""},
     {"\r\n\r\n\r\n", "\r\n\r\nPpL", "\r\n\r\n\r\n", "", "\r\n", "\r\n", "\r\n\r\n", "",
      "\r\n\r\n\r\n\r\n\r\n\r\n\r\n", "", "\r\n\r\n", "\r\n"}},
    {"Sydney, last second of February 2050",
     {"MIA", 2, 28, 2050, 23, 59, 59, 151, 12, 33, 52, true, true, true, "Sydney", "NSW",
      "Australia", 8},
     -0x1.89004743c4509p+4,
     0x1.c6b0b358d981p+7,
     0x1.723776e9f1afp+5,
     0x1.3b25e73421ff2p+8,
     {"14 Aqu 52", "16 Tau 16", "10 Aqu 47", "29 Aqu 24", "29 Sco 21", "29 Gem 45", "08 Cap 55",
      "29 Lib 23", "29 Ari 23", "17 Sco 20"},
     {"15 Aqu 08", "16 Tau 16", "11 Aqu 18", "29 Aqu 45", "29 Sco 31", "29 Gem 44", "08 Cap 57",
      "29 Lib 22", "29 Ari 22", "17 Sco 20"},
     {2050, 3, 1, 6, 42, 0},
     24121,
     {67, 0, 5, 2, 7},
     {"\r\nKetu", "\r\nMoon", "\r\nJupiter (R) ", "", "", "", "\r\nRahu", "\r\nMars\r\nAsc", "",
      "\r\nSaturn", "\r\nSun\r\nMercury\r\nVenus", ""},
     {"\r\n", "\r\n\r\n\r\n\r\n\r\nPpL", "\r\n\r\n\r\n", "\r\n\r\n", "\r\n\r\n", "\r\n\r\n",
      "\r\n\r\n", "\r\n", "\r\n", "", "\r\n", "\r\n\r\n"}},
    {"Reykjavik, first moment of 1901",
     {"EIR", 1, 1, 1901, 0, 0, 0, 21, 56, 64, 8, false, false, false, "Reykjavik", "", "Iceland",
      29},
     -0x1.67acd0e1cbadap+4,
     0x1.2d413a7a23f8cp+7,
     0x1.9d47a8bc009f6p+4,
     0x1.02459839b074fp+8,
     {"18 Sag 48", "25 Ari 49", "06 Sag 35", "19 Sco 39", "20 Leo 32", "04 Sag 50", "16 Sag 43",
      "06 Sco 25", "06 Tau 25", "00 Vir 37"},
     {"18 Sag 16", "25 Ari 49", "05 Sag 47", "19 Sco 00", "20 Leo 27", "04 Sag 43", "16 Sag 39",
      "06 Sco 27", "06 Tau 27", "00 Vir 37"},
     {1900, 12, 31, 11, 22, 0},
     45480,
     {126, 9, 59, 7, 2},
     {"\r\nMoon", "\r\nKetu", "", "", "\r\nMars", "\r\nAsc", "", "\r\nVenus\r\nRahu",
      "\r\nSun\r\nMercury\r\nJupiter\r\nSaturn", "", "", ""},
     {"\r\n\r\n\r\n", "", "\r\n\r\n\r\n", "", "\r\n\r\n", "\r\n", "\r\n\r\n\r\nPpL", "\r\n",
      "\r\n\r\n\r\n\r\n\r\n", "\r\n", "\r\n\r\n", "\r\n"}},
};

}  // namespace velquor::test
