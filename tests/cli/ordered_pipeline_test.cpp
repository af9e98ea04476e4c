#include "cli/ordered_pipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace velquor {
namespace {

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "in" + std::to_string(i) + "\n";
  return text;
}

// Echoes "<number>:<text>", pausing on every fifth line so that chunks finish out of
// order; lines whose text ends in 7 fail.
bool SlowEcho(const InputLine& line, std::string& out) {
  std::this_thread::sleep_for(std::chrono::microseconds(line.number % 5 == 0 ? 200 : 0));
  out += std::to_string(line.number) + ":" + std::string(line.text) +
         (line.overlong ? " overlong" : "") + "\n";
  return !line.text.ends_with('7');
}

// What SlowEcho writes for the lines `first` to `last` of NumberedLines.
std::string SlowEchoOf(int first, int last) {
  std::string text;
  for (int i = first; i <= last; ++i) {
    text += std::to_string(i) + ":in" + std::to_string(i) + "\n";
  }
  return text;
}

TEST(OrderedPipeline, KeepsInputOrderWithAnyWorkersAndChunks) {
  const std::string input = NumberedLines(1000);
  std::string expected;
  for (int i = 1; i <= 1000; ++i) expected += std::to_string(i) + ":in" + std::to_string(i) + "\n";
  for (const unsigned workers : {1u, 2u, 4u}) {
    for (const std::size_t chunkLines : {std::size_t{1}, std::size_t{3}, std::size_t{256}}) {
      std::istringstream in(input);
      std::ostringstream out;
      PipelineOptions options;
      options.workers = workers;
      options.chunkLines = chunkLines;
      const PipelineSummary summary = ProcessLines(in, out, SlowEcho, options);
      EXPECT_EQ(out.str(), expected) << workers << " workers, " << chunkLines << " lines";
      EXPECT_EQ(summary.lines, 1000u);
      EXPECT_EQ(summary.failedLines, 100u);  // in7, in17, ... in997
    }
  }
}

TEST(OrderedPipeline, ChunksEndAtTheirByteLimitAndOverlongLinesAreMarked) {
  std::istringstream in("aaaa\nbbbbbbbbbb\ncc\n");
  std::ostringstream out;
  PipelineOptions options;
  options.workers = 2;
  options.chunkBytes = 3;
  options.maxLineBytes = 4;
  const PipelineSummary summary = ProcessLines(in, out, SlowEcho, options);
  EXPECT_EQ(out.str(), "1:aaaa\n2:bbbb overlong\n3:cc\n");
  EXPECT_EQ(summary.lines, 3u);
}

TEST(OrderedPipeline, EmptyInputWritesNothing) {
  std::istringstream in("");
  std::ostringstream out;
  const PipelineSummary summary = ProcessLines(in, out, SlowEcho, PipelineOptions{});
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(summary.lines, 0u);
}

TEST(OrderedPipeline, HoldsOnlyABoundedNumberOfLines) {
  // Each call records how many lines are between reading and writing; with 2 workers
  // and 4-line chunks, at most 5 chunks may be in flight.
  std::atomic<std::uint64_t> written{0};
  std::atomic<std::uint64_t> widest{0};
  const LineProcessor process = [&](const InputLine& line, std::string& out) {
    const std::uint64_t ahead = line.number - written.load();
    std::uint64_t seen = widest.load();
    while (ahead > seen && !widest.compare_exchange_weak(seen, ahead)) {
    }
    out += "x\n";
    return true;
  };
  struct CountingBuffer : std::streambuf {
    std::atomic<std::uint64_t>* lines;
    int overflow(int c) override {
      if (c == '\n') ++*lines;
      return c;
    }
  } buffer;
  buffer.lines = &written;
  std::ostream out(&buffer);
  std::istringstream in(NumberedLines(5000));
  PipelineOptions options;
  options.workers = 2;
  options.chunkLines = 4;
  ProcessLines(in, out, process, options);
  EXPECT_EQ(written.load(), 5000u);
  EXPECT_LE(widest.load(), 5u * 4u);
}

