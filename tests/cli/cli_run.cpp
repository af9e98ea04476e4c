#include "cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "births/input_error.h"
#include "cli/cli_app.h"

namespace velquor::test {

CliRun Cli(const std::vector<std::string>& args, const std::string& input) {
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

void ExpectFault(const std::function<void()>& parse, const std::string& field,
                 const std::string& what) {
  try {
    parse();
    ADD_FAILURE() << what << " accepted";
  } catch (const InputError& error) {
    EXPECT_EQ(error.field(), field) << what;
  }
}

std::string BatchLine(const std::string& name, int hour, const std::string& extra) {
  return R"({"name":")" + name + R"(","year":1990,"month":8,"day":15,"hour":)" +
         std::to_string(hour) +
         R"(,"minute":30,"zone":34,"lat_deg":28,"lat_min":37,"lon_deg":77,"lon_min":13)" + extra +
         "}";
}

}  // namespace velquor::test
