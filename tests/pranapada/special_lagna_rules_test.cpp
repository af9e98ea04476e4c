// The rules of the special lagnas against values worked by hand from their definitions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>
#include <string>

#include "astro/signs.h"
#include "pranapada/special_lagna_rules.h"

namespace velquor {
namespace {

int Sign(std::string_view abbreviation) { return SignIndexOfAbbreviation(abbreviation); }

// The Indu lagna of every ascendant sign (rows) and Moon sign (columns), Aries first,
// worked from the kalas of the two ninth lords.
constexpr std::array<const char*, 12> kInduTable = {
    "Sco Pis Ari Aqu Sco Gem Pis Sag Pis Gem Sco Gem",  // Ari: 9th lord Jupiter, 10
    "Aqu Gem Can Tau Aqu Vir Gem Pis Gem Vir Aqu Vir",  // Tau: Saturn, 1
    "Aqu Gem Can Tau Aqu Vir Gem Pis Gem Vir Aqu Vir",  // Gem: Saturn, 1
    "Sco Pis Ari Aqu Sco Gem Pis Sag Pis Gem Sco Gem",  // Can: Jupiter, 10
    "Can Sco Sag Lib Can Aqu Sco Leo Sco Aqu Can Aqu",  // Leo: Mars, 6
    "Cap Tau Gem Ari Cap Leo Tau Aqu Tau Leo Cap Leo",  // Vir: Venus, 12
    "Vir Cap Aqu Sag Vir Ari Cap Lib Cap Ari Vir Ari",  // Lib: Mercury, 8
    "Tau Vir Lib Leo Tau Sag Vir Gem Vir Sag Tau Sag",  // Sco: Moon, 16
    "Can Sco Sag Lib Can Aqu Sco Leo Sco Aqu Can Aqu",  // Sag: Sun, 30
    "Vir Cap Aqu Sag Vir Ari Cap Lib Cap Ari Vir Ari",  // Cap: Mercury, 8
    "Cap Tau Gem Ari Cap Leo Tau Aqu Tau Leo Cap Leo",  // Aqu: Venus, 12
    "Can Sco Sag Lib Can Aqu Sco Leo Sco Aqu Can Aqu",  // Pis: Mars, 6
};

TEST(InduLagna, AllAscendantAndMoonSigns) {
  for (int asc = 0; asc < 12; ++asc) {
    std::istringstream row(kInduTable[static_cast<std::size_t>(asc)]);
    for (int moon = 0; moon < 12; ++moon) {
      std::string expected;
      row >> expected;
      EXPECT_EQ(SignAbbreviation(InduSign(asc, moon)), expected)
          << "ascendant " << SignAbbreviation(asc) << ", Moon " << SignAbbreviation(moon);
    }
  }
}

TEST(InduLagna, Kalas) {
  // Aries .. Pisces: Mars, Venus, Mercury, Moon, Sun, Mercury, Venus, Mars, Jupiter,
  // Saturn, Saturn, Jupiter.
  const std::array<int, 12> kalas = {6, 12, 8, 16, 30, 8, 12, 6, 10, 1, 1, 10};
  for (int sign = 0; sign < 12; ++sign) {
    EXPECT_EQ(LordKala(sign), kalas[static_cast<std::size_t>(sign)]) << sign;
    EXPECT_EQ(LordKala(sign + 12), kalas[static_cast<std::size_t>(sign)]) << sign;
  }
}

TEST(VarnadaLagna, WholeSigns) {
  struct Case {
    const char *ascendant, *hora, *varnada;
  };
  const Case cases[] = {
      {"Can", "Vir", "Sag"},  // both even: 9 + 7 = 16, 4 back from Pisces
      {"Ari", "Leo", "Vir"},  // both odd: 1 + 5 = 6 from Aries
      {"Ari", "Tau", "Cap"},  // odd and even: 11 - 1 = 10 from Aries
      {"Tau", "Gem", "Leo"},  // even and odd: 11 - 3 = 8 back from Pisces
      {"Gem", "Gem", "Vir"},  // 3 + 3 = 6
      {"Ari", "Ari", "Tau"},  // 1 + 1 = 2
      {"Leo", "Leo", "Cap"},  // 5 + 5 = 10
      {"Sag", "Sag", "Vir"},  // 9 + 9 = 18, 6 from Aries
      {"Ari", "Pis", "Pis"},  // 1 - 1 = 0, read as 12 from Aries
      {"Pis", "Ari", "Ari"},  // the same from Pisces: 12 back from Pisces
      {"Pis", "Pis", "Aqu"},  // 1 + 1 = 2 back from Pisces
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SignAbbreviation(VarnadaSignBySigns(Sign(c.ascendant), Sign(c.hora))), c.varnada)
        << c.ascendant << " " << c.hora;
  }
}

TEST(VarnadaLagna, Longitudes) {
  // 10° Aries and 20° Leo, both odd: 10 + 140 = 150.
  EXPECT_NEAR(VarnadaByLongitudes(10.0, 140.0), 150.0, 1e-9);
  // 15° Taurus (even: 360 - 45 = 315) and 10° Gemini (odd: 70): 315 - 70 = 245, counted
  // back from the end of Pisces: 115, 25° Cancer.
  EXPECT_NEAR(VarnadaByLongitudes(45.0, 70.0), 115.0, 1e-9);
  // 5° Cancer (265) and 12° Virgo (198), both even: 463, less a circle 103; back: 257.
  EXPECT_NEAR(VarnadaByLongitudes(95.0, 162.0), 257.0, 1e-9);
  // Odd ascendant, even Hora: 20° Aries (20) and 10° Pisces (360 - 340 = 20): 0.
  EXPECT_NEAR(VarnadaByLongitudes(20.0, 340.0), 0.0, 1e-9);
}

// Mid-sign points of opposite parity: each degree count is its whole-sign count less half
// a sign, so their difference is the whole-sign difference in whole signs, and the degree
// answer lies on a boundary of the whole-sign answer.
TEST(VarnadaLagna, MethodsAgreeOnSignsForMidSignPointsOfOppositeParity) {
  for (int asc = 0; asc < 12; ++asc) {
    for (int hora = 0; hora < 12; ++hora) {
      if (asc % 2 == hora % 2) continue;
      const double byDegrees = VarnadaByLongitudes(30.0 * asc + 15.0, 30.0 * hora + 15.0);
      const int bySigns = VarnadaSignBySigns(asc, hora);
      const double start = 30.0 * bySigns;
      const double end = FoldDegrees(start + 30.0);
      EXPECT_TRUE(std::fabs(byDegrees - start) < 1e-9 || std::fabs(byDegrees - end) < 1e-9 ||
                  std::fabs(byDegrees - 360.0) < 1e-9)
          << SignAbbreviation(asc) << " " << SignAbbreviation(hora) << ": " << byDegrees;
    }
  }
}

TEST(SpecialLagnaRules, BhriguBinduKundaSree) {
  EXPECT_NEAR(BhriguBindu(350.0, 10.0), 0.0, 1e-12);   // the arc crosses 0° Aries
  EXPECT_NEAR(BhriguBindu(10.0, 350.0), 180.0, 1e-12); // forward from Rahu, the long way
  EXPECT_NEAR(BhriguBindu(100.0, 160.0), 130.0, 1e-12);
  EXPECT_NEAR(BhriguBindu(200.0, 200.0), 200.0, 1e-12);
  EXPECT_NEAR(KundaLagna(10.0), 90.0, 1e-9);
  EXPECT_NEAR(KundaLagna(359.0), 279.0, 1e-9);
  EXPECT_NEAR(KundaLagna(123.456), std::fmod(123.456 * 81.0, 360.0), 1e-9);
  EXPECT_NEAR(SreeLagna(0.0, 20.0), 180.0, 1e-9);        // half of the second nakshatra
  EXPECT_NEAR(SreeLagna(100.0, 40.0), 100.0, 1e-9);      // the fourth nakshatra's start
  EXPECT_NEAR(SreeLagna(350.0, 3.0 + 1.0 / 3.0), 80.0, 1e-9);  // a quarter: 90° on, folded
}

TEST(SpecialLagnaRules, TimeLagnaRates) {
  EXPECT_NEAR(TimeLagna(100.0, 60.0, kBhavaRate), 100.25, 1e-12);
  EXPECT_NEAR(TimeLagna(100.0, 60.0, kHoraRate), 100.5, 1e-12);
  EXPECT_NEAR(TimeLagna(100.0, 60.0, kGhatiRate), 101.25, 1e-12);
  EXPECT_NEAR(TimeLagna(350.0, 30.0 * 60.0, kGhatiRate), 27.5, 1e-9);  // 37.5° on, folded
  EXPECT_NEAR(TimeLagna(0.0, 1.0, kHoraRate), 0.5 / 60.0, 1e-15);      // seconds kept
}

TEST(SpecialLagnaRules, SaturnsEighthOfEveryDayAndNight) {
  // 1-based, Sunday .. Saturday.
  const std::array<int, 7> byDay = {7, 6, 5, 4, 3, 2, 1};
  const std::array<int, 7> byNight = {3, 2, 1, 7, 6, 5, 4};
  for (int weekday = 0; weekday < 7; ++weekday) {
    EXPECT_EQ(SaturnPart(weekday, false) + 1, byDay[static_cast<std::size_t>(weekday)]);
    EXPECT_EQ(SaturnPart(weekday, true) + 1, byNight[static_cast<std::size_t>(weekday)]);
  }
  EXPECT_EQ(PartFraction(PartMoment::Start), 0.0);
  EXPECT_EQ(PartFraction(PartMoment::Middle), 0.5);
  EXPECT_EQ(PartFraction(PartMoment::End), 1.0);
}

}  // namespace
}  // namespace velquor
