// Reads lines from a stream in blocks of at most a fixed size, holding at most one block and
// one line, however long the input or any line in it. A read takes what the input has
// ready and waits only when nothing is, so that a line that has arrived is never held back
// for more input to fill the block.
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

  // Whether more input can be read without waiting: it is held here or in the stream's
  // buffer, or the system says it is ready (a pipe that has data, the rest of a file).
  // False at the end of the input too.
  bool InputReady() const;

 private:
  bool Refill();

  std::istream& in_;
  std::size_t maxLineBytes_;
  std::vector<char> block_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
};

}  // namespace velquor
