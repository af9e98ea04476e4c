// velquor-cli places over the system's atlas: the matches with their suggested rows, and
// the date and time checked as the chart checks them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/cli_app.h"
#include "cli_run.h"

namespace velquor::test {
namespace {

std::vector<std::string> PlaceChartArgs() {
  return {"chart", "--name", "ASHA", "--date", "1990-08-15", "--time", "06:30", "--place", "x"};
}

TEST(CliPlaces, ListsTheAtlasMatchesWithTheirSuggestedRows) {
  const CliRun varanasi = Cli({"places", "Varanasi, India", "--date", "1990-08-15"});
  EXPECT_EQ(varanasi.status, kExitOk) << varanasi.err;
  EXPECT_EQ(varanasi.out,
            "Varanasi\tState of Uttar Pradesh\tIndia\t25N19\t83E01\tAsia/Kolkata\t"
            "34 Indian Time, IST, +5.3\n");

  const CliRun springfield =
      Cli({"places", "Springfield", "--date", "1976-07-04", "--time", "06:30", "--limit", "5"});
  EXPECT_EQ(springfield.status, kExitOk) << springfield.err;
  const auto lines = Lines(springfield.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0],
            "Springfield\tMissouri\tUnited States of America\t37N13\t93W18\t"
            "America/Chicago\t21 Central Standard Time,CST,-6.0 and daylight saving");
  EXPECT_NE(springfield.err.find("6 more matches"), std::string::npos) << springfield.err;

  const CliRun nothing = Cli({"places", "Xqzzy"});
  EXPECT_EQ(nothing.status, kExitBadInput);
  EXPECT_NE(nothing.err.find("no place in the atlas matches \"Xqzzy\""), std::string::npos);
}

TEST(CliPlaces, ShowsTheCurrentNameOfAPlaceFoundByAnother) {
  const CliRun bombay = Cli({"places", "Bombay", "--date", "1990-08-15"});
  EXPECT_EQ(bombay.status, kExitOk) << bombay.err;
  EXPECT_EQ(bombay.out,
            "Bombay → Mumbai\tMaharashtra\tIndia\t19N04\t72E53\tAsia/Kolkata\t"
            "34 Indian Time, IST, +5.3\n");
  const CliRun chart = Cli(With(PlaceChartArgs(), "--place", "Poona"));
  EXPECT_EQ(chart.status, kExitOk) << chart.err;
  EXPECT_EQ(chart.err.rfind("velquor-cli: place Poona → Pune, Maharashtra, India (18N31 73E51, "
                            "Asia/Kolkata); zone Indian Time",
                            0),
            0u)
      << chart.err;
}

TEST(CliPlaces, ChecksTheDateAndTimeAsTheChartDoes) {
  struct Case {
    std::vector<std::string> options;
    const char* expected;
  };
  const Case cases[] = {
      {{"--time", "25:00"}, "velquor-cli: --time: hour 25 is not within 0 to 23\n"},
      {{"--time", "12:60"}, "velquor-cli: --time: minute 60 is not within 0 to 59\n"},
      {{"--date", "2020-02-30"}, "--date: "},
      {{"--date", "2020-13-01"}, "velquor-cli: --date: month 13 is not within 1 to 12\n"},
      {{"--date", "1900-06-01"}, "velquor-cli: --date: year 1900 is not within 1901 to 2050\n"},
      {{"--time", "noon"}, "velquor-cli: --time: expected a time as HH:MM or HH:MM:SS"},
      {{"--fold", "both"}, "velquor-cli: --fold: expected first or second, got \"both\"\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"places", "Varanasi"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, kExitBadInput) << c.expected;
    EXPECT_EQ(run.out, "") << c.expected;
    EXPECT_NE(run.err.find(c.expected), std::string::npos) << c.expected << " / " << run.err;
  }
  // The edges of the ranges are taken.
  for (const auto& [date, time] :
       {std::pair{"1901-01-01", "00:00:00"}, std::pair{"2050-12-31", "23:59:59"},
        std::pair{"2024-02-29", "12:00"}}) {
    const CliRun run = Cli({"places", "Varanasi", "--date", date, "--time", time});
    EXPECT_EQ(run.status, kExitOk) << date << " " << run.err;
  }
}

TEST(CliPlaces, ARepeatedClockTimeShowsBothReadingsUnlessOneIsAsked) {
  const std::vector<std::string> london = {"places",     "London, England", "--date",
                                           "2024-10-27", "--time",          "01:30"};
  const CliRun both = Cli(london);
  EXPECT_EQ(both.status, kExitOk) << both.err;
  EXPECT_NE(both.out.find("\tno row: The clocks of Europe/London on 27 October 2024 showed "
                          "01:30:00 twice"),
            std::string::npos)
      << both.out;
  const CliRun first = Cli(Plus(Plus(london, "--fold"), "first"));
  EXPECT_NE(first.out.find("\t29 Greenwich Mean Time,GMT,0.0 and daylight saving\n"),
            std::string::npos)
      << first.out;
  const CliRun second = Cli(Plus(Plus(london, "--fold"), "second"));
  EXPECT_NE(second.out.find("\t29 Greenwich Mean Time,GMT,0.0\n"), std::string::npos) << second.out;
}

}  // namespace
}  // namespace velquor::test
