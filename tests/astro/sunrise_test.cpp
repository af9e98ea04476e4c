#include "astro/sunrise.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"

namespace velquor {
namespace {

double Degrees(int whole, int minutes) { return whole + minutes / 60.0; }

constexpr double kIst = 5.5;  // "Indian Time, IST, +5.3"

struct RiseSetCase {
  const char* what;
  int month, day, year;
  SunPlace place;
  LocalDateTime sunrise, sunset;
};

void ExpectRiseSet(const RiseSetCase& c) {
  const SunRiseSet got = ComputeSunRiseSet(c.month, c.day, c.year, c.place);
  ASSERT_TRUE(got.sunrise.occurs()) << c.what;
  ASSERT_TRUE(got.sunset.occurs()) << c.what;
  EXPECT_EQ(got.sunrise.time, c.sunrise) << c.what << ": want " << FormatMinute(c.sunrise)
                                         << " got " << FormatMinute(got.sunrise.time);
  EXPECT_EQ(got.sunset.time, c.sunset)
      << c.what << ": want " << FormatMinute(c.sunset) << " got " << FormatMinute(got.sunset.time);
}

TEST(SunRiseSet, ReferenceDays) {
  const SunPlace delhi{Degrees(28, 39), Degrees(77, 13), kIst};
  const RiseSetCase cases[] = {
      {"equator, Greenwich, equinox",
       3,
       21,
       2000,
       {0, 0, 0},
       {2000, 3, 21, 6, 4},
       {2000, 3, 21, 18, 11}},
      {"Delhi, June solstice", 6, 21, 2000, delhi, {2000, 6, 21, 5, 24}, {2000, 6, 21, 19, 22}},
      {"Delhi, December solstice",
       12,
       21,
       2000,
       delhi,
       {2000, 12, 21, 7, 9},
       {2000, 12, 21, 17, 29}},
      {"New York, EST, January",
       1,
       15,
       2000,
       {Degrees(40, 43), -74.0, -5.0},
       {2000, 1, 15, 7, 19},
       {2000, 1, 15, 16, 52}},
  };
  for (const auto& c : cases) ExpectRiseSet(c);
}

TEST(SunRiseSet, DaylightHourMovesBothEventsOnAnyDate) {
  // The ticked hour applies as given, in January as in July.
  for (const int month : {1, 7}) {
    const SunPlace standard{Degrees(40, 43), -74.0, -5.0};
    const SunPlace daylight{Degrees(40, 43), -74.0, -4.0};
    const SunRiseSet a = ComputeSunRiseSet(month, 15, 2000, standard);
    const SunRiseSet b = ComputeSunRiseSet(month, 15, 2000, daylight);
    EXPECT_EQ(SecondsBetween(a.sunrise.time, b.sunrise.time), 3600) << month;
    EXPECT_EQ(SecondsBetween(a.sunset.time, b.sunset.time), 3600) << month;
  }
}

TEST(SunRiseSet, RightAscensionFollowsTheQuadrantOfTheLongitude) {
  // The Sun's true longitude at this sunset lies between pi/2 and the shortened bound
  // 1.5708; the shortened comparison would put the sunset at 07:14.
  ExpectRiseSet({"28N 11E24, CET, June solstice",
                 6,
                 21,
                 2000,
                 {28.0, Degrees(11, 24), 1.0},
                 {2000, 6, 21, 5, 18},
                 {2000, 6, 21, 19, 14}});
}

TEST(SunRiseSet, RoundedMinuteOfSixtyCarriesIntoTheHour) {
  // Sunrise at 5 h 59.84 min rounds up to the full hour.
  ExpectRiseSet({"equator, Greenwich, 2 January",
                 1,
                 2,
                 2000,
                 {0, 0, 0},
                 {2000, 1, 2, 6, 0},
                 {2000, 1, 2, 18, 7}});
}

TEST(SunRiseSet, HourOfTwentyFourCarriesIntoTheNextDay) {
  // The local time lands in the sliver below the shortened 2*pi that still reads 24 h:
  // sunrise is midnight, on the day the local clock shows it.
  const SunRiseSet got = ComputeSunRiseSet(3, 21, 2000, {0.0, -Degrees(13, 59), -7.0});
  ASSERT_TRUE(got.sunrise.occurs());
  EXPECT_EQ(got.sunrise.time, (LocalDateTime{2000, 3, 21, 0, 0, 0}))
      << FormatMinute(got.sunrise.time);
  EXPECT_EQ(got.sunset.time, (LocalDateTime{2000, 3, 21, 12, 7, 0}))
      << FormatMinute(got.sunset.time);
}

TEST(SunRiseSet, EventsKeepTheDateOfTheLocalClock) {
  const RiseSetCase cases[] = {
      // Reykjavik in June: the sunset falls just after midnight.
      {"Reykjavik, GMT",
       6,
       21,
       2000,
       {Degrees(64, 8), -Degrees(21, 56), 0.0},
       {2000, 6, 21, 2, 55},
       {2000, 6, 22, 0, 4}},
      // A clock ten hours ahead of its sun: sunset the next morning.
      {"Greenwich on a +10 clock",
       3,
       21,
       2000,
       {0, 0, 10.0},
       {2000, 3, 21, 16, 4},
       {2000, 3, 22, 4, 11}},
      // A clock ten hours behind its sun: sunrise the evening before.
      {"Greenwich on a -10 clock",
       3,
       21,
       2000,
       {0, 0, -10.0},
       {2000, 3, 20, 20, 4},
       {2000, 3, 21, 8, 11}},
  };
  for (const auto& c : cases) ExpectRiseSet(c);
}

TEST(SunRiseSet, PolarDayAndNightSayWhereTheSunStays) {
  struct Case {
    int month;
    SunEventStatus want;
  };
  const SunPlace tromso{Degrees(69, 39), Degrees(18, 57), 1.0};
  for (const Case c :
       {Case{12, SunEventStatus::SunStaysDown}, Case{6, SunEventStatus::SunStaysUp}}) {
    const SunRiseSet got = ComputeSunRiseSet(c.month, 21, 2000, tromso);
    EXPECT_EQ(got.sunrise.status, c.want) << c.month;
    EXPECT_EQ(got.sunset.status, c.want) << c.month;
  }
  // The same place in spring has both events.
  const SunRiseSet spring = ComputeSunRiseSet(3, 21, 2000, tromso);
  EXPECT_TRUE(spring.sunrise.occurs() && spring.sunset.occurs());
}

TEST(SunRiseSet, SunriseBeforeSunsetEverywhereTheSunRisesAndSets) {
  // Every latitude, every zone of the table, every tenth day: no event lies outside its
  // window around local noon, so the day's sunrise always precedes its sunset by less
  // than a day.
  for (int lat = -89; lat <= 89; lat += 7) {
    for (int lon = -179; lon <= 179; lon += 23) {
      for (int zone = -13; zone <= 12; zone += 5) {
        for (int doy = 0; doy < 365; doy += 10) {
          const LocalDateTime date = AddDays({2001, 1, 1, 0, 0, 0}, doy);
          const SunRiseSet got = ComputeSunRiseSet(date.month, date.day, date.year,
                                                   {double(lat), double(lon), double(zone)});
          if (!got.sunrise.occurs() || !got.sunset.occurs()) continue;
          const auto span = SecondsBetween(got.sunrise.time, got.sunset.time);
          EXPECT_GT(span, 0) << lat << " " << lon << " " << zone << " " << FormatMinute(date);
          EXPECT_LT(span, 86400) << lat << " " << lon << " " << zone << " " << FormatMinute(date);
        }
      }
    }
  }
}

TEST(SunAtan2, Branches) {
  struct Case {
    double y, x, want;
  };
  const Case cases[] = {
      {1, 1, kPi / 4}, {1, -1, 3 * kPi / 4}, {-1, -1, -3 * kPi / 4}, {0, -1, 0},
      {0, 0, 0},       {2, 0, kPi / 2},      {-2, 0, -kPi / 2},
  };
  for (const auto& c : cases) EXPECT_NEAR(SunAtan2(c.y, c.x), c.want, 1e-14) << c.y << ", " << c.x;
}

}  // namespace
}  // namespace velquor
