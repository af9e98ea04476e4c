// Runs a function over every line of a stream on several threads and writes the results
// in input order, holding only a bounded number of lines at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "births/record_limits.h"

namespace velquor {

struct InputLine {
  std::string_view text;     // without its line end; cut at the length limit when overlong
  std::uint64_t number = 0;  // 1 for the first line
  bool overlong = false;
};

// Appends the output of one line (with its line end) to `out`; false when the line
// failed. Called from several threads at once; exceptions it throws are passed on to the
// caller of ProcessLines.
using LineProcessor = std::function<bool(const InputLine& line, std::string& out)>;

struct PipelineOptions {
  unsigned workers = 1;
  std::size_t chunkLines = 256;        // lines handed to a worker at once
  std::size_t chunkBytes = 1 << 20;    // a chunk ends early when its text reaches this
  std::size_t maxLineBytes = kMaxRecordBytes;  // longer lines are overlong (as import's)
  // Called when no more input is ready, after every line read so far has been answered and
  // the output flushed, before the read that waits; false stops the run. Empty: just read.
  std::function<bool()> waitForInput;
  // Asked before each run of lines is written; true stops the run there, so that the output
  // ends with a whole line. Empty: never.
  std::function<bool()> stopRequested;
  // Told the counts so far after each run of lines is written (a progress line). Empty: not.
  std::function<void(std::uint64_t lines, std::uint64_t failedLines)> written;
};

struct PipelineSummary {
  std::uint64_t lines = 0;
  std::uint64_t failedLines = 0;
  bool stopped = false;  // by waitForInput or stopRequested, before the end of the input
};

// Reads `in` to its end, or until a stop is asked for. At most 2 x workers + 1 chunks are
// read ahead of the output. Whenever the input stalls (no more of it is ready), every line
// read so far is answered and `out` flushed before waiting, so that a program writing a
// line and waiting for its answer gets it. Throws std::runtime_error when writing to `out`
// fails.
PipelineSummary ProcessLines(std::istream& in, std::ostream& out, const LineProcessor& process,
                             const PipelineOptions& options);

}  // namespace velquor
