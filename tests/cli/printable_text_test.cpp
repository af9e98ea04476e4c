#include "cli/printable_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>

namespace velquor {
namespace {

TEST(PrintableText, ControlCharactersAreEscapedAndTextKept) {
  struct Case {
    std::string text;
    const char* shown;
  };
  const Case cases[] = {
      {"ASHA MEHTA", "ASHA MEHTA"},
      {"Z\xC3\xBCrich \xE0\xA4\xA6\xE0\xA4\xBF", "Z\xC3\xBCrich \xE0\xA4\xA6\xE0\xA4\xBF"},
      {"\x1B]0;title\x07", "\\x1b]0;title\\x07"},  // retitles the terminal window
      {"\x1B[2J", "\\x1b[2J"},                     // clears the screen
      {"a\tb\r\nc", "a\\x09b\\x0d\\x0ac"},
      {std::string("a\0b", 3), "a\\x00b"},
      {"\x7F", "\\x7f"},
      {"\xC2\x9B"
       "2J",
       "\\u009b2J"},  // the one-character escape of C1
      {"\x9B"
       "2J",
       "\\x9b2J"},                          // a lone C1 byte: not UTF-8
      {"\xC0\xAF", "\\xc0\\xaf"},           // overlong
      {"\xED\xA0\x80", "\\xed\\xa0\\x80"},  // a surrogate
      {"\xF0\x9F\x98", "\\xf0\\x9f\\x98"},  // cut short
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
  };
  for (const Case& c : cases) EXPECT_EQ(PrintableText(c.text), c.shown) << c.shown;
  EXPECT_EQ(PrintableText("a\nb", true), "a\nb");
}

TEST(PrintableText, TheStreamBufferEscapesWholeLinesAndKeepsLineEnds) {
  std::ostringstream target;
  {
    PrintableStreamBuf buffer(target.rdbuf());
    std::ostream out(&buffer);
    // A two-byte character written in two pieces is one character, not two bad bytes.
    out << "x: \xC3"
        << "\xBC\x1B[2J\n"
        << "last\x07";
  }
  EXPECT_EQ(target.str(), "x: \xC3\xBC\\x1b[2J\nlast\\x07");
}

}  // namespace
}  // namespace velquor
