// velquor-cli chart and example: the readable chart and its JSON, the faults named by
// their options, the atlas place of --place, and the conventions' options.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli_run.h"

namespace velquor::test {
namespace {

const std::vector<std::string> kNewYorkByPlace = {"chart",         "--name", "ASHA",  "--date",
                                                  "1976-07-04",    "--time", "06:30", "--place",
                                                  "New York, USA", "--json"};

const std::vector<std::string> kChartOfAsha = {
    "chart",  "--name", "ASHA MEHTA", "--date", "1985-03-21", "--time", "21:45",
    "--zone", "34",     "--lat",      "28N37",  "--lon",      "77E13",  "--json"};

std::vector<std::string> ChartWith(std::vector<std::string> more) {
  std::vector<std::string> args = kChartOfAsha;
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(CliChart, BadInputNamesTheFieldAndExitsWithTwo) {
  struct Case {
    std::vector<std::string> args;
    const char* expected;
  };
  const Case cases[] = {
      {{}, "subcommand"},
      {{"horoscope"}, "unknown command \"horoscope\""},
      {Without(kDelhi, "--name"), "--name is required"},
      {Without(kDelhi, "--lon"), "--lon: required unless --place is given"},
      {Plus(kDelhi, "--colour"), "--colour"},
      {With(kDelhi, "--date", "15/08/1990"), "--date: expected a date as YYYY-MM-DD"},
      {With(kDelhi, "--date", "1900-12-31"), "--date: year 1900 is not within 1901 to 2050"},
      {With(kDelhi, "--date", "1990-04-31"), "--date: Please Enter Correct Date Or Month !"},
      {With(kDelhi, "--time", "24:00"), "--time: hour 24 is not within 0 to 23"},
      {With(kDelhi, "--zone", "Indian Time"), "--zone: no time-zone row"},
      {With(kDelhi, "--lat", "28.6"), "--lat: expected degrees, N or S, minutes"},
      {With(kDelhi, "--lat", "90N00"),
       "--lat: Please Enter Value Between 0 And 89 in the Degree of Latitude"},
      {With(kDelhi, "--lon", "77W60"),
       "--lon: Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
      {With(kDelhi, "--name", " "), "--name: Please Enter Name"},
      {With(kDelhi, "--country", "Indi\xE1"), "--country: is not valid UTF-8"},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, kExitBadInput) << c.expected;
    EXPECT_NE(run.err.find(c.expected), std::string::npos) << c.expected << " / " << run.err;
    EXPECT_EQ(run.out, "") << c.expected;
  }
}

TEST(CliChart, HelpIsNotAnError) {
  const CliRun run = Cli({"chart", "--help"});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_NE(run.out.find("--lat"), std::string::npos);
}

TEST(CliChart, JsonCarriesTheWholeChartOfTheOptions) {
  const CliRun run = Cli(Plus(Plus(kDelhi, "--json"), "--dst"));
  ASSERT_EQ(run.status, kExitOk) << run.err;
  ASSERT_EQ(Lines(run.out).size(), 1u);
  const Json chart = Json::parse(run.out);
  ExpectConsistentChart(chart);
  EXPECT_EQ(
      chart["zone"],
      (Json{{"index", 34}, {"label", "Indian Time, IST, +5.3"}, {"hours", -5}, {"minutes", -30}}));
  EXPECT_EQ(chart["dst"], true);
  EXPECT_EQ(chart["birth_moment"], "1990-08-15 06:30:15");
  EXPECT_EQ(chart["details"], (Json{{"name", "ASHA"},
                                    {"dob", "August/15/1990"},
                                    {"tob", "6:30"},
                                    {"latitude", "28 37' N"},
                                    {"longitude", "77 13' E"},
                                    {"city", "New Delhi"},
                                    {"state", "Delhi"},
                                    {"country", "India"}}));
}

TEST(CliChart, ZoneByLabelIsZoneByIndex) {
  const CliRun byIndex = Cli(Plus(kDelhi, "--json"));
  const CliRun byLabel = Cli(Plus(With(kDelhi, "--zone", "Indian Time, IST, +5.3"), "--json"));
  EXPECT_EQ(byIndex.status, kExitOk);
  EXPECT_EQ(byLabel.out, byIndex.out);
}

TEST(CliChart, ReadableChartShowsDetailsTableGridAndHouse) {
  const CliRun text = Cli(kDelhi);
  ASSERT_EQ(text.status, kExitOk) << text.err;
  const Json chart = Json::parse(Cli(Plus(kDelhi, "--json")).out);
  const std::string captions[] = {
      "Your Details",
      "Date of Birth :",
      "August/15/1990",
      "Time of Birth :",
      "6:30",
      "Longitude :",
      "77 13' E",
      "Latitude   :",
      "28 37' N",
      "New Delhi",
      "India",
      "Vedic Planetary Position",
      "Surya/Sun",
      "Chandra/Moon",
      "Budha/Mercury",
      "Shukra/Venus",
      "Mangala/Mars",
      "Guru/Jupiter",
      "Shani/Saturn",
      "Rahu/North Node",
      "Ketu/South node",
      "Asc/Lagna",
      "┌",
      "Pisces",
      "Virgo",
      "PpL",
      "Pranapada Lagna Present House Significance",
      "House " + std::to_string(chart["pranapada"]["house"].get<int>())};
  for (const std::string& caption : captions) {
    EXPECT_NE(text.out.find(caption), std::string::npos) << caption;
  }
  for (const auto& position : chart["positions"]) {
    EXPECT_NE(text.out.find(position.get<std::string>()), std::string::npos) << position;
  }
  // The house text, wrapped: every word in order.
  std::istringstream words(chart["house_text"].get<std::string>());
  std::size_t from = text.out.find("Significance\n");
  for (std::string word; words >> word;) {
    from = text.out.find(word, from);
    ASSERT_NE(from, std::string::npos) << word;
  }
}

TEST(CliChart, AChartThatStopsPrintsWhyAndExitsWithThree) {
  // Midsummer far in the north: the Sun does not set, so there is no sunrise to count from.
  const auto polar = With(With(kDelhi, "--lat", "80N00"), "--date", "1990-06-21");
  for (const auto& args : {polar, Plus(polar, "--json")}) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, kExitChartStopped);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("no sunrise"), std::string::npos) << run.err;
  }
  const CliRun batch = Cli({"batch"}, R"({"name":"N","year":1990,"month":6,"day":21,"hour":12,)"
                                      R"("minute":0,"zone":29,"lat_deg":80,"lat_min":0,)"
                                      R"("lon_deg":10,"lon_min":0})");
  EXPECT_EQ(batch.status, kExitFailedLines);
  const Json error = Json::parse(batch.out);
  EXPECT_EQ(error["line"], 1);
  EXPECT_NE(error["error"].get<std::string>().find("no sunrise"), std::string::npos);
  EXPECT_EQ(error["kind"], "polar") << "a chart the Sun cannot make, not a bad line";
}

