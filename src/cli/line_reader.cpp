#include "cli/line_reader.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace velquor {

LineReader::LineReader(std::istream& in, std::size_t maxLineBytes, std::size_t blockBytes)
    : in_(in), maxLineBytes_(maxLineBytes), block_(blockBytes) {}

bool LineReader::Refill() {
  std::streambuf& buffer = *in_.rdbuf();
  // Waits for at least one byte (or the end) only when none is known to be ready.
  if (buffer.in_avail() <= 0 && std::streambuf::traits_type::eq_int_type(
                                    buffer.sgetc(), std::streambuf::traits_type::eof())) {
    position_ = filled_ = 0;
    return false;
  }
  const std::streamsize ready = std::max<std::streamsize>(1, buffer.in_avail());
  const std::streamsize got =
      buffer.sgetn(block_.data(), std::min(ready, static_cast<std::streamsize>(block_.size())));
  if (got < 0) throw std::runtime_error("reading the input failed");
  position_ = 0;
  filled_ = static_cast<std::size_t>(got);
  return filled_ > 0;
}

bool LineReader::InputReady() const { return position_ < filled_ || in_.rdbuf()->in_avail() > 0; }

bool LineReader::AppendNext(std::string& line, bool& overlong) {
  const std::size_t start = line.size();
  std::size_t length = 0;  // bytes of this line seen so far, kept or not
  bool any = false;
  overlong = false;
  for (;;) {
    if (position_ == filled_ && !Refill()) break;
    any = true;
    const char* begin = block_.data() + position_;
    const std::size_t available = filled_ - position_;
    const void* newline = std::memchr(begin, '\n', available);
    const std::size_t count =
        newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - begin) : available;
    // One byte over the limit is kept, in case it is the '\r' of a "\r\n".
    const std::size_t room = maxLineBytes_ + 1 - std::min(length, maxLineBytes_ + 1);
    line.append(begin, std::min(count, room));
    length += count;
    position_ += count;
    if (newline) {
      ++position_;
      break;
    }
  }
  if (length > 0 && length <= maxLineBytes_ + 1 && line.back() == '\r') {
    line.pop_back();
    --length;
  }
  if (length > maxLineBytes_) {
    overlong = true;
    line.resize(start + maxLineBytes_);
  }
  return any;
}

}  // namespace velquor
