// velquor-cli's files that are not regular files: every output path (chart --export, births
// export) and --db refuse a FIFO, a device and a directory with exit status 4 and a message
// naming the path, leave it as it is and never wait on it; a symbolic link to a file is
// written through. Run as processes, each stopped by an alarm should it hang.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velquor {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kAlarmSeconds = 20;

const std::vector<std::string> kBirth = {"chart",  "--name", "ASHA MEHTA", "--date", "1985-03-21",
                                         "--time", "10:45",  "--zone",     "34",     "--lat",
                                         "28N37",  "--lon",  "77E13"};

struct ToolRun {
  int status = -1;  // -1: ended by a signal (the alarm: it hung)
  std::string out, err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class OutputPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("velquor-paths-" + std::to_string(getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    folder_ = root_ / "files";
    fs::create_directories(folder_);
    ASSERT_EQ(mkfifo((folder_ / "fifo").c_str(), 0600), 0);
    fs::create_directory(folder_ / "folder");
  }
  void TearDown() override { fs::remove_all(root_); }

  // The tool with `args`, its standard input empty, its outputs in files beside the folder.
  ToolRun Run(std::vector<std::string> args) const {
    const fs::path out = root_ / "stdout", err = root_ / "stderr";
    const pid_t pid = fork();
    if (pid == 0) {
      const int inFd = open("/dev/null", O_RDONLY);
      const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(inFd, 0);
      dup2(outFd, 1);
      dup2(errFd, 2);
      alarm(kAlarmSeconds);
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

  // Runs `args` and expects exit status 4 naming `path`, which is left of the same kind.
  void ExpectRefused(const std::vector<std::string>& args, const fs::path& path) const {
    const fs::file_type before = fs::status(path).type();
    const ToolRun run = Run(args);
    EXPECT_EQ(run.status, 4) << path << ": " << run.err;
    EXPECT_NE(run.err.find(path.string()), std::string::npos) << run.err;
    EXPECT_EQ(fs::status(path).type(), before) << path;
  }

  std::string Db() const { return (folder_ / "births.sqlite").string(); }

  fs::path root_, folder_;
};

TEST_F(OutputPaths, ChartExportRefusesAFifoAndAFolder) {
  for (const char* extension : {".svg", ".png", ".pdf"}) {
    const fs::path fifo = folder_ / (std::string("page") + extension);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::vector<std::string> args = kBirth;
    args.insert(args.end(), {"--export", fifo.string()});
    ExpectRefused(args, fifo);
    fs::remove(fifo);
    const fs::path folder = folder_ / (std::string("taken") + extension);
    fs::create_directory(folder);
    args.back() = folder.string();
    ExpectRefused(args, folder);
  }
}

TEST_F(OutputPaths, BirthsExportRefusesAFifoAndAFolder) {
  ASSERT_EQ(Run({"births", "--db", Db(), "import"}).status, 0);  // an empty database
  for (const fs::path& path : {folder_ / "fifo", folder_ / "folder"}) {
    for (const char* format : {"jsonl", "csv"}) {
      ExpectRefused({"births", "--db", Db(), "export", "--format", format, path.string()}, path);
    }
  }
}

// A FIFO as the database neither hangs nor lists; a device (only looked at) and a folder
// are no database either.
TEST_F(OutputPaths, DatabaseThatIsNoRegularFileIsRefusedWithoutWaiting) {
  const fs::path device = "/dev/null";
  struct stat info {};
  const bool haveDevice = stat(device.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
  std::vector<fs::path> paths = {folder_ / "fifo", folder_ / "folder"};
  if (haveDevice) paths.push_back(device);
  for (const fs::path& path : paths) {
    ExpectRefused({"births", "--db", path.string(), "list"}, path);
    ExpectRefused({"births", "--db", path.string(), "export"}, path);
    if (path != device) ExpectRefused({"births", "--db", path.string(), "import"}, path);
  }
}

TEST_F(OutputPaths, SymbolicLinksToFilesAreWrittenThrough) {
  ASSERT_EQ(Run({"births", "--db", Db(), "import"}).status, 0);
  const fs::path target = folder_ / "target.jsonl", link = folder_ / "link.jsonl";
  std::ofstream(target) << "old\n";
  fs::create_symlink(target, link);
  const ToolRun exported = Run({"births", "--db", Db(), "export", link.string()});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFile(target), "");  // an empty database exports nothing

  const fs::path page = folder_ / "page.svg", pageLink = folder_ / "page-link.svg";
  std::ofstream(page) << "old";
  fs::create_symlink(page, pageLink);
  std::vector<std::string> args = kBirth;
  args.insert(args.end(), {"--export", pageLink.string()});
  const ToolRun drawn = Run(args);
  EXPECT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_TRUE(fs::is_symlink(pageLink));
  EXPECT_NE(ReadFile(page).find("<svg"), std::string::npos);

  // The database through a link too.
  const fs::path dbLink = folder_ / "db-link.sqlite";
  fs::create_symlink(Db(), dbLink);
  const ToolRun listed = Run({"births", "--db", dbLink.string(), "list"});
  EXPECT_EQ(listed.status, 0) << listed.err;
  EXPECT_TRUE(fs::is_symlink(dbLink));
}

}  // namespace
}  // namespace velquor