TEST(CliChart, APlaceGivesTheCoordinatesTheZoneAndDaylightSaving) {
  const CliRun byPlace = Cli(kNewYorkByPlace);
  ASSERT_EQ(byPlace.status, kExitOk) << byPlace.err;
  EXPECT_EQ(byPlace.err,
            "velquor-cli: place New York, New York, United States of America (40N43 74W00, "
            "America/New_York); zone Eastern Standard Time,EST,-5.0, with daylight saving on "
            "4 July 1976\n");
  const CliRun byHand =
      Cli({"chart",    "--name",  "ASHA",     "--date",    "1976-07-04",
           "--time",   "06:30",   "--lat",    "40N43",     "--lon",
           "74W00",    "--zone",  "27",       "--dst",     "--city",
           "New York", "--state", "New York", "--country", "United States of America",
           "--json"});
  EXPECT_EQ(byPlace.out, byHand.out);

  // A zone given by hand wins, and so does the daylight tick that comes with it.
  const CliRun zoneGiven = Cli(Plus(Plus(kNewYorkByPlace, "--zone"), "24"));
  ASSERT_EQ(zoneGiven.status, kExitOk) << zoneGiven.err;
  EXPECT_EQ(Json::parse(zoneGiven.out)["zone"]["index"], 24);
  EXPECT_EQ(Json::parse(zoneGiven.out)["dst"], false);
}

