// velquor-cli zones and stations: the tables as the tool lists them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli_run.h"

namespace velquor::test {
namespace {

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

}  // namespace
}  // namespace velquor::test
