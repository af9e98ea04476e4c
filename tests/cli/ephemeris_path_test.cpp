// velquor-cli with the Swiss Ephemeris folder in the environment, as processes:
// VELQUOR_EPHE_PATH wins over the library's own SE_EPHE_PATH, and a folder list longer than
// the library takes, in either variable, is an error naming the variable rather than passed
// over.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "astro/precise_ephemeris.h"

namespace velquor {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kPreciseChart = {
    "chart", "--name", "ASHA",  "--date", "1985-03-21", "--time",      "10:45",  "--zone",
    "34",    "--lat",  "28N37", "--lon",  "77E13",      "--ephemeris", "precise"};

struct ToolRun {
  int status = -1;
  std::string err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class EphemerisPath : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("velquor-ephe-" + std::to_string(getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    empty_ = root_ / "empty";
    fs::create_directories(empty_);
    if (!fs::exists(fs::path(kDefaultEphemerisFolder) / "sepl_18.se1"))
      GTEST_SKIP() << "swe-basic-data is not installed";
  }
  void TearDown() override { fs::remove_all(root_); }

  // The precise chart with `variables` (and no other ephemeris variable) in the environment.
  ToolRun Run(const std::map<std::string, std::string>& variables) const {
    const fs::path err = root_ / "stderr";
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string text = *entry;
      if (text.rfind("SE_EPHE_PATH=", 0) != 0 && text.rfind("VELQUOR_EPHE_PATH=", 0) != 0)
        environment.push_back(text);
    }
    for (const auto& [name, value] : variables) environment.push_back(name + "=" + value);
    const pid_t pid = fork();
    if (pid == 0) {
      const int nullFd = open("/dev/null", O_RDWR);
      const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(nullFd, 0);
      dup2(nullFd, 1);
      dup2(errFd, 2);
      alarm(60);
      std::vector<std::string> args = kPreciseChart;
      std::vector<char*> argv{const_cast<char*>("velquor-cli")};
      for (std::string& arg : args) argv.push_back(arg.data());
      argv.push_back(nullptr);
      std::vector<char*> envp;
      for (std::string& entry : environment) envp.push_back(entry.data());
      envp.push_back(nullptr);
      execve(VELQUOR_CLI_PATH, argv.data(), envp.data());
      _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(err)};
  }

  fs::path root_, empty_;
};

TEST_F(EphemerisPath, VelquorsVariableWinsOverTheLibrarysOwn) {
  const ToolRun ours =
      Run({{"VELQUOR_EPHE_PATH", kDefaultEphemerisFolder}, {"SE_EPHE_PATH", empty_.string()}});
  EXPECT_EQ(ours.status, 0) << ours.err;
  const ToolRun emptyOurs =
      Run({{"VELQUOR_EPHE_PATH", empty_.string()}, {"SE_EPHE_PATH", kDefaultEphemerisFolder}});
  EXPECT_EQ(emptyOurs.status, 4) << emptyOurs.err;
  EXPECT_NE(emptyOurs.err.find("sepl_18.se1"), std::string::npos) << emptyOurs.err;
  // Without ours the library's variable is still read.
  const ToolRun theirs = Run({{"SE_EPHE_PATH", empty_.string()}});
  EXPECT_EQ(theirs.status, 4) << theirs.err;
}

// Folder lists around the library's limit: the real folder first, then folders that do not
// exist up to the length. Up to the limit they chart; past it they are an error naming the
// variable and the limit.
TEST_F(EphemerisPath, FolderListsPastTheLibrarysBufferAreRefused) {
  for (const char* variable : {"VELQUOR_EPHE_PATH", "SE_EPHE_PATH"}) {
    for (std::size_t length = kMaxEphemerisPathLength - 2; length <= kMaxEphemerisPathLength + 3;
         ++length) {
      std::string list = std::string(kDefaultEphemerisFolder) + ":/";
      list.append(length - list.size(), 'x');
      ASSERT_EQ(list.size(), length);
      const ToolRun run = Run({{variable, list}});
      if (length <= kMaxEphemerisPathLength) {
        EXPECT_EQ(run.status, 0) << variable << " " << length << ": " << run.err;
      } else {
        EXPECT_EQ(run.status, 4) << variable << " " << length;
        EXPECT_NE(run.err.find(variable), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(std::to_string(kMaxEphemerisPathLength)), std::string::npos)
            << run.err;
      }
    }
  }
}

}  // namespace
}  // namespace velquor