TEST(OrderedPipeline, PassesOnWhatTheProcessorThrows) {
  std::istringstream in(NumberedLines(100));
  std::ostringstream out;
  PipelineOptions options;
  options.workers = 2;
  options.chunkLines = 7;
  const LineProcessor process = [](const InputLine& line, std::string& written) -> bool {
    if (line.number == 50) throw std::logic_error("line 50");
    written += "ok\n";
    return true;
  };
  EXPECT_THROW(ProcessLines(in, out, process, options), std::logic_error);
}

TEST(OrderedPipeline, ReportsAFailingOutput) {
  std::istringstream in(NumberedLines(10));
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  EXPECT_THROW(ProcessLines(in, out, SlowEcho, PipelineOptions{}), std::runtime_error);
}

// An input that gives its first part, then waits (as a pipe does while its writer waits for
// an answer) until the output has been flushed or five seconds have passed, then ends.
class StallingInput : public std::streambuf {
 public:
  explicit StallingInput(std::string first) : first_(std::move(first)) {
    setg(first_.data(), first_.data(), first_.data() + first_.size());
  }

  void NoteFlushed() {
    {
      std::lock_guard lock(mutex_);
      flushed_ = true;
    }
    flushedChanged_.notify_all();
  }

  bool flushedBeforeMoreInput() const { return flushedBeforeMoreInput_; }

 protected:
  std::streamsize showmanyc() override { return 0; }  // nothing more known to be ready
  int_type underflow() override {
    std::unique_lock lock(mutex_);
    flushedBeforeMoreInput_ =
        flushedChanged_.wait_for(lock, std::chrono::seconds(5), [&] { return flushed_; });
    return traits_type::eof();
  }

 private:
  std::string first_;
  std::mutex mutex_;
  std::condition_variable flushedChanged_;
  bool flushed_ = false;
  bool flushedBeforeMoreInput_ = false;
};

// An output that tells the input when it is flushed.
class FlushWatcher : public std::stringbuf {
 public:
  explicit FlushWatcher(StallingInput& input) : input_(input) {}

 protected:
  int sync() override {
    if (!str().empty()) input_.NoteFlushed();
    return 0;
  }

 private:
  StallingInput& input_;
};

TEST(OrderedPipeline, AnswersEveryLineBeforeWaitingForMoreInput) {
  for (const unsigned workers : {1u, 3u}) {
    StallingInput inputBuffer("in1\nin2\n");
    FlushWatcher outputBuffer(inputBuffer);
    std::istream in(&inputBuffer);
    std::ostream out(&outputBuffer);
    PipelineOptions options;
    options.workers = workers;
    ProcessLines(in, out, SlowEcho, options);
    EXPECT_TRUE(inputBuffer.flushedBeforeMoreInput()) << workers;
    EXPECT_EQ(outputBuffer.str(), "1:in1\n2:in2\n");
  }
}

// A stop asked for between runs of lines ends the output after a whole line; so does a
// wait for input that is cut short.
TEST(OrderedPipeline, AStopEndsTheOutputAfterAWholeLine) {
  for (const unsigned workers : {1u, 4u}) {
    std::istringstream in(NumberedLines(10000));
    std::ostringstream out;
    PipelineOptions options;
    options.workers = workers;
    options.chunkLines = 10;
    std::atomic<int> asked = 0;
    options.stopRequested = [&] { return ++asked > 3; };
    const PipelineSummary summary = ProcessLines(in, out, SlowEcho, options);
    EXPECT_TRUE(summary.stopped);
    // Whole runs of lines, the first ones, and not all.
    const std::string text = out.str();
    const auto written = std::count(text.begin(), text.end(), '\n');
    EXPECT_EQ(written % 10, 0) << workers;
    EXPECT_GT(written, 0) << workers;
    EXPECT_LT(written, 10000) << workers;
    EXPECT_EQ(text, SlowEchoOf(1, static_cast<int>(written))) << workers;
  }
  std::istringstream in(NumberedLines(5));
  std::ostringstream out;
  PipelineOptions options;
  options.waitForInput = [] { return false; };
  EXPECT_TRUE(ProcessLines(in, out, SlowEcho, options).stopped);
}

}  // namespace
}  // namespace velquor
