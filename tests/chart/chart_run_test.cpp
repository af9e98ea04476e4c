// Whole charts through RunChart: the worked Greenwich chart field by field, the reference
// sunrise and elapsed time of births around the day, the mended sunrise faults as they
// reach a chart and the polar stop. What every chart keeps is checked by the domain
// sweep (tests/sweep).
#include "chart/chart_run.h"
#include "chart/birth_instant.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "chart/house_texts.h"

namespace velquor {
namespace {

constexpr int kGmt = 29;
constexpr int kCet = 20;
constexpr int kEst = 27;
constexpr int kHst = 32;  // "Hawaiian Standard Time,HST,-10.5"
constexpr int kIst = 34;
constexpr int kMoluccas = 42;  // "Moluccas Time, MT, +8.5"
constexpr int kMst = 44;

struct Place {
  int lonDeg, lonMin;
  bool east;
  int latDeg, latMin;
  bool south;
};

constexpr Place kGreenwich{0, 0, false, 51, 29, false};
constexpr Place kDelhi{77, 13, true, 28, 39, false};
constexpr Place kNewYork{74, 0, false, 40, 43, false};
constexpr Place kReykjavik{21, 56, false, 64, 8, false};
constexpr Place kTromso{18, 57, true, 69, 39, false};
constexpr Place kNullIsland{0, 0, true, 0, 0, false};

BirthData InZone(BirthData b, int zone) {
  b.zoneIndex = zone;
  return b;
}

BirthData Birth(LocalDateTime at, const Place& place, bool dst = false) {
  BirthData b;
  b.personName = "RAVI KUMAR";
  b.lonDegrees = place.lonDeg;
  b.lonMinutes = place.lonMin;
  b.isEast = place.east;
  b.latDegrees = place.latDeg;
  b.latMinutes = place.latMin;
  b.isSouth = place.south;
  b.isDst = dst;
  b.cityText = "City";
  b.stateText = "State";
  b.countryText = "Country";
  return BirthAt(b, at);
}

ChartResult Chart(BirthData birth, int zone) {
  birth.zoneIndex = zone;
  ChartOutcome outcome = RunChart(birth);
  if (!outcome.chart) throw std::runtime_error("chart stopped: " + outcome.stopMessage);
  return std::move(*outcome.chart);
}

// 1 January 2000, 12:00 GMT at Greenwich: universal time J2000.0, so the birth positions
// are the published ones of that instant. Worked by hand: sunrise 08:06, 3 h 54 min
// elapsed = 39 signs of arc from the Sun in Sagittarius (dual, + 4) = Cancer, house 4
// from the Aries ascendant; the special cells below hold the thirteen arudha marks, the
// eight special points and the PpL tag.
TEST(RunChart, GreenwichAtJ2000FieldByField) {
  const ChartResult r = Chart(Birth({2000, 1, 1, 12, 0, 0}, kGreenwich), kGmt);

  const std::array<std::string, 10> positions = {"16 Sag 31", "19 Lib 27", "08 Sag 03", "07 Sco 43",
                                                 "04 Aqu 07", "01 Ari 30", "16 Ari 21", "10 Can 16",
                                                 "10 Cap 16", "00 Ari 25"};
  EXPECT_EQ(r.PositionTexts, positions);
  EXPECT_EQ(r.ChartNames[6], "Saturn (R) ");
  EXPECT_EQ(r.AscSign, 1);

  const std::array<std::string, 12> signCells = {"\r\nJupiter\r\nSaturn (R) \r\nAsc",
                                                 "",
                                                 "",
                                                 "\r\nRahu",
                                                 "",
                                                 "",
                                                 "\r\nMoon",
                                                 "\r\nVenus",
                                                 "\r\nSun\r\nMercury",
                                                 "\r\nKetu",
                                                 "\r\nMars",
                                                 ""};
  EXPECT_EQ(r.SignCells, signCells);
  const std::array<std::string, 12> specialCells = {"\r\n\r\n\r\n\r\n",
                                                    "\r\n",
                                                    "\r\n",
                                                    "\r\nPpL",
                                                    "\r\n",
                                                    "\r\n",
                                                    "\r\n\r\n\r\n",
                                                    "",
                                                    "\r\n\r\n\r\n\r\n",
                                                    "",
                                                    "\r\n\r\n\r\n\r\n",
                                                    "\r\n\r\n"};
  EXPECT_EQ(r.SpecialCells, specialCells);

  EXPECT_EQ(r.sunDays[0].sunrise, (LocalDateTime{1999, 12, 31, 8, 6, 0}));
  EXPECT_EQ(r.sunDays[1].sunrise, (LocalDateTime{2000, 1, 1, 8, 6, 0}));
  EXPECT_EQ(r.sunDays[1].sunset, (LocalDateTime{2000, 1, 1, 16, 1, 0}));
  EXPECT_EQ(r.sunDays[2].sunset, (LocalDateTime{2000, 1, 2, 16, 2, 0}));
  EXPECT_EQ(r.BirthMoment, (LocalDateTime{2000, 1, 1, 12, 0, 0}));
  EXPECT_EQ(r.ReferenceSunrise, (LocalDateTime{2000, 1, 1, 8, 6, 0}));
  EXPECT_EQ(r.ElapsedSeconds, 14040);
  EXPECT_EQ(r.ElapsedMinutes, 234);
  EXPECT_NEAR(r.SunAtSunrise, 256.36002, 1e-5);
  EXPECT_EQ(r.SunAtSunriseText, "16 Sag 21");
  EXPECT_EQ(r.SunrisePositionTexts[2], "07 Sag 47");   // Mercury at sunrise
  EXPECT_EQ(r.SunrisePositionTexts[1], positions[1]);  // the Moon and ascendant repeat the birth
  EXPECT_EQ(r.SunrisePositionTexts[9], positions[9]);

  EXPECT_EQ(r.pranapada.Signs, 39);
  EXPECT_EQ(r.pranapada.Degrees, 0);
  EXPECT_EQ(r.pranapada.Minutes, 0);
  EXPECT_EQ(r.pranapada.PpLSign, 4);
  EXPECT_EQ(r.pranapada.House, 4);
  EXPECT_EQ(r.HouseText, HouseSignificance(4));

  EXPECT_EQ(r.details.name, "RAVI KUMAR");
  EXPECT_EQ(r.details.dob, "January/1/2000");
  EXPECT_EQ(r.details.tob, "12:0");
  EXPECT_EQ(r.details.latitude, "51 29' N");
  EXPECT_EQ(r.details.longitude, "0 0' W");
  EXPECT_EQ(r.details.city, "City");
  EXPECT_EQ(r.zone.ZoneHours, 0);
  EXPECT_NEAR(r.ascendant.AscendantSidereal, 0.42799, 1e-5);
  EXPECT_NEAR(r.moon.MoonSidereal, 199.4624, 1e-4);
}

struct CountCase {
  const char* what;
  BirthData birth;
  int zone;
  LocalDateTime reference;
  long long seconds, minutes;
  const char* sunText;
  int ascSign, pplSign, house;
};

void ExpectCount(const CountCase& c) {
  const ChartResult r = Chart(c.birth, c.zone);
  EXPECT_EQ(r.ReferenceSunrise, c.reference)
      << c.what << ": got " << FormatMinute(r.ReferenceSunrise);
  EXPECT_EQ(r.ElapsedSeconds, c.seconds) << c.what;
  EXPECT_EQ(r.ElapsedMinutes, c.minutes) << c.what;
  EXPECT_EQ(r.SunAtSunriseText, c.sunText) << c.what;
  EXPECT_EQ(r.AscSign, c.ascSign) << c.what;
  EXPECT_EQ(r.pranapada.PpLSign, c.pplSign) << c.what;
  EXPECT_EQ(r.pranapada.House, c.house) << c.what;
}

TEST(RunChart, ReferenceSunriseAndElapsedTimeAroundTheDay) {
  // Delhi, 21 June 2000: sunrise 05:24, sunset 19:22 (the day before 05:23).
  const CountCase cases[] = {
      // At sunrise: no arc, the Sun in Gemini (dual) gives Libra.
      {"at sunrise",
       Birth({2000, 6, 21, 5, 24, 0}, kDelhi),
       kIst,
       {2000, 6, 21, 5, 24, 0},
       0,
       0,
       "06 Gem 04",
       3,
       7,
       5},
      // 02:00: the count runs from the previous morning, 20 h 37 min.
      {"before sunrise",
       Birth({2000, 6, 21, 2, 0, 0}, kDelhi),
       kIst,
       {2000, 6, 20, 5, 23, 0},
       74220,
       1237,
       "05 Gem 06",
       1,
       9,
       9},
      // 21:00:30 to 05:24 next morning: 8 h 23 min 30 s still to go; 83.92 signs, the
      // degree carry over 7 Gem makes 84, + 2 + 4 = 90 = Libra; house 10 from Capricorn.
      {"after sunset",
       Birth({2000, 6, 21, 21, 0, 30}, kDelhi),
       kIst,
       {2000, 6, 22, 5, 24, 0},
       30210,
       504,
       "07 Gem 01",
       10,
       7,
       10},
      // Greenwich: 1 January before sunrise counts from 31 December (209 signs + 12 =
      // Virgo); 31 December after sunset from 1 January (121 signs + 12 = Taurus).
      {"new year's morning",
       Birth({2000, 1, 1, 5, 0, 0}, kGreenwich),
       kGmt,
       {1999, 12, 31, 8, 6, 0},
       75240,
       1254,
       "15 Sag 20",
       8,
       6,
       11},
      {"new year's eve",
       Birth({1999, 12, 31, 20, 0, 0}, kGreenwich),
       kGmt,
       {2000, 1, 1, 8, 6, 0},
       43560,
       726,
       "16 Sag 21",
       5,
       2,
       10},
  };
  for (const auto& c : cases) ExpectCount(c);
}

TEST(RunChart, SecondsMoveOnlyTheElapsedSeconds) {
  const ChartResult a = Chart(Birth({2000, 1, 1, 12, 0, 0}, kGreenwich), kGmt);
  const ChartResult b = Chart(Birth({2000, 1, 1, 12, 0, 59}, kGreenwich), kGmt);
  EXPECT_EQ(b.ElapsedSeconds, a.ElapsedSeconds + 59);
  EXPECT_EQ(b.ElapsedMinutes, a.ElapsedMinutes);
  EXPECT_EQ(b.details.tob, a.details.tob);
  EXPECT_EQ(b.PositionTexts, a.PositionTexts);
}

TEST(RunChart, MendedSunriseFaultsInWholeCharts) {
  const CountCase cases[] = {
      // A ticked daylight box applies in January too: sunrise 08:19 on the daylight clock,
      // so 08:00 is still the night before.
      {"daylight hour as given",
       Birth({2000, 1, 15, 8, 0, 0}, kNewYork, true),
       kEst,
       {2000, 1, 14, 8, 19, 0},
       85260,
       1421,
       "29 Sag 47",
       9,
       10,
       2},
      // Sunset 19:14 (not 07:14): 18:00 is a day birth.
      {"right ascension quadrant",
       Birth({2000, 6, 21, 18, 0, 0}, {11, 24, true, 28, 0, false}),
       kCet,
       {2000, 6, 21, 5, 18, 0},
       45720,
       762,
       "06 Gem 14",
       8,
       2,
       7},
      // Reykjavik's sunset falls at 00:04 the next day: noon is a day birth.
      {"sunset after midnight",
       Birth({2000, 6, 21, 12, 0, 0}, kReykjavik),
       kGmt,
       {2000, 6, 21, 2, 55, 0},
       32700,
       545,
       "06 Gem 11",
       5,
       2,
       10},
      // Null Island on Hawaiian time: sunset 07:41, the next sunrise 19:34 the same
      // evening; 21:00 lies in the next day's daylight and counts forward from it.
      {"clock far from its sun",
       Birth({2000, 3, 21, 21, 0, 0}, kNullIsland),
       kHst,
       {2000, 3, 21, 19, 34, 0},
       5160,
       86,
       "08 Pis 04",
       1,
       6,
       6},
      // A sunrise at 24 h on the shortened constants is midnight of the next day.
      {"hour of 24",
       Birth({2000, 3, 21, 0, 0, 0}, {13, 59, false, 0, 0, false}),
       kMst,
       {2000, 3, 21, 0, 0, 0},
       0,
       0,
       "07 Pis 07",
       12,
       4,
       5},
      // Found by the chart-run fuzz target. On +8.5 hours at 115° 45' W mean noon is 04:13,
      // so the sunrise of 30 September comes at 23:45 on the 29th and that of 1 October at
      // 00:07: a birth at 00:00:06 counts 24 h 15 min from a sunrise two dates back.
      {"clock half a day from its sun",
       Birth({1904, 10, 1, 0, 0, 6}, {115, 45, false, 85, 26, false}),
       kMoluccas,
       {1904, 9, 29, 23, 45, 0},
       87306,
       1455,
       "14 Vir 50",
       6,
       1,
       8},
  };
  for (const auto& c : cases) ExpectCount(c);

  const ChartResult reykjavik = Chart(Birth({2000, 6, 21, 12, 0, 0}, kReykjavik), kGmt);
  EXPECT_EQ(reykjavik.sunDays[1].sunset, (LocalDateTime{2000, 6, 22, 0, 4, 0}));
}

TEST(RunChart, StopsWhereANeededSunriseOrSunsetDoesNotHappen) {
  struct Case {
    const char* what;
    BirthData birth;
    const char* message;
  };
  const Case cases[] = {
      {"polar night", Birth({2000, 12, 21, 12, 0, 0}, kTromso),
       "There is no sunrise at the birth place on 21 December 2000: the Sun stays below the "
       "horizon all day. The "
       "Pranapada Lagna is counted from sunrise, so no chart can be made for this birth."},
      {"midnight sun", Birth({2000, 6, 21, 12, 0, 0}, kTromso),
       "There is no sunrise at the birth place on 21 June 2000: the Sun stays above the horizon "
       "all day. The "
       "Pranapada Lagna is counted from sunrise, so no chart can be made for this birth."},
      {"first day of the midnight sun: a sunrise but no sunset",
       Birth({2000, 5, 18, 12, 0, 0}, kTromso),
       "There is no sunset at the birth place on 18 May 2000: the Sun stays above the horizon all "
       "day. The "
       "Pranapada Lagna is counted from sunrise, so no chart can be made for this birth."},
      {"evening before the polar night", Birth({2000, 11, 27, 20, 0, 0}, kTromso),
       "There is no sunrise at the birth place on 28 November 2000: the Sun stays below the "
       "horizon all day. The "
       "Pranapada Lagna is counted from sunrise, so no chart can be made for this birth."},
      {"morning after the polar night", Birth({2000, 1, 17, 8, 0, 0}, kTromso),
       "There is no sunrise at the birth place on 16 January 2000: the Sun stays below the horizon "
       "all day. The "
       "Pranapada Lagna is counted from sunrise, so no chart can be made for this birth."},
  };
  for (const auto& c : cases) {
    const ChartOutcome outcome = RunChart(InZone(c.birth, kCet));
    EXPECT_FALSE(outcome.chart.has_value()) << c.what;
    EXPECT_EQ(outcome.stopMessage, c.message) << c.what;
  }
}

TEST(RunChart, AMissingEventTheChartDoesNotNeedIsEmpty) {
  // The first sunrise after the polar night is on 17 January; a noon birth needs only
  // that day's pair.
  const ChartResult r = Chart(Birth({2000, 1, 17, 12, 0, 0}, kTromso), kCet);
  EXPECT_FALSE(r.sunDays[0].sunrise.has_value());
  EXPECT_EQ(r.sunDays[0].sunset, (LocalDateTime{2000, 1, 16, 12, 16, 0}));
  EXPECT_EQ(r.ReferenceSunrise, (LocalDateTime{2000, 1, 17, 11, 22, 0}));
  EXPECT_EQ(r.ElapsedSeconds, 38 * 60);
}

TEST(RunChart, RefusesDataTheFormCannotProduce) {
  const BirthData good = Birth({2000, 1, 1, 12, 0, 0}, kGreenwich);
  EXPECT_THROW(RunChart(InZone(good, 71)), std::invalid_argument);
  EXPECT_THROW(RunChart(InZone(good, -1)), std::invalid_argument);
  struct Case {
    const char* what;
    void (*edit)(BirthData&);
  };
  const Case cases[] = {
      {"30 February",
       [](BirthData& b) {
         b.monthNumber = 2;
         b.dayNumber = 30;
       }},
      {"hour 24", [](BirthData& b) { b.hourNumber = 24; }},
      {"second 60", [](BirthData& b) { b.secondNumber = 60; }},
      {"longitude 180", [](BirthData& b) { b.lonDegrees = 180; }},
      {"latitude 90", [](BirthData& b) { b.latDegrees = 90; }},
      {"year 1900", [](BirthData& b) { b.yearNumber = 1900; }},
  };
  for (const auto& c : cases) {
    BirthData b = good;
    c.edit(b);
    EXPECT_THROW(RunChart(InZone(b, kGmt)), std::invalid_argument) << c.what;
  }
}

}  // namespace
}  // namespace velquor
