#include "cli/ordered_pipeline.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <stop_token>
#include <thread>
#include <vector>

#include "cli/line_reader.h"

namespace velquor {

namespace {

// A run of consecutive lines, their output once processed, and whether it is ready.
struct Chunk {
  struct Line {
    std::size_t offset = 0;
    std::size_t length = 0;
    bool overlong = false;
  };

  std::uint64_t firstNumber = 1;
  std::string text;
  std::vector<Line> lines;
  std::string output;
  std::uint64_t failedLines = 0;
  std::exception_ptr failure;
  bool done = false;

  void Clear() {
    text.clear();
    lines.clear();
    output.clear();
    failedLines = 0;
    failure = nullptr;
    done = false;
  }

  // Fills the chunk from `reader`; false when the input had no more lines.
  bool Fill(LineReader& reader, std::uint64_t number, const PipelineOptions& options) {
    firstNumber = number;
    while (lines.size() < options.chunkLines && text.size() < options.chunkBytes) {
      Line line{text.size(), 0, false};
      if (!reader.AppendNext(text, line.overlong)) break;
      line.length = text.size() - line.offset;
      lines.push_back(line);
      if (!reader.InputReady()) break;  // answer what has come before waiting for more
    }
    return !lines.empty();
  }

  void Process(const LineProcessor& process) {
    try {
      for (std::size_t i = 0; i < lines.size(); ++i) {
        const InputLine line{std::string_view(text).substr(lines[i].offset, lines[i].length),
                             firstNumber + i, lines[i].overlong};
        if (!process(line, output)) ++failedLines;
      }
    } catch (...) {
      failure = std::current_exception();
    }
  }
};

class WorkQueue {
 public:
  void Push(Chunk* chunk) {
    {
      std::lock_guard lock(mutex_);
      waiting_.push_back(chunk);
    }
    workAvailable_.notify_one();
  }

  // The next chunk to process; nothing once a stop is requested.
  Chunk* Pop(const std::stop_token& stop) {
    std::unique_lock lock(mutex_);
    workAvailable_.wait(lock, stop, [&] { return !waiting_.empty(); });
    if (stop.stop_requested()) return nullptr;
    Chunk* chunk = waiting_.front();
    waiting_.pop_front();
    return chunk;
  }

  void MarkDone(Chunk* chunk) {
    {
      std::lock_guard lock(mutex_);
      chunk->done = true;
    }
    chunkDone_.notify_all();
  }

  void WaitUntilDone(const Chunk* chunk) {
    std::unique_lock lock(mutex_);
    chunkDone_.wait(lock, [&] { return chunk->done; });
  }

  bool IsDone(const Chunk* chunk) {
    std::lock_guard lock(mutex_);
    return chunk->done;
  }

 private:
  std::mutex mutex_;
  std::condition_variable_any workAvailable_;
  std::condition_variable chunkDone_;
  std::deque<Chunk*> waiting_;
};

}  // namespace

PipelineSummary ProcessLines(std::istream& in, std::ostream& out, const LineProcessor& process,
                             const PipelineOptions& options) {
  const unsigned workerCount = std::max(1u, options.workers);
  const std::size_t maxInFlight = 2 * std::size_t{workerCount} + 1;

  PipelineSummary summary;
  WorkQueue queue;
  std::deque<std::unique_ptr<Chunk>> inFlight;  // in input order
  std::vector<std::unique_ptr<Chunk>> spare;
  // Declared after what they use: on the way out they are stopped and joined first.
  std::vector<std::jthread> workers;
  workers.reserve(workerCount);
  for (unsigned i = 0; i < workerCount; ++i) {
    workers.emplace_back([&](const std::stop_token& stop) {
      while (Chunk* chunk = queue.Pop(stop)) {
        chunk->Process(process);
        queue.MarkDone(chunk);
      }
    });
  }

  // Writes the oldest chunk once it is done, and keeps its storage for reuse.
  const auto writeOldest = [&] {
    Chunk& chunk = *inFlight.front();
    queue.WaitUntilDone(&chunk);
    if (chunk.failure) std::rethrow_exception(chunk.failure);
    out.write(chunk.output.data(), static_cast<std::streamsize>(chunk.output.size()));
    if (!out) throw std::runtime_error("writing the output failed");
    summary.lines += chunk.lines.size();
    summary.failedLines += chunk.failedLines;
    if (options.written) options.written(summary.lines, summary.failedLines);
    spare.push_back(std::move(inFlight.front()));
    inFlight.pop_front();
  };

  const auto flush = [&] {
    out.flush();
    if (!out) throw std::runtime_error("writing the output failed");
  };
  const auto stopAsked = [&] {
    if (options.stopRequested && options.stopRequested()) summary.stopped = true;
    return summary.stopped;
  };

  LineReader reader(in, options.maxLineBytes);
  std::uint64_t nextNumber = 1;
  while (!summary.stopped) {
    if (!reader.InputReady()) {
      while (!inFlight.empty() && !stopAsked()) writeOldest();
      if (summary.stopped) break;
      flush();
      if (options.waitForInput && !options.waitForInput()) {
        summary.stopped = true;
        break;
      }
    }
    std::unique_ptr<Chunk> chunk;
    if (spare.empty()) {
      chunk = std::make_unique<Chunk>();
    } else {
      chunk = std::move(spare.back());
      spare.pop_back();
      chunk->Clear();
    }
    if (!chunk->Fill(reader, nextNumber, options)) break;
    nextNumber += chunk->lines.size();
    queue.Push(chunk.get());
    inFlight.push_back(std::move(chunk));
    while (!inFlight.empty() &&
           (inFlight.size() >= maxInFlight || queue.IsDone(inFlight.front().get())) &&
           !stopAsked()) {
      writeOldest();
    }
  }
  while (!inFlight.empty() && !stopAsked()) writeOldest();
  flush();
  return summary;
}

}  // namespace velquor
