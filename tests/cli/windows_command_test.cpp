// velquor-cli windows: the table and the JSON of the sign windows agree with each other
// and with the chart at the birth time.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "astro/date_time.h"
#include "cli/cli_app.h"
#include "cli_run.h"

namespace velquor::test {
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

// The UTC second of a "YYYY-MM-DD HH:MM:SS" clock reading at an offset such as "-4:00".
std::int64_t UtcOf(const std::string& clock, const std::string& offset) {
  const LocalDateTime t{std::stoi(clock.substr(0, 4)),  std::stoi(clock.substr(5, 2)),
                        std::stoi(clock.substr(8, 2)),  std::stoi(clock.substr(11, 2)),
                        std::stoi(clock.substr(14, 2)), std::stoi(clock.substr(17, 2))};
  const int sign = offset[0] == '-' ? -1 : 1;
  const std::size_t colon = offset.find(':');
  const int seconds = sign * (std::stoi(offset.substr(1, colon - 1)) * 3600 +
                              std::stoi(offset.substr(colon + 1, 2)) * 60);
  return SecondsSinceEpoch(t) - seconds;
}

std::vector<std::string> WindowsInNewYork(const std::string& date, const std::string& time,
                                          int span) {
  return {"windows", "--name", "A",  "--place", "New York",          "--date",
          date,      "--time", time, "--span",  std::to_string(span)};
}

// Around the nights the clocks change, the intervals are real instants: read back with their
// offsets they cover the span second by second, no clock time the clocks skipped is listed,
// the table says the same as the JSON, and each change is named once.
TEST(CliWindows, ClockChangesListOnlyClockTimesThatHappened) {
  struct Night {
    const char* date;
    const char* time;
    const char* skippedFrom;  // the first clock time that never happened, or nullptr
    const char* change;
  };
  const Night nights[] = {
      {"2021-03-14", "01:50", "2021-03-14 02:", "went forward"},
      {"2021-03-14", "03:10", "2021-03-14 02:", "went forward"},
      {"2021-11-07", "00:45", nullptr, "went back"},
  };
  int crossing = 0;
  for (const Night& night : nights) {
    for (const int span : {20, 45, 90}) {
      const std::vector<std::string> args = WindowsInNewYork(night.date, night.time, span);
      const CliRun json = Cli(With(args, {"--json"}));
      ASSERT_EQ(json.status, kExitOk) << json.err;
      const Json intervals = Json::parse(json.out);
      const CliRun table = Cli(args);
      ASSERT_EQ(table.status, kExitOk) << table.err;
      const bool crosses = table.out.find(night.change) != std::string::npos;
      if (!crosses) continue;  // this span stays on one side
      ++crossing;
      std::int64_t next = 0;
      for (std::size_t i = 0; i < intervals.size(); ++i) {
        const Json& interval = intervals[i];
        ASSERT_TRUE(interval.contains("from_offset")) << interval.dump();
        const std::string from = interval["from"], to = interval["to"];
        if (night.skippedFrom != nullptr) {
          EXPECT_NE(from.rfind(night.skippedFrom, 0), 0U) << from;
          EXPECT_NE(to.rfind(night.skippedFrom, 0), 0U) << to;
        }
        const std::int64_t first = UtcOf(from, interval["from_offset"]);
        const std::int64_t last = UtcOf(to, interval["to_offset"]);
        EXPECT_LE(first, last) << from << " " << to;
        if (i > 0) {
          EXPECT_EQ(first, next) << from;
        }
        next = last + 1;
        // The table's row holds the same two readings with their offsets.
        const std::string row = std::string(from) + " " + std::string(interval["from_offset"]) +
                                "  " + std::string(to) + " " + std::string(interval["to_offset"]);
        EXPECT_NE(table.out.find(row), std::string::npos) << row;
      }
      const std::int64_t covered =
          UtcOf(intervals.back()["to"], intervals.back()["to_offset"]) -
          UtcOf(intervals.front()["from"], intervals.front()["from_offset"]);
      EXPECT_EQ(covered, 2 * 60 * span) << night.date << " " << span;
      EXPECT_EQ(Lines(table.out).size(), intervals.size() + 4) << table.out;
    }
  }
  EXPECT_GE(crossing, 6);
}

// Away from a clock change the place's windows read as the zone row's: the same table and
// JSON as with that row given.
TEST(CliWindows, WithoutAClockChangeThePlaceGivesTheRowsTimes) {
  const std::vector<std::string> byPlace = WindowsInNewYork("2021-07-14", "01:50", 90);
  std::vector<std::string> byRow = {"windows",
                                    "--name",
                                    "A",
                                    "--date",
                                    "2021-07-14",
                                    "--time",
                                    "01:50",
                                    "--span",
                                    "90",
                                    "--lat",
                                    "40N43",
                                    "--lon",
                                    "74W00",
                                    "--zone",
                                    "Eastern Standard Time,EST,-5.0",
                                    "--dst",
                                    "--city",
                                    "New York",
                                    "--state",
                                    "New York",
                                    "--country",
                                    "United States of America"};
  for (const bool json : {false, true}) {
    const CliRun place = Cli(json ? With(byPlace, {"--json"}) : byPlace);
    const CliRun row = Cli(json ? With(byRow, {"--json"}) : byRow);
    ASSERT_EQ(place.status, kExitOk) << place.err;
    ASSERT_EQ(row.status, kExitOk) << row.err;
    EXPECT_EQ(place.out, row.out);
    EXPECT_EQ(place.out.find("offset"), std::string::npos);
  }
}

}  // namespace
}  // namespace velquor::test
