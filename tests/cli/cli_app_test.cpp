#include "cli/cli_app.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace velquor {
namespace {

using Json = nlohmann::json;

struct CliRun {
  int status = -1;
  std::string out, err;
};

CliRun Cli(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  CliRun run;
  run.status = RunCli(args, in, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::vector<std::string> kDelhi = {"chart",   "--name",   "ASHA",      "--date", "1990-08-15",
                                         "--time",  "06:30:15", "--zone",    "34",     "--lat",
                                         "28N37",   "--lon",    "77E13",     "--city", "New Delhi",
                                         "--state", "Delhi",    "--country", "India"};

// The arguments with an option's value replaced, or the option removed.
std::vector<std::string> With(std::vector<std::string> args, const std::string& option,
                              const std::string& value) {
  *(std::find(args.begin(), args.end(), option) + 1) = value;
  return args;
}

std::vector<std::string> Without(std::vector<std::string> args, const std::string& option) {
  const auto at = std::find(args.begin(), args.end(), option);
  args.erase(at, at + 2);
  return args;
}

std::vector<std::string> Plus(std::vector<std::string> args, const std::string& flag) {
  args.push_back(flag);
  return args;
}

TEST(CliZones, ListsTheSeventyOneRows) {
  const CliRun run = Cli({"zones"});
  EXPECT_EQ(run.status, kExitOk);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 72u);
  EXPECT_EQ(lines[1 + 34], "   34    -5     -30  Indian Time, IST, +5.3");
  EXPECT_EQ(lines[1 + 70], "   70     8       0  Yukon War Time,YWT,-8.0");
}

TEST(CliStations, ListsAPlanetsRowsInTheStationFormat) {
  struct Case {
    const char* planet;
    std::size_t rows;
    const char* first;
    const char* last;
  };
  const Case cases[] = {
      {"Mercury", 476, "3,15,1900,13,19, 4,7,1900,18,42,", "12,1,2050,17,17, 12,21,2050,11,33,"},
      {"Pluto", 151, "9,16,1899,5,48, 2,27,1900,7,36,", "6,10,2050,3,49, 11,21,2050,16,16,"},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli({"stations", c.planet});
    EXPECT_EQ(run.status, kExitOk);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), c.rows) << c.planet;
    EXPECT_EQ(lines.front(), c.first);
    EXPECT_EQ(lines.back(), c.last);
  }
  const CliRun unknown = Cli({"stations", "mercury"});
  EXPECT_EQ(unknown.status, kExitBadInput);
  EXPECT_NE(unknown.err.find("no station table for \"mercury\""), std::string::npos);
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

// The parts of a chart that must hang together whatever the engine computes.
void ExpectConsistentChart(const Json& chart) {
  EXPECT_EQ(chart.size(), 22u);  // the keys docs/chart.schema.json lists
  const int ascSign = chart.at("asc_sign");
  const int sign = chart.at("pranapada").at("sign");
  const int house = chart.at("pranapada").at("house");
  ASSERT_GE(sign, 1);
  ASSERT_LE(sign, 12);
  EXPECT_EQ(house, (sign - ascSign + 12) % 12 + 1);
  int tags = 0;
  for (std::size_t k = 0; k < 12; ++k) {
    const std::string cell = chart.at("special_cells").at(k);
    if (cell.find("PpL") != std::string::npos) {
      ++tags;
      EXPECT_EQ(static_cast<int>(k) + 1, sign);
    }
  }
  EXPECT_EQ(tags, 1);
  const std::string ascCell = chart.at("sign_cells").at(static_cast<std::size_t>(ascSign - 1));
  EXPECT_NE(ascCell.find("Asc"), std::string::npos);
  EXPECT_FALSE(chart.at("house_text").get<std::string>().empty());
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

const std::vector<std::string> kNewYorkByPlace = {"chart",         "--name", "ASHA",  "--date",
                                                  "1976-07-04",    "--time", "06:30", "--place",
                                                  "New York, USA", "--json"};

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

TEST(CliExample, ChartsTheBuiltInBirth) {
  const CliRun run = Cli({"example"});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_NE(run.out.find("ASHA MEHTA"), std::string::npos);
  EXPECT_NE(run.out.find("28 37' N"), std::string::npos);
  EXPECT_NE(run.out.find("Surya/Sun"), std::string::npos);
}

std::string BatchLine(const std::string& name, int hour, const std::string& extra = "") {
  return R"({"name":")" + name + R"(","year":1990,"month":8,"day":15,"hour":)" +
         std::to_string(hour) +
         R"(,"minute":30,"zone":34,"lat_deg":28,"lat_min":37,"lon_deg":77,"lon_min":13)" + extra +
         "}";
}

TEST(CliBatch, OneLineOutPerLineInWithErrorsInPlace) {
  const std::string input = BatchLine("FIRST", 6) + "\n" + "{not json\n" +
                            BatchLine("THIRD", 23, R"(,"dst":true,"south":true)") + "\n" +
                            BatchLine("FOURTH", 24) + "\n" + "\n" + BatchLine("SIXTH", 0);
  const CliRun run = Cli({"batch"}, input);
  EXPECT_EQ(run.status, kExitFailedLines);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 6u) << run.out;
  const std::pair<int, const char*> errors[] = {
      {2, "line: malformed JSON"}, {4, "hour: hour 24 is not within 0 to 23"}, {5, "line: empty"}};
  for (const auto& [number, message] : errors) {
    const Json error = Json::parse(lines[static_cast<std::size_t>(number - 1)]);
    EXPECT_EQ(error["line"], number);
    EXPECT_NE(error["error"].get<std::string>().find(message), std::string::npos) << error;
    EXPECT_EQ(error["kind"], "input") << error;
  }
  const std::pair<int, const char*> charts[] = {{1, "FIRST"}, {3, "THIRD"}, {6, "SIXTH"}};
  for (const auto& [number, name] : charts) {
    const Json chart = Json::parse(lines[static_cast<std::size_t>(number - 1)]);
    EXPECT_EQ(chart["details"]["name"], name);
    ExpectConsistentChart(chart);
  }
  EXPECT_EQ(Json::parse(lines[2])["dst"], true);
  EXPECT_EQ(Json::parse(lines[2])["details"]["latitude"], "28 37' S");
}

TEST(CliBatch, SameChartAsTheChartCommand) {
  const CliRun batch = Cli({"batch", "-"}, BatchLine("ASHA", 6,
                                                     R"(,"second":15,"city":"New Delhi",)"
                                                     R"("state":"Delhi","country":"India")"));
  EXPECT_EQ(batch.status, kExitOk) << batch.out;
  EXPECT_EQ(batch.out, Cli(Plus(kDelhi, "--json")).out);
}

TEST(CliBatch, ReadsAFileInOrderOverManyChunks) {
  std::string input;
  for (int i = 0; i < 3000; ++i) input += BatchLine(std::to_string(i) + "N", i % 24) + "\n";
  const auto path = std::filesystem::temp_directory_path() / "velquor_cli_batch_test.jsonl";
  std::ofstream(path, std::ios::binary) << input;
  const CliRun fromFile = Cli({"batch", path.string()});
  std::filesystem::remove(path);
  EXPECT_EQ(fromFile.status, kExitOk);
  const auto lines = Lines(fromFile.out);
  ASSERT_EQ(lines.size(), 3000u);
  for (std::size_t i = 0; i < lines.size(); i += 97) {
    EXPECT_EQ(Json::parse(lines[i])["details"]["name"], std::to_string(i) + "N");
  }
  EXPECT_EQ(Cli({"batch"}, input).out, fromFile.out);
}

TEST(CliOutput, AFailingOutputIsReported) {
  const std::vector<std::vector<std::string>> commands = {
      kDelhi, {"batch"}, {"zones"}, {"stations", "Mercury"}, {"example"}};
  for (const auto& args : commands) {
    std::istringstream in(BatchLine("ASHA", 6));
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(RunCli(args, in, out, err), kExitIoFailure) << args[0];
    EXPECT_NE(err.str().find("writing the output failed"), std::string::npos) << err.str();
  }
}

// A name or a place can hold terminal controls: neither the chart nor a message passes
// them on raw.
TEST(CliOutput, ControlCharactersReachNoTerminal) {
  const std::string evil = "\x1B]0;owned\x07\x1B[2J";
  const CliRun chart = Cli(With(With(kDelhi, "--name", evil), "--city", "A\rB"));
  EXPECT_EQ(chart.status, kExitOk);
  EXPECT_NE(chart.out.find("\\x1b]0;owned\\x07\\x1b[2J"), std::string::npos) << chart.out;
  EXPECT_NE(chart.out.find("A\\x0dB"), std::string::npos);
  const std::vector<std::vector<std::string>> failing = {
      {"places", evil},
      {"stations", evil},
      {"batch", evil},
      With(kDelhi, "--zone", evil),
      Plus(Plus(kDelhi, "--nme"), evil),
  };
  for (const auto& args : failing) {
    const CliRun run = Cli(args);
    EXPECT_NE(run.status, kExitOk) << args[0];
    EXPECT_EQ(run.err.find('\x1B'), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\\x1b"), std::string::npos) << run.err;
  }
  const CliRun json = Cli(Plus(With(kDelhi, "--name", evil), "--json"));
  EXPECT_EQ(Json::parse(json.out)["details"]["name"],
            evil);  // JSON escapes by itself; the value is kept
}

// `batch FILE >> FILE` would read its own output forever: refused, whichever way the file
// comes in; another file, or output elsewhere, is charted.
TEST(CliBatch, RefusesAnInputFileThatIsAlsoTheOutput) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("velquor-same-" + std::to_string(getpid()));
  std::ofstream(path) << BatchLine("ASHA", 6) << '\n';
  const int file = open(path.c_str(), O_RDWR | O_APPEND);
  ASSERT_GE(file, 0);
  const auto run = [&](const std::vector<std::string>& args, StandardFds fds) {
    std::ifstream in(path);
    std::ostringstream out, err;
    return std::pair{RunCli(args, in, out, err, fds), err.str()};
  };
  const auto [status, message] = run({"batch", path.string()}, {-1, file});
  EXPECT_EQ(status, kExitBadInput);
  EXPECT_NE(message.find("is also the standard output"), std::string::npos) << message;
  EXPECT_EQ(run({"batch"}, {file, file}).first, kExitBadInput);
  EXPECT_EQ(run({"batch", path.string()}, {-1, -1}).first, kExitOk);
  EXPECT_EQ(run({"batch"}, {-1, file}).first, kExitOk);  // standard input is not the file
  close(file);
  std::filesystem::remove(path);
}

TEST(CliHabits, VersionHelpAndUnknownCommands) {
  const CliRun version = Cli({"--version"});
  EXPECT_EQ(version.status, kExitOk);
  EXPECT_EQ(version.out, std::string("velquor-cli ") + VELQUOR_VERSION + "\n");

  // help COMMAND is COMMAND --help; help alone lists every command. (CLI11 lists the
  // options an option excludes in no fixed order: those lines are left out.)
  const auto withoutExcludes = [](const std::string& text) {
    std::vector<std::string> lines = Lines(text);
    std::erase_if(
        lines, [](const std::string& line) { return line.find("Excludes:") != std::string::npos; });
    return lines;
  };
  for (const char* command : {"chart", "windows", "batch", "zones", "places", "stations"}) {
    const CliRun help = Cli({"help", command});
    EXPECT_EQ(help.status, kExitOk) << command;
    EXPECT_EQ(withoutExcludes(help.out), withoutExcludes(Cli({command, "--help"}).out)) << command;
    EXPECT_NE(Cli({"help"}).out.find(command), std::string::npos) << command;
  }
  const CliRun unknown = Cli({"chrat", "--name", "A"});
  EXPECT_EQ(unknown.status, kExitBadInput);
  EXPECT_NE(unknown.err.find("unknown command \"chrat\"; the commands are chart,"),
            std::string::npos)
      << unknown.err;
  EXPECT_EQ(Cli({"help", "chrat"}).status, kExitBadInput);
}

TEST(CliBatch, AMissingFileIsBadInput) {
  const CliRun run = Cli({"batch", "no/such/file.jsonl"});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_NE(run.err.find("cannot open no/such/file.jsonl"), std::string::npos);
}

}  // namespace
}  // namespace velquor

