// velquor-cli chart --export as a process: a page in each style and format, exit status 2
// for options that name no style, paper or format, 4 for a file that cannot be written, and
// never a file, nor a part of one, left behind by a failed export.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace velquor {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kBirth = {"chart",  "--name", "ASHA MEHTA", "--date", "1985-03-21",
                                         "--time", "10:45",  "--zone",     "34",     "--lat",
                                         "28N37",  "--lon",  "77E13"};

struct ToolRun {
  int status = -1;
  std::string out, err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs the tool with the birth's options and `more`; `fileSizeLimit` > 0 makes every write
// past that many bytes fail as on a full disk.
ToolRun RunTool(const std::vector<std::string>& more, const fs::path& folder,
                rlim_t fileSizeLimit = 0) {
  std::vector<std::string> args = kBirth;
  args.insert(args.end(), more.begin(), more.end());
  const fs::path out = folder.parent_path() / "stdout", err = folder.parent_path() / "stderr";
  const pid_t pid = fork();
  if (pid == 0) {
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(outFd, 1);
    dup2(errFd, 2);
    if (fileSizeLimit > 0) {
      signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
      const rlimit limit{fileSizeLimit, fileSizeLimit};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::vector<char*> argv{const_cast<char*>("velquor-cli")};
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(VELQUOR_CLI_PATH, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
}

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

class CliExport : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("velquor-export-" + std::to_string(getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    folder_ = root_ / "pages";
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_, folder_;
};

TEST_F(CliExport, EachStyleAndFormatWritesItsPage) {
  struct Case {
    const char* style;
    const char* file;
    std::string magic;
  };
  const Case cases[] = {
      {"south", "page.png", "\x89PNG"},
      {"north", "page.svg", "<?xml"},
      {"east", "page.PDF", "%PDF-"},
  };
  for (const Case& c : cases) {
    const fs::path file = folder_ / c.file;
    const ToolRun run =
        RunTool({"--style", c.style, "--export", file.string(), "--paper", "letter"}, folder_);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");  // the page stands in for the readable chart
    EXPECT_EQ(ReadFile(file).substr(0, c.magic.size()), c.magic) << c.file;
  }
}

TEST_F(CliExport, JsonStillGoesToTheStandardOutput) {
  const ToolRun run = RunTool({"--json", "--export", (folder_ / "page.svg").string()}, folder_);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(nlohmann::json::accept(run.out)) << run.out;
  EXPECT_TRUE(fs::exists(folder_ / "page.svg"));
}

TEST_F(CliExport, BadOptionsAreExitTwoNamingTheOption) {
  const std::string pdf = (folder_ / "page.pdf").string();
  struct Case {
    std::vector<std::string> options;
    std::string named;
  };
  const Case cases[] = {
      {{"--export", (folder_ / "page.txt").string()}, "--export"},
      {{"--export", (folder_ / "page").string()}, "--export"},
      {{"--style", "west", "--export", pdf}, "--style"},
      {{"--style", "north"}, "--style"},  // a style for no page
      {{"--paper", "b5", "--export", pdf}, "--paper"},
      {{"--dpi", "150", "--export", pdf}, "--dpi"},
      {{"--dpi", "5000", "--export", (folder_ / "page.png").string()}, "--dpi"},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(c.options, folder_);
    EXPECT_EQ(run.status, 2) << c.named;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    EXPECT_TRUE(Entries(folder_).empty()) << c.named;
  }
}

TEST_F(CliExport, UnwritableFilesAreExitFourNamingTheFile) {
  fs::create_directory(folder_ / "taken.pdf");
  for (const fs::path& file : {folder_ / "missing" / "page.pdf", folder_ / "taken.pdf"}) {
    const ToolRun run = RunTool({"--export", file.string()}, folder_);
    EXPECT_EQ(run.status, 4) << file;
    EXPECT_NE(run.err.find(file.string()), std::string::npos) << run.err;
  }
  EXPECT_EQ(Entries(folder_), std::vector<std::string>{"taken.pdf"});
}

// A full disk mid-write: the old page stays whole and no temporary file is left.
TEST_F(CliExport, FullDiskKeepsTheOldPageAndLeavesNoPart) {
  for (const char* name : {"page.pdf", "page.png", "page.svg"}) {
    const fs::path file = folder_ / name;
    std::ofstream(file) << "the old page";
    const ToolRun run = RunTool({"--export", file.string()}, folder_, 4096);
    EXPECT_EQ(run.status, 4) << name;
    EXPECT_NE(run.err.find(file.string()), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(file), "the old page");
    EXPECT_EQ(Entries(folder_), std::vector<std::string>{name});
    fs::remove(file);
  }
}

// --dpi in decimal, leading zeros and all: 0100 is a hundred dots per inch (an A4 page 827
// pixels wide), not the octal 64.
TEST_F(CliExport, DpiWithLeadingZerosIsDecimal) {
  const fs::path padded = folder_ / "padded.png", plain = folder_ / "plain.png";
  ASSERT_EQ(RunTool({"--export", padded.string(), "--dpi", "0100"}, folder_).status, 0);
  ASSERT_EQ(RunTool({"--export", plain.string(), "--dpi", "100"}, folder_).status, 0);
  const std::string page = ReadFile(padded);
  EXPECT_EQ(page, ReadFile(plain));
  ASSERT_GT(page.size(), 24U);
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(page[i]); };
  EXPECT_EQ((byte(16) << 24U) | (byte(17) << 16U) | (byte(18) << 8U) | byte(19), 827U);
}

}  // namespace
}  // namespace velquor
