// The sixteen vargas: each rule against a table written out by hand for every sign, at
// every boundary of its parts and just below it; the fast routine against exact integer
// arithmetic on arc seconds over the whole zodiac; and charts worked by hand.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "astro/signs.h"
#include "astro/vargas.h"

namespace velquor {
namespace {

// Sign indices of a text of blank-separated abbreviations ("Ari Leo Sag").
std::vector<int> Signs(const std::string& text) {
  std::istringstream words(text);
  std::vector<int> signs;
  std::string word;
  while (words >> word) {
    const int index = SignIndexOfAbbreviation(word);
    EXPECT_GE(index, 0) << word;
    signs.push_back(index);
  }
  return signs;
}

// The first sign of each sign's series (Aries .. Pisces) in the vargas that count on from
// it by one sign a part, as the rules name them.
struct SeriesTable {
  Varga varga;
  const char* starts;
};

const SeriesTable kSeries[] = {
    {Varga::D1, "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {Varga::D7, "Ari Sco Gem Cap Leo Pis Lib Tau Sag Can Aqu Vir"},
    {Varga::D9, "Ari Cap Lib Can Ari Cap Lib Can Ari Cap Lib Can"},
    {Varga::D10, "Ari Cap Gem Pis Leo Tau Lib Can Sag Vir Aqu Sco"},
    {Varga::D12, "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
    {Varga::D16, "Ari Leo Sag Ari Leo Sag Ari Leo Sag Ari Leo Sag"},
    {Varga::D20, "Ari Sag Leo Ari Sag Leo Ari Sag Leo Ari Sag Leo"},
    {Varga::D24, "Leo Can Leo Can Leo Can Leo Can Leo Can Leo Can"},
    {Varga::D27, "Ari Can Lib Cap Ari Can Lib Cap Ari Can Lib Cap"},
    {Varga::D40, "Ari Lib Ari Lib Ari Lib Ari Lib Ari Lib Ari Lib"},
    {Varga::D45, "Ari Leo Sag Ari Leo Sag Ari Leo Sag Ari Leo Sag"},
    {Varga::D60, "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis"},
};

// Every part of every sign, written out: one line a sign, its parts in order.
struct PartTable {
  Varga varga;
  std::array<const char*, 12> parts;
};

const PartTable kParts[] = {
    {Varga::D2,
     {"Leo Can", "Can Leo", "Leo Can", "Can Leo", "Leo Can", "Can Leo", "Leo Can", "Can Leo",
      "Leo Can", "Can Leo", "Leo Can", "Can Leo"}},
    {Varga::D3,
     {"Ari Leo Sag", "Tau Vir Cap", "Gem Lib Aqu", "Can Sco Pis", "Leo Sag Ari", "Vir Cap Tau",
      "Lib Aqu Gem", "Sco Pis Can", "Sag Ari Leo", "Cap Tau Vir", "Aqu Gem Lib", "Pis Can Sco"}},
    {Varga::D4,
     {"Ari Can Lib Cap", "Tau Leo Sco Aqu", "Gem Vir Sag Pis", "Can Lib Cap Ari",
      "Leo Sco Aqu Tau", "Vir Sag Pis Gem", "Lib Cap Ari Can", "Sco Aqu Tau Leo",
      "Sag Pis Gem Vir", "Cap Ari Can Lib", "Aqu Tau Leo Sco", "Pis Gem Vir Sag"}},
};

// The boundary that opens part `part` of sign `sign`: the nearest double of the exact
// rational 30 (sign N + part) / N.
double Boundary(int sign, int part, int n) { return 30.0 * (sign * n + part) / n; }

void ExpectPart(Varga varga, int sign, int part, int expected) {
  const int n = VargaDivisions(varga);
  const double start = Boundary(sign, part, n);
  const double end = Boundary(sign, part + 1, n);
  const std::string where = std::string(VargaCode(varga)) + " sign " + std::to_string(sign) +
                            " part " + std::to_string(part);
  EXPECT_EQ(VargaSign(start, varga), expected) << where << " at its start";
  EXPECT_EQ(VargaSign((start + end) / 2, varga), expected) << where << " in its middle";
  EXPECT_EQ(VargaSign(end - 1e-7, varga), expected) << where << " just before its end";
  EXPECT_EQ(VargaPlaceOf(start, varga).degree, 0.0) << where;
  EXPECT_NEAR(VargaPlaceOf((start + end) / 2, varga).degree, 15.0, 1e-9) << where;
}

TEST(Vargas, SeriesRulesAtEveryBoundary) {
  for (const SeriesTable& table : kSeries) {
    const std::vector<int> starts = Signs(table.starts);
    ASSERT_EQ(starts.size(), 12u);
    const int n = VargaDivisions(table.varga);
    for (int sign = 0; sign < 12; ++sign) {
      for (int part = 0; part < n; ++part) {
        ExpectPart(table.varga, sign, part, (starts[static_cast<std::size_t>(sign)] + part) % 12);
      }
    }
  }
}

TEST(Vargas, WrittenOutPartsAtEveryBoundary) {
  for (const PartTable& table : kParts) {
    for (int sign = 0; sign < 12; ++sign) {
      const std::vector<int> parts = Signs(table.parts[static_cast<std::size_t>(sign)]);
      ASSERT_EQ(static_cast<int>(parts.size()), VargaDivisions(table.varga));
      for (int part = 0; part < static_cast<int>(parts.size()); ++part) {
        ExpectPart(table.varga, sign, part, parts[static_cast<std::size_t>(part)]);
      }
    }
  }
}

TEST(Vargas, TrimsamsaUnequalParts) {
  struct Part {
    double from, to;
    const char* sign;
  };
  const Part odd[] = {{0, 5, "Ari"}, {5, 10, "Aqu"}, {10, 18, "Sag"}, {18, 25, "Gem"},
                      {25, 30, "Lib"}};
  const Part even[] = {{0, 5, "Tau"}, {5, 12, "Vir"}, {12, 20, "Pis"}, {20, 25, "Cap"},
                       {25, 30, "Sco"}};
  for (int sign = 0; sign < 12; ++sign) {
    for (const Part& part : sign % 2 == 0 ? odd : even) {
      const int expected = SignIndexOfAbbreviation(part.sign);
      const double base = 30.0 * sign;
      EXPECT_EQ(VargaSign(base + part.from, Varga::D30), expected) << sign << " " << part.from;
      EXPECT_EQ(VargaSign(base + part.to - 1e-7, Varga::D30), expected) << sign << " " << part.to;
      EXPECT_EQ(VargaSign(base + (part.from + part.to) / 2, Varga::D30), expected);
      EXPECT_FALSE(VargaPlaceOf(base + part.from, Varga::D30).hasDegree);
    }
  }
  // Exactly 5° is the second part; a hair below it the first.
  EXPECT_EQ(VargaSign(5.0, Varga::D30), SignIndexOfAbbreviation("Aqu"));
  EXPECT_EQ(VargaSign(35.0, Varga::D30), SignIndexOfAbbreviation("Vir"));
  EXPECT_EQ(VargaSign(4.9999999, Varga::D30), SignIndexOfAbbreviation("Ari"));
}

// The same rules in integer arithmetic on whole arc seconds, where every boundary that is
// a whole arc second is exact: the obvious slow way.
int SlowVargaSign(std::int64_t arcSeconds, Varga varga) {
  constexpr std::int64_t kSign = 30 * 3600;
  const int s = static_cast<int>(arcSeconds / kSign);
  const std::int64_t d = arcSeconds % kSign;
  const bool odd = s % 2 == 0;
  if (varga == Varga::D30) {
    const int degrees = static_cast<int>(d / 3600);
    const char* sign = odd ? (degrees < 5    ? "Ari"
                              : degrees < 10 ? "Aqu"
                              : degrees < 18 ? "Sag"
                              : degrees < 25 ? "Gem"
                                             : "Lib")
                           : (degrees < 5    ? "Tau"
                              : degrees < 12 ? "Vir"
                              : degrees < 20 ? "Pis"
                              : degrees < 25 ? "Cap"
                                             : "Sco");
    return SignIndexOfAbbreviation(sign);
  }
  const int n = VargaDivisions(varga);
  const int l = static_cast<int>(d * n / kSign);
  for (const SeriesTable& table : kSeries) {
    if (table.varga == varga) return (Signs(table.starts)[static_cast<std::size_t>(s)] + l) % 12;
  }
  for (const PartTable& table : kParts) {
    if (table.varga == varga) {
      return Signs(table.parts[static_cast<std::size_t>(s)])[static_cast<std::size_t>(l)];
    }
  }
  ADD_FAILURE() << "no table for " << VargaCode(varga);
  return -1;
}

TEST(Vargas, AgreeWithArcSecondArithmeticOverTheZodiac) {
  for (const Varga varga : kVargas) {
    const int n = VargaDivisions(varga);
    int mismatches = 0;
    int lastSlow = -1;
    std::int64_t lastPart = -1;
    for (std::int64_t second = 0; second < 360 * 3600; ++second) {
      const double longitude = static_cast<double>(second) / 3600.0;
      const VargaPlace place = VargaPlaceOf(longitude, varga);
      // The slow sign changes only where a part starts.
      const std::int64_t part = varga == Varga::D30 ? second / 3600 : second * n / (30 * 3600);
      if (part != lastPart) {
        lastPart = part;
        lastSlow = SlowVargaSign(second, varga);
      }
      if (place.sign != lastSlow && ++mismatches < 5) {
        ADD_FAILURE() << VargaCode(varga) << " at " << second << "\": " << place.sign
                      << " against " << lastSlow;
      }
      if (varga != Varga::D30) {
        const std::int64_t degreeSeconds = (second % (30 * 3600)) * n % (30 * 3600);
        if (std::fabs(place.degree - static_cast<double>(degreeSeconds) / 3600.0) > 1e-8 &&
            ++mismatches < 5) {
          ADD_FAILURE() << VargaCode(varga) << " degree at " << second << "\"";
        }
      }
    }
    EXPECT_EQ(mismatches, 0) << VargaCode(varga);
  }
}

// All sixteen at once against one at a time, over the zodiac in steps of a prime number of
// milli-arc-seconds and at every boundary of every varga.
TEST(Vargas, AllAtOnceAgreeWithOneAtATime) {
  std::vector<double> longitudes;
  for (std::int64_t mas = 0; mas < 360LL * 3600 * 1000; mas += 7919) {
    longitudes.push_back(static_cast<double>(mas) / 3.6e6);
  }
  for (const Varga varga : kVargas) {
    const int n = VargaDivisions(varga);
    for (int k = 0; k <= 12 * n; ++k) {
      longitudes.push_back(30.0 * k / n);
      longitudes.push_back(30.0 * k / n - 1e-7);
    }
  }
  for (const double longitude : {-0.25, 360.0, 365.5, 5.0, 12.0, 18.0, 20.0, 25.0}) {
    longitudes.push_back(longitude);
  }
  for (const double longitude : longitudes) {
    const auto all = AllVargaPlacesOf(longitude);
    for (std::size_t i = 0; i < kVargaCount; ++i) {
      const VargaPlace one = VargaPlaceOf(longitude, kVargas[i]);
      ASSERT_EQ(all[i].sign, one.sign) << VargaCode(kVargas[i]) << " at " << longitude;
      ASSERT_NEAR(all[i].degree, one.degree, 1e-9) << VargaCode(kVargas[i]) << " at " << longitude;
      ASSERT_EQ(all[i].hasDegree, one.hasDegree);
    }
  }
}

TEST(Vargas, FoldsAnyLongitude) {
  for (const Varga varga : kVargas) {
    EXPECT_EQ(VargaSign(360.0, varga), VargaSign(0.0, varga)) << VargaCode(varga);
    EXPECT_EQ(VargaSign(-0.5, varga), VargaSign(359.5, varga)) << VargaCode(varga);
    EXPECT_EQ(VargaSign(725.25, varga), VargaSign(5.25, varga)) << VargaCode(varga);
    // A hair below 360 within the tolerance is 0° Aries.
    EXPECT_EQ(VargaSign(360.0 - 1e-12, varga), VargaSign(0.0, varga)) << VargaCode(varga);
  }
}

TEST(Vargas, CodesAndNames) {
  for (const Varga varga : kVargas) {
    EXPECT_EQ(VargaNamed(VargaCode(varga)), varga);
    std::string code = "D";
    code += std::to_string(VargaDivisions(varga));
    EXPECT_EQ(VargaCode(varga), code);
  }
  EXPECT_EQ(VargaNamed("d9"), Varga::D9);
  EXPECT_EQ(VargaTitle(Varga::D9), "Navamsa");
  EXPECT_EQ(VargaTitle(Varga::D60), "Shashtiamsa");
  for (const char* bad : {"", "D", "D5", "D90", "9", "N9", "D09", "D9 "}) {
    EXPECT_FALSE(VargaNamed(bad).has_value()) << bad;
  }
}

// A chart worked by hand from the rules: the Delhi birth of 15 August 1990 (the pinned
// classic chart), Sun .. Ketu and the ascendant, to the arc minute.
TEST(Vargas, NavamsaAndDasamsaWorkedByHand) {
  struct Body {
    const char* position;  // degrees, sign, minutes
    const char* d9;
    const char* d10;
  };
  const Body bodies[] = {
      {"28 Can 21", "Pis", "Sag"}, {"16 Tau 31", "Tau", "Gem"}, {"25 Leo 26", "Sco", "Ari"},
      {"07 Can 46", "Vir", "Tau"}, {"27 Ari 31", "Sag", "Cap"}, {"05 Can 43", "Leo", "Ari"},
      {"26 Sag 10", "Sco", "Leo"}, {"11 Cap 50", "Ari", "Sag"}, {"11 Can 50", "Lib", "Gem"},
      {"05 Leo 58", "Tau", "Vir"},
  };
  for (const Body& body : bodies) {
    const std::string text = body.position;
    const double longitude = 30.0 * SignIndexOfAbbreviation(text.substr(3, 3)) +
                             std::stoi(text.substr(0, 2)) + std::stoi(text.substr(7, 2)) / 60.0;
    EXPECT_EQ(SignAbbreviation(VargaSign(longitude, Varga::D9)), body.d9) << text;
    EXPECT_EQ(SignAbbreviation(VargaSign(longitude, Varga::D10)), body.d10) << text;
  }
}

}  // namespace
}  // namespace velquor
