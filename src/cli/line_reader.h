// Reads lines from a stream in fixed-size blocks, holding at most one block and one line,
// however long the input or any line in it.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace velquor {

class LineReader {
 public:
  // Lines longer than `maxLineBytes` (without their end) are cut there and reported as
  // overlong; the rest of such a line is read and dropped.
  LineReader(std::istream& in, std::size_t maxLineBytes, std::size_t blockBytes = 1 << 16);

  // Appends the next line without its "\n" or "\r\n" to `line`. False at the end of the
  // input; a last line without a line end still counts. Throws std::runtime_error when
  // the stream fails for another reason than its end.
  bool AppendNext(std::string& line, bool& overlong);

 private:
  bool Refill();

  std::istream& in_;
  std::size_t maxLineBytes_;
  std::vector<char> block_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
};

}  // namespace velquor
