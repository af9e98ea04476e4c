// The built velquor-cli as a process: what only a real pipe and a real signal show.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace velquor {
namespace {

constexpr const char* kLine =
    R"({"name":"ASHA","year":1990,"month":8,"day":15,"hour":6,"minute":30,"zone":34,)"
    R"("lat_deg":28,"lat_min":37,"lon_deg":77,"lon_min":13})";

// velquor-cli batch running with its standard input and output on pipes (or input from a
// file), killed when the test ends early.
class BatchProcess {
 public:
  explicit BatchProcess(const std::string& inputFile = "") {
    int input[2];
    int output[2];
    if (pipe(input) != 0 || pipe(output) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
      dup2(input[0], 0);
      dup2(output[1], 1);
      close(input[0]);
      close(input[1]);
      close(output[0]);
      close(output[1]);
      if (inputFile.empty()) {
        execl(VELQUOR_CLI_PATH, "velquor-cli", "batch", nullptr);
      } else {
        execl(VELQUOR_CLI_PATH, "velquor-cli", "batch", inputFile.c_str(), nullptr);
      }
      _exit(127);
    }
    close(input[0]);
    close(output[1]);
    toChild_ = input[1];
    fromChild_ = output[0];
  }

  ~BatchProcess() {
    if (toChild_ >= 0) close(toChild_);
    close(fromChild_);
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  BatchProcess(const BatchProcess&) = delete;
  BatchProcess& operator=(const BatchProcess&) = delete;

  void Write(const std::string& text) const {
    ASSERT_EQ(write(toChild_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }

  // Reads until the output holds `lines` line ends or ends; false after ten seconds.
  bool ReadLines(std::size_t lines) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::count(output_.begin(), output_.end(), '\n') < static_cast<long>(lines)) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      pollfd watched{fromChild_, POLLIN, 0};
      if (poll(&watched, 1, 100) <= 0) continue;
      char buffer[65536];
      const ssize_t got = read(fromChild_, buffer, sizeof buffer);
      if (got <= 0) return false;
      output_.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
  }

  void ReadToEnd() {
    while (ReadLines(std::size_t(-1) >> 1)) {
    }
  }

  // The wait status once the process has ended (within ten seconds), else -1.
  int Wait() {
    for (int i = 0; i < 1000; ++i) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return status;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }

  void Signal(int signal) const { kill(pid_, signal); }
  const std::string& output() const { return output_; }

 private:
  pid_t pid_ = -1;
  int toChild_ = -1;
  int fromChild_ = -1;
  std::string output_;
};

// Every line of `text` is a whole JSON object, and `text` ends with a line end.
void ExpectWholeJsonLines(const std::string& text) {
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.back(), '\n');
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    EXPECT_TRUE(nlohmann::json::accept(line)) << line.substr(0, 200);
  }
}

// A program that writes one line and waits for its answer gets it, and more lines later
// are answered as they come.
TEST(CliProcess, BatchAnswersEachLineOfAPipeAsItComes) {
  BatchProcess batch;
  for (std::size_t line = 1; line <= 3; ++line) {
    batch.Write(std::string(kLine) + "\n");
    ASSERT_TRUE(batch.ReadLines(line)) << "no answer to line " << line;
  }
  ExpectWholeJsonLines(batch.output());
}

// A stop signal while the batch waits for input ends it at once, by that signal.
TEST(CliProcess, BatchWaitingForInputStopsOnASignal) {
  BatchProcess batch;
  batch.Write(std::string(kLine) + "\n");
  ASSERT_TRUE(batch.ReadLines(1));
  batch.Signal(SIGINT);
  const int status = batch.Wait();
  ASSERT_TRUE(WIFSIGNALED(status)) << status;
  EXPECT_EQ(WTERMSIG(status), SIGINT);
}

// A stop signal in the middle of a long batch leaves whole lines only.
TEST(CliProcess, BatchStoppedBySignalsEndsWithAWholeLine) {
  const std::filesystem::path input =
      std::filesystem::temp_directory_path() / ("velquor-batch-" + std::to_string(getpid()));
  {
    std::ofstream file(input);
    for (int i = 0; i < 40000; ++i) file << kLine << '\n';
  }
  for (const int signal : {SIGTERM, SIGINT}) {
    BatchProcess batch(input.string());
    ASSERT_TRUE(batch.ReadLines(300));
    batch.Signal(signal);
    batch.ReadToEnd();
    const int status = batch.Wait();
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), signal);
    ExpectWholeJsonLines(batch.output());
    EXPECT_LT(std::count(batch.output().begin(), batch.output().end(), '\n'), 40000);
  }
  std::filesystem::remove(input);
}

}  // namespace
}  // namespace velquor
