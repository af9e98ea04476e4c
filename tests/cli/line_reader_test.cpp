#include "cli/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace velquor {
namespace {

struct ReadLine {
  std::string text;
  bool overlong;
  bool operator==(const ReadLine&) const = default;
};

std::vector<ReadLine> ReadAll(const std::string& input, std::size_t maxLine, std::size_t block) {
  std::istringstream in(input);
  LineReader reader(in, maxLine, block);
  std::vector<ReadLine> lines;
  std::string text;
  bool overlong = false;
  while (reader.AppendNext(text, overlong)) {
    lines.push_back({text, overlong});
    text.clear();
  }
  return lines;
}

TEST(LineReader, SplitsLinesWhateverTheBlockSize) {
  struct Case {
    std::string input;
    std::vector<ReadLine> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"\n", {{"", false}}},
      {"a\nbb\nccc\n", {{"a", false}, {"bb", false}, {"ccc", false}}},
      {"no end", {{"no end", false}}},
      {"crlf\r\nlf\n\r\n", {{"crlf", false}, {"lf", false}, {"", false}}},
      {"inner\rcr\n", {{"inner\rcr", false}}},
      {"\n\nx", {{"", false}, {"", false}, {"x", false}}},
      {std::string("nul\0byte\n", 9), {{std::string("nul\0byte", 8), false}}},
  };
  for (const std::size_t block : {1u, 2u, 3u, 7u, 4096u}) {
    for (const auto& c : cases) {
      EXPECT_EQ(ReadAll(c.input, 100, block), c.lines) << "block " << block << ": " << c.input;
    }
  }
}

TEST(LineReader, CutsOverlongLinesAndGoesOn) {
  for (const std::size_t block : {1u, 3u, 5u, 4096u}) {
    const auto lines = ReadAll("12345\n123456\n1234567890123\nok\n12345\r\n123456\r\n", 5, block);
    const std::vector<ReadLine> expected = {{"12345", false}, {"12345", true},  {"12345", true},
                                            {"ok", false},    {"12345", false}, {"12345", true}};
    EXPECT_EQ(lines, expected) << "block " << block;
  }
}

}  // namespace
}  // namespace velquor
