#include "places/zone_suggestion.h"

#include <gtest/gtest.h>

#include "chart/time_zones.h"

namespace velquor {
namespace {

using Outcome = ZoneSuggestion::Outcome;

TEST(ZoneSuggestion, SuggestsTheStandardRowAndTheDaylightTick) {
  struct Case {
    const char* zone;
    LocalDateTime moment;
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
    LocalDateTime moment;
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

struct RowCase {
  const char* zone;
  LocalDateTime moment;
  const char* rowLabel;
  bool daylightSaving;
};

void ExpectRow(const RowCase& c, ClockFold fold = ClockFold::Unknown) {
  const ZoneSuggestion suggestion = SuggestZone(c.zone, c.moment, fold);
  ASSERT_EQ(suggestion.outcome, Outcome::RowFound) << c.zone << ": " << suggestion.text;
  EXPECT_EQ(TimeZoneTable()[static_cast<std::size_t>(*suggestion.row)].label,
            std::string_view(c.rowLabel))
      << c.zone << " " << c.moment.year;
  EXPECT_EQ(suggestion.daylightSaving, c.daylightSaving) << c.zone << " " << c.moment.year;
}

// Offsets that only a daylight, war or summer row of the list has, or that need the tick
// over such a row.
TEST(ZoneSuggestionRows, EveryOffsetSomeRowHasIsSuggested) {
  const RowCase cases[] = {
      // British double summer time: the row named after it, without the tick.
      {"Europe/London", {1943, 7, 1, 12, 0, 0}, "British Double Summer Time,BDST,+2.0", false},
      {"Europe/London", {1947, 6, 1, 12, 0, 0}, "British Double Summer Time,BDST,+2.0", false},
      // Berlin's midsummer time of 1947, +3:00: central European daylight and the tick.
      {"Europe/Berlin", {1947, 6, 15, 12, 0, 0}, "Central European Daylight,CED,+2.0", true},
      // New Zealand's half-hour summer time of 1930, +12:00.
      {"Pacific/Auckland", {1930, 1, 15, 12, 0, 0}, "New Zealand Std Time,NZT,+12.0", false},
      // +13:00 without daylight saving: the one row of that offset.
      {"Pacific/Apia", {2023, 6, 1, 12, 0, 0}, "New Zealand Std Summer Time,NZST,+13.0", false},
      {"Pacific/Tongatapu",
       {2023, 6, 1, 12, 0, 0},
       "New Zealand Std Summer Time,NZST,+13.0",
       false},
      // Samoa's daylight saving of 2012..2021 over +13:00.
      {"Pacific/Apia", {2015, 1, 15, 12, 0, 0}, "New Zealand Std Summer Time,NZST,+13.0", true},
  };
  for (const RowCase& c : cases) ExpectRow(c);
}

// Among the rows of one offset: the zone's own region and abbreviation, never another
// continent's when one that is not exists.
TEST(ZoneSuggestionRows, PrefersTheZonesOwnRegion) {
  const RowCase cases[] = {
      {"Asia/Shanghai", {1990, 1, 15, 12, 0, 0}, "China Coast Time,CCT,+8.0", false},
      {"Asia/Singapore", {2000, 1, 15, 12, 0, 0}, "China Coast Time,CCT,+8.0", false},
      {"Australia/Perth",
       {1990, 6, 15, 12, 0, 0},
       "Australian Western Standard Time,AWST,+8.0",
       false},
      {"Europe/Moscow", {2020, 1, 15, 12, 0, 0}, "Eastern European Daylight Time,EED,+3.0", false},
      {"Asia/Riyadh", {2020, 1, 15, 12, 0, 0}, "Baghdad Time, BAT, +3.0", false},
      {"Pacific/Honolulu",
       {2020, 1, 15, 12, 0, 0},
       "Alaska/Hawaii Standard Time,AHST,-10.0",
       false},
      {"America/Halifax", {2020, 1, 15, 12, 0, 0}, "Atlantic Standard Time,AST,-4.0", false},
      {"Europe/Paris", {2020, 1, 15, 12, 0, 0}, "Central European Time,CET,+1.0", false},
      {"Australia/Sydney",
       {2020, 1, 15, 12, 0, 0},
       "Australian Eastern Standard Time,AEST,+10.0",
       true},
      {"Pacific/Guam", {2020, 1, 15, 12, 0, 0}, "Guam Standard Time,GST,+10.0", false},
  };
  for (const RowCase& c : cases) ExpectRow(c);
}

// An offset no row has, with or without the tick, is refused naming the offset.
TEST(ZoneSuggestionRows, RefusesOffsetsWithoutARow) {
  struct Case {
    const char* zone;
    LocalDateTime moment;
    const char* text;
  };
  const Case cases[] = {
      {"Asia/Kathmandu",
       {2000, 1, 1, 12, 0, 0},
       "No time zone in the list has +5:45, the standard time of Asia/Kathmandu on 1 January 2000"},
      {"America/Caracas",
       {2010, 1, 1, 12, 0, 0},
       "No time zone in the list has -4:30, the standard time of America/Caracas on 1 January "
       "2010"},
      // Iran Time and the tick would make +4:30, but Kabul keeps no daylight saving.
      {"Asia/Kabul",
       {2000, 1, 1, 12, 0, 0},
       "No time zone in the list has +4:30, the standard time of Asia/Kabul on 1 January 2000"},
      // Local mean time before standard time.
      {"Europe/Amsterdam",
       {1930, 1, 1, 12, 0, 0},
       "No time zone in the list has +0:19:32, the standard time of Europe/Amsterdam on 1 January "
       "1930"},
  };
  for (const Case& c : cases) {
    const ZoneSuggestion suggestion = SuggestZone(c.zone, c.moment);
    EXPECT_EQ(suggestion.outcome, Outcome::NoRowForOffset) << c.zone;
    EXPECT_FALSE(suggestion.row.has_value()) << c.zone;
    EXPECT_EQ(suggestion.text, c.text);
  }
}

// A clock time that happened twice: both readings, and each one on request.
TEST(ZoneSuggestionRepeatedHour, OffersBothReadings) {
  struct Case {
    const char* zone;
    LocalDateTime moment;
    const char* rowLabel;           // both readings: the first with the tick, the second without
    int firstOffset, secondOffset;  // seconds east of Greenwich
  };
  const Case cases[] = {
      {"Europe/London", {2024, 10, 27, 1, 30, 0}, "Greenwich Mean Time,GMT,0.0", 3600, 0},
      {"America/New_York",
       {2024, 11, 3, 1, 30, 0},
       "Eastern Standard Time,EST,-5.0",
       -14400,
       -18000},
      {"America/Sao_Paulo", {2018, 2, 17, 23, 30, 0}, "Brazil Zone 2,BZT2,-3.0", -7200, -10800},
      {"Australia/Sydney",
       {2024, 4, 7, 2, 30, 0},
       "Australian Eastern Standard Time,AEST,+10.0",
       39600,
       36000},
      // The end of India's war time.
      {"Asia/Kolkata", {1945, 10, 14, 23, 30, 0}, "Indian Time, IST, +5.3", 23400, 19800},
  };
  for (const Case& c : cases) {
    const ZoneSuggestion both = SuggestZone(c.zone, c.moment);
    ASSERT_EQ(both.outcome, Outcome::RepeatedClockTime) << c.zone << ": " << both.text;
    EXPECT_FALSE(both.row.has_value()) << c.zone;
    ASSERT_EQ(both.readings.size(), 2u) << c.zone;
    EXPECT_EQ(both.readings[0].offsetSeconds, c.firstOffset) << c.zone;
    EXPECT_EQ(both.readings[1].offsetSeconds, c.secondOffset) << c.zone;
    ExpectRow({c.zone, c.moment, c.rowLabel, true}, ClockFold::First);
    ExpectRow({c.zone, c.moment, c.rowLabel, false}, ClockFold::Second);
    for (int r = 0; r < 2; ++r) {
      const ZoneSuggestion one =
          SuggestZone(c.zone, c.moment, r == 0 ? ClockFold::First : ClockFold::Second);
      EXPECT_EQ(one.row, both.readings[static_cast<std::size_t>(r)].row) << c.zone;
      EXPECT_EQ(one.offsetSeconds, both.readings[static_cast<std::size_t>(r)].offsetSeconds);
    }
  }
  EXPECT_EQ(SuggestZone("Europe/London", {2024, 10, 27, 1, 30, 0}).text,
            "The clocks of Europe/London on 27 October 2024 showed 01:30:00 twice when they were "
            "put back: first BST +1:00, Greenwich Mean Time,GMT,0.0 with daylight saving, then "
            "GMT +0:00, Greenwich Mean Time,GMT,0.0 without daylight saving");
  EXPECT_EQ(SuggestZone("Europe/London", {2024, 10, 27, 1, 30, 0}, ClockFold::First).text,
            "Greenwich Mean Time,GMT,0.0, with daylight saving on 27 October 2024 (the first "
            "01:30:00 of two)");
}

TEST(ZoneSuggestionRepeatedHour, TheHoursEitherSideAndSkippedTimesAreUnchanged) {
  // 00:59:59 and 02:00:00 happened once; a fold given for them changes nothing.
  for (const ClockFold fold : {ClockFold::Unknown, ClockFold::First, ClockFold::Second}) {
    ExpectRow({"Europe/London", {2024, 10, 27, 0, 59, 59}, "Greenwich Mean Time,GMT,0.0", true},
              fold);
    ExpectRow({"Europe/London", {2024, 10, 27, 2, 0, 0}, "Greenwich Mean Time,GMT,0.0", false},
              fold);
    const ZoneSuggestion skipped = SuggestZone("Europe/London", {2024, 3, 31, 1, 30, 0}, fold);
    EXPECT_EQ(skipped.outcome, Outcome::SkippedClockTime);
    EXPECT_EQ(skipped.text,
              "The clocks of Europe/London on 31 March 2024 skipped 01:30:00 when they were put "
              "forward");
  }
  EXPECT_EQ(SuggestZone("Europe/London", {2024, 10, 27, 1, 0, 0}).outcome,
            Outcome::RepeatedClockTime);
  EXPECT_EQ(SuggestZone("Europe/London", {2024, 10, 27, 1, 59, 59}).outcome,
            Outcome::RepeatedClockTime);
}

TEST(ZoneSuggestion, OffsetText) {
  EXPECT_EQ(UtcOffsetText(20700), "+5:45");
  EXPECT_EQ(UtcOffsetText(-12600), "-3:30");
  EXPECT_EQ(UtcOffsetText(19270), "+5:21:10");
  EXPECT_EQ(UtcOffsetText(0), "+0:00");
}

}  // namespace
}  // namespace velquor