namespace velquor {
namespace {

const std::vector<std::string> kWindowsOfAsha = {
    "windows", "--name", "ASHA MEHTA", "--date", "1985-03-21", "--time", "10:45",
    "--zone",  "34",     "--lat",      "28N37",  "--lon",      "77E13"};

std::vector<std::string> With(std::vector<std::string> args, std::vector<std::string> more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The JSON array says what the table says, interval by interval, and both what the chart
// says at the birth time.
TEST(CliWindows, JsonAndTableDescribeTheSameIntervals) {
  const CliRun json = Cli(With(kWindowsOfAsha, {"--span", "20", "--json"}));
  ASSERT_EQ(json.status, kExitOk) << json.err;
  const Json intervals = Json::parse(json.out);
  const CliRun table = Cli(With(kWindowsOfAsha, {"--span", "20"}));
  ASSERT_EQ(table.status, kExitOk) << table.err;
  const std::vector<std::string> rows = Lines(table.out);
  // A heading, the conventions and the column captions.
  ASSERT_EQ(rows.size(), intervals.size() + 3) << table.out;

  const CliRun chart = Cli({"chart", "--name", "ASHA MEHTA", "--date", "1985-03-21", "--time",
                            "10:45", "--zone", "34", "--lat", "28N37", "--lon", "77E13", "--json"});
  const Json birth = Json::parse(chart.out);
  int marked = 0;
  for (std::size_t i = 0; i < intervals.size(); ++i) {
    const Json& interval = intervals[i];
    const std::string& row = rows[i + 3];
    EXPECT_EQ(row.substr(2, 19), interval["from"].get<std::string>());
    EXPECT_EQ(row.substr(23, 19), interval["to"].get<std::string>());
    for (const char* key : {"pranapada_sign", "ascendant_sign", "house_from_ascendant",
                            "house_from_moon", "moon_sign"}) {
      EXPECT_GE(interval[key].get<int>(), 1) << key;
      EXPECT_LE(interval[key].get<int>(), 12) << key;
    }
    const bool holdsBirth =
        interval["from"] <= "1985-03-21 10:45:00" && "1985-03-21 10:45:00" <= interval["to"];
    EXPECT_EQ(row[0] == '>', holdsBirth) << row;
    if (!holdsBirth) continue;
    ++marked;
    EXPECT_EQ(interval["pranapada_sign"], birth["pranapada"]["sign"]) << birth["pranapada"];
    EXPECT_EQ(interval["house_from_ascendant"], birth["pranapada"]["house"]);
    EXPECT_EQ(interval["reference_sunrise"], birth["reference_sunrise"]);
    EXPECT_EQ(interval["check"]["ascendant"],
              interval["house_from_ascendant"] == 1 || interval["house_from_ascendant"] == 5 ||
                  interval["house_from_ascendant"] == 9 || interval["house_from_ascendant"] == 7);
  }
  EXPECT_EQ(marked, 1);
  EXPECT_EQ(intervals.front()["from"], "1985-03-21 10:25:00");
  EXPECT_EQ(intervals.back()["to"], "1985-03-21 11:05:00");
}

TEST(CliWindows, APolarIntervalSaysWhy) {
  const CliRun run =
      Cli({"windows", "--name", "T", "--date", "2000-11-27", "--time", "12:00", "--zone", "20",
           "--lat", "69N39", "--lon", "18E57", "--span", "60", "--json"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const Json last = Json::parse(run.out).back();
  EXPECT_EQ(last["kind"], "polar");
  EXPECT_NE(last["error"].get<std::string>().find("no sunrise"), std::string::npos);
  EXPECT_FALSE(last.contains("pranapada_sign"));
}

TEST(CliWindows, BadSpansAndBirthsAreBadInput) {
  for (const char* span : {"-1", "721", "abc"}) {
    const CliRun run = Cli(With(kWindowsOfAsha, {"--span", span}));
    EXPECT_EQ(run.status, kExitBadInput) << span;
    EXPECT_NE(run.err.find("--span"), std::string::npos) << run.err;
  }
  const CliRun late = Cli({"windows", "--name", "A", "--date", "2051-01-01", "--time", "10:45",
                           "--zone", "34", "--lat", "28N37", "--lon", "77E13"});
  EXPECT_EQ(late.status, kExitBadInput);
  EXPECT_NE(late.err.find("--date"), std::string::npos) << late.err;
}

}  // namespace
}  // namespace velquor

namespace velquor {
namespace {

const std::vector<std::string> kChartOfAsha = {
    "chart",  "--name", "ASHA MEHTA", "--date", "1985-03-21", "--time", "21:45",
    "--zone", "34",     "--lat",      "28N37",  "--lon",      "77E13",  "--json"};

std::vector<std::string> ChartWith(std::vector<std::string> more) {
  std::vector<std::string> args = kChartOfAsha;
  args.insert(args.end(), more.begin(), more.end());
  return args;
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

}  // namespace
}  // namespace velquor
