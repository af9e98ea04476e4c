// velquor-cli batch in this process: one answer a line in input order, errors in place,
// the chart command's charts, and the input files it refuses.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_app.h"
#include "cli_run.h"

namespace velquor::test {
namespace {

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

TEST(CliBatch, AMissingFileIsBadInput) {
  const CliRun run = Cli({"batch", "no/such/file.jsonl"});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_NE(run.err.find("cannot open no/such/file.jsonl"), std::string::npos);
}

}  // namespace
}  // namespace velquor::test