TEST(CliChart, APlaceWithDstSaysWhatTheChartApplies) {
  const CliRun run = Cli(Plus(With(kNewYorkByPlace, "--date", "1976-01-15"), "--dst"));
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.err,
            "velquor-cli: place New York, New York, United States of America (40N43 74W00, "
            "America/New_York); zone Eastern Standard Time,EST,-5.0, with daylight saving as "
            "--dst asks, although the time-zone database has none on 15 January 1976\n");
  EXPECT_EQ(Json::parse(run.out)["dst"], true);
}

TEST(CliChart, ARepeatedClockTimeNeedsTheFold) {
  const auto repeated = With(With(kNewYorkByPlace, "--date", "2024-11-03"), "--time", "01:30");
  const CliRun refused = Cli(repeated);
  EXPECT_EQ(refused.status, kExitBadInput);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("velquor-cli: --time: The clocks of America/New_York on 3 November "
                             "2024 showed 01:30:00 twice when they were put back: first EDT "
                             "-4:00, Eastern Standard Time,EST,-5.0 with daylight saving, then "
                             "EST -5:00, Eastern Standard Time,EST,-5.0 without daylight saving; "
                             "say which with --fold first or --fold second\n"),
            std::string::npos)
      << refused.err;

  for (const auto& [fold, dst] : {std::pair{"first", true}, std::pair{"second", false}}) {
    const CliRun run = Cli(Plus(Plus(repeated, "--fold"), fold));
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(Json::parse(run.out)["dst"], dst) << fold;
    EXPECT_EQ(Json::parse(run.out)["zone"]["index"], 27) << fold;
  }
  // The two readings are an hour apart: so are their charts' universal times.
  const CliRun first = Cli(Plus(Plus(repeated, "--fold"), "first"));
  const CliRun second = Cli(Plus(Plus(repeated, "--fold"), "second"));
  EXPECT_NE(first.out, second.out);

  const CliRun skipped =
      Cli(With(With(kNewYorkByPlace, "--date", "2024-03-10"), "--time", "02:30"));
  EXPECT_EQ(skipped.status, kExitBadInput);
  EXPECT_NE(skipped.err.find("--time: The clocks of America/New_York on 10 March 2024 skipped "
                             "02:30:00 when they were put forward"),
            std::string::npos)
      << skipped.err;

  const CliRun withoutPlace = Cli(Plus(Plus(kDelhi, "--fold"), "first"));
  EXPECT_EQ(withoutPlace.status, kExitBadInput);
  EXPECT_NE(withoutPlace.err.find("--fold: only with --place"), std::string::npos);
  const CliRun badFold = Cli(Plus(Plus(repeated, "--fold"), "later"));
  EXPECT_EQ(badFold.status, kExitBadInput);
  EXPECT_NE(badFold.err.find("--fold: expected first or second, got \"later\""), std::string::npos);
}

TEST(CliChart, APlaceThatCannotBeTakenIsBadInput) {
  struct Case {
    std::vector<std::string> args;
    const char* expected;
  };
  const Case cases[] = {
      // Nepal has kept +5:45 since 1986 (in 1976 it was +5:30, Indian Time).
      {With(With(kNewYorkByPlace, "--place", "Kathmandu"), "--date", "1990-08-15"),
       "--place: No time zone in the list has +5:45, the standard time of Asia/Kathmandu on "
       "15 August 1990; give the time zone with --zone"},
      {Plus(Plus(kNewYorkByPlace, "--lat"), "40N43"), "--lat excludes --place"},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, kExitBadInput) << c.expected;
    EXPECT_NE(run.err.find(c.expected), std::string::npos) << c.expected << " / " << run.err;
    EXPECT_EQ(run.out, "") << c.expected;
  }
  const CliRun kathmanduWithZone = Cli(Plus(
      Plus(With(With(kNewYorkByPlace, "--place", "Kathmandu"), "--date", "1990-08-15"), "--zone"),
      "34"));
  EXPECT_EQ(kathmanduWithZone.status, kExitOk) << kathmanduWithZone.err;
}

