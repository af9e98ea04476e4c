#include "places/zone_suggestion.h"

#include <gtest/gtest.h>

#include "chart/time_zones.h"

namespace velquor {
namespace {

using Outcome = ZoneSuggestion::Outcome;

TEST(ZoneSuggestion, SuggestsTheStandardRowAndTheDaylightTick) {
  struct Case {
    const char* zone;
    LocalMoment moment;
    const char* rowLabel;
    bool daylightSaving;
    const char* text;
  };
  const Case cases[] = {
      {"Asia/Kolkata",
       {1990, 8, 15, 6, 30, 0},
       "Indian Time, IST, +5.3",
       false,
       "Indian Time, IST, +5.3, no daylight saving on 15 August 1990"},
      {"America/New_York",
       {1976, 7, 4, 6, 30, 0},
       "Eastern Standard Time,EST,-5.0",
       true,
       "Eastern Standard Time,EST,-5.0, with daylight saving on 4 July 1976"},
      {"America/New_York",
       {1976, 1, 15, 6, 30, 0},
       "Eastern Standard Time,EST,-5.0",
       false,
       "Eastern Standard Time,EST,-5.0, no daylight saving on 15 January 1976"},
      {"Europe/Madrid",
       {2000, 7, 1, 12, 0, 0},
       "Central European Time,CET,+1.0",
       true,
       "Central European Time,CET,+1.0, with daylight saving on 1 July 2000"},
      {"Europe/Madrid",
       {2000, 1, 1, 12, 0, 0},
       "Central European Time,CET,+1.0",
       false,
       "Central European Time,CET,+1.0, no daylight saving on 1 January 2000"},
      {"Europe/London",
       {1985, 7, 20, 9, 0, 0},
       "Greenwich Mean Time,GMT,0.0",
       true,
       "Greenwich Mean Time,GMT,0.0, with daylight saving on 20 July 1985"},
      // India's war time was daylight saving over IST.
      {"Asia/Kolkata",
       {1943, 8, 15, 6, 30, 0},
       "Indian Time, IST, +5.3",
       true,
       "Indian Time, IST, +5.3, with daylight saving on 15 August 1943"},
      // Ireland counts winter as daylight saving below its summer "standard" time: the
      // offset in force is what the form must get.
      {"Europe/Dublin",
       {2000, 1, 1, 12, 0, 0},
       "Greenwich Mean Time,GMT,0.0",
       false,
       "Greenwich Mean Time,GMT,0.0, no daylight saving on 1 January 2000"},
  };
  for (const auto& c : cases) {
    const ZoneSuggestion suggestion = SuggestZone(c.zone, c.moment);
    ASSERT_EQ(suggestion.outcome, Outcome::RowFound) << c.zone << ": " << suggestion.text;
    ASSERT_TRUE(suggestion.row.has_value());
    EXPECT_EQ(TimeZoneTable()[*suggestion.row].label, c.rowLabel) << c.zone;
    EXPECT_EQ(suggestion.daylightSaving, c.daylightSaving) << c.zone;
    EXPECT_EQ(suggestion.text, c.text);
  }
}

TEST(ZoneSuggestion, SaysWhyWhenNoRowFits) {
  struct Case {
    const char* zone;
    LocalMoment moment;
    Outcome outcome;
    const char* text;
  };
  const Case cases[] = {
      {"Asia/Kathmandu",
       {1990, 8, 15, 12, 0, 0},
       Outcome::NoRowForOffset,
       "No time zone in the list has +5:45, the standard time of Asia/Kathmandu on 15 August 1990"},
      // Madras mean time, before India kept one standard time.
      {"Asia/Kolkata",
       {1901, 3, 1, 12, 0, 0},
       Outcome::NoRowForOffset,
       "No time zone in the list has +5:21:10, the standard time of Asia/Kolkata on 1 March 1901"},
      {"Europe/London",
       {1943, 7, 1, 12, 0, 0},
       Outcome::UnusualDaylightShift,
       "Daylight saving put the clocks of Europe/London on 1 July 1943 2:00 ahead of standard "
       "time (BDST, +2:00); the list's zones and the daylight-saving tick cannot say that"},
      {"Mars/Olympus_Mons",
       {1990, 1, 1, 0, 0, 0},
       Outcome::UnknownZone,
       "The system's time-zone database does not know Mars/Olympus_Mons (is tzdata installed?)"},
      {"Asia/Kolkata",
       {1990, 2, 30, 0, 0, 0},
       Outcome::InvalidDate,
       "30 February 1990 is not a date"},
      {"America/New_York",
       {1976, 4, 25, 2, 30, 0},
       Outcome::SkippedClockTime,
       "The clocks of America/New_York on 25 April 1976 skipped 02:30:00 when they were put "
       "forward"},
  };
  for (const auto& c : cases) {
    const ZoneSuggestion suggestion = SuggestZone(c.zone, c.moment);
    EXPECT_EQ(suggestion.outcome, c.outcome) << c.zone;
    EXPECT_FALSE(suggestion.row.has_value()) << c.zone;
    EXPECT_EQ(suggestion.text, c.text);
  }
}

TEST(ZoneSuggestion, OffsetText) {
  EXPECT_EQ(UtcOffsetText(20700), "+5:45");
  EXPECT_EQ(UtcOffsetText(-12600), "-3:30");
  EXPECT_EQ(UtcOffsetText(19270), "+5:21:10");
  EXPECT_EQ(UtcOffsetText(0), "+0:00");
}

}  // namespace
}  // namespace velquor
