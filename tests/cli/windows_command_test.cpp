// velquor-cli windows: the table and the JSON of the sign windows agree with each other
// and with the chart at the birth time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace velquor::test
