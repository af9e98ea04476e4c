// Text from users and files made safe to show on a terminal: control characters, which can
// move the cursor, clear the screen or retitle the window, are written as escapes instead.
#pragma once

#include <streambuf>
#include <string>
#include <string_view>

namespace velquor {

// `text` with every C0 control character (tab and NUL included; the line end "\n" too
// unless `keepLineEnds`), DEL and byte that is not part of valid UTF-8 written as "\xHH",
// and every C1 control character (U+0080 to U+009F) as "\uHHHH". Printable UTF-8 is kept.
std::string PrintableText(std::string_view text, bool keepLineEnds = false);

// A stream buffer that passes its text on to `target` line by line through PrintableText,
// keeping the line ends. Whatever is left of a last line goes on sync() and at the end.
class PrintableStreamBuf : public std::streambuf {
 public:
  explicit PrintableStreamBuf(std::streambuf* target) : target_(target) {}
  ~PrintableStreamBuf() override;
  PrintableStreamBuf(const PrintableStreamBuf&) = delete;
  PrintableStreamBuf& operator=(const PrintableStreamBuf&) = delete;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool PassOn(bool all);

  std::streambuf* target_;
  std::string pending_;
};

}  // namespace velquor