// Each option overrides its choice of the set, and the chart says what it used.
TEST(CliConventions, OptionsChooseAndTheChartSaysWhich) {
  const Json classic = Json::parse(Cli(kChartOfAsha).out);
  EXPECT_EQ(
      classic["conventions"],
      Json::parse(R"({"ephemeris":"classic","sunrise":"classic","pranapada_sun":"at-sunrise",)"
                  R"("after_sunset":"to-next-sunrise"})"));
  const Json modern = Json::parse(Cli(ChartWith({"--conventions", "modern"})).out);
  EXPECT_EQ(
      modern["conventions"],
      Json::parse(R"({"ephemeris":"precise","sunrise":"disc-centre","pranapada_sun":"at-birth",)"
                  R"("after_sunset":"from-sunrise"})"));
  const Json mixed = Json::parse(
      Cli(ChartWith({"--conventions", "modern", "--after-sunset", "to-next-sunrise"})).out);
  EXPECT_EQ(mixed["conventions"]["after_sunset"], "to-next-sunrise");
  EXPECT_EQ(mixed["conventions"]["ephemeris"], "precise");
  // A birth at 21:45 counts to the next morning's sunrise classically, from the evening's
  // own sunrise in the modern set.
  EXPECT_EQ(classic["reference_sunrise"].get<std::string>().substr(0, 10), "1985-03-22");
  EXPECT_EQ(modern["reference_sunrise"].get<std::string>().substr(0, 10), "1985-03-21");

  const CliRun text =
      Cli({"chart", "--name", "A", "--date", "1985-03-21", "--time", "21:45", "--zone", "34",
           "--lat", "28N37", "--lon", "77E13", "--sunrise", "upper-limb"});
  EXPECT_NE(text.out.find("Conventions: classic ephemeris, sunrise of the Sun's upper edge"),
            std::string::npos);
  EXPECT_NE(text.out.find("not the classic set"), std::string::npos) << text.out;
}

TEST(CliConventions, UnknownValuesAreBadInputNamingTheOption) {
  const std::pair<const char*, const char*> cases[] = {{"--conventions", "hindu"},
                                                       {"--ephemeris", "swiss"},
                                                       {"--sunrise", "disc-center"},
                                                       {"--pranapada-sun", "at-noon"},
                                                       {"--after-sunset", "to-sunrise"}};
  for (const auto& [option, value] : cases) {
    const CliRun run = Cli(ChartWith({option, value}));
    EXPECT_EQ(run.status, kExitBadInput) << option;
    EXPECT_NE(run.err.find(std::string(option) + ": unknown value"), std::string::npos) << run.err;
  }
}

// A batch line may choose its own conventions; the others keep the classic set.
TEST(CliConventions, BatchLinesCarryTheirOwnConventions) {
  const std::string line =
      R"({"name":"A","year":1985,"month":3,"day":21,"hour":21,"minute":45,"zone":34,)"
      R"("lat_deg":28,"lat_min":37,"lon_deg":77,"lon_min":13)";
  const CliRun run = Cli({"batch"}, line + "}\n" + line + R"(,"conventions":"modern"})" + "\n" +
                                        line + R"(,"conventions":{"sunrise":"x"}})" + "\n");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(Json::parse(lines[0])["conventions"]["ephemeris"], "classic");
  EXPECT_EQ(Json::parse(lines[1])["conventions"]["ephemeris"], "precise");
  Json single = Json::parse(Cli(ChartWith({"--conventions", "modern"})).out);
  single["details"]["name"] = "A";
  EXPECT_EQ(Json::parse(lines[1]), single) << "a batch line charts as the chart command does";
  const Json error = Json::parse(lines[2]);
  EXPECT_EQ(error["kind"], "input");
  EXPECT_NE(error["error"].get<std::string>().find("conventions.sunrise"), std::string::npos);
}

TEST(CliExample, ChartsTheBuiltInBirth) {
  const CliRun run = Cli({"example"});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_NE(run.out.find("ASHA MEHTA"), std::string::npos);
  EXPECT_NE(run.out.find("28 37' N"), std::string::npos);
  EXPECT_NE(run.out.find("Surya/Sun"), std::string::npos);
}

}  // namespace
}  // namespace velquor::test
