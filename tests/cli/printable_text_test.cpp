#include "cli/printable_text.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "births/birth_store.h"
#include "cli/cli_app.h"
#include "cli/command.h"
#include "cli_run.h"
#include "support/birth_of.h"

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

// True when `line` holds no control character but the tabs between the list's columns.
bool OnlyColumnTabs(const std::string& line, std::size_t tabs) {
  std::size_t seen = 0;
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\t')
      ++seen;
    else if (byte < 0x20 || byte == 0x7F)
      return false;
  }
  return seen == tabs;
}

// Every C0 control character and DEL in a name (and, for the list, a place) reaches the
// terminal escaped, from births list and from windows alike, as the chart shows it.
TEST(PrintableText, BirthsListAndWindowsEscapeNamesAsTheChartDoes) {
  QTemporaryDir folder;
  const std::string db = (folder.path() + QStringLiteral("/births.sqlite")).toStdString();
  std::vector<std::string> names;
  {
    BirthStore store(QString::fromStdString(db));
    for (int byte = 1; byte < 0x80; byte = byte == 0x1F ? 0x7F : byte + 1) {
      const std::string name = std::string("A") + static_cast<char>(byte) + "B";
      BirthData birth = test::BirthOf("X", 1990, 8, 15, 6, 30, 0, 34, 28, 37, false, 77, 13, true,
                                      false, "", "", "");
      birth.personName = name;
      birth.cityText = name;
      store.save(birth, {});
      names.push_back(name);
    }
  }
  const test::CliRun listed = test::Cli({"births", "--db", db, "list"});
  ASSERT_EQ(listed.status, kExitOk) << listed.err;
  const std::vector<std::string> lines = test::Lines(listed.out);
  ASSERT_EQ(lines.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_TRUE(OnlyColumnTabs(lines[i], 5)) << lines[i];
    // Appended piecewise: GCC 12 misreads "…" + std::string&& as an overlapping copy.
    std::string column(1, '\t');
    column += PrintableText(names[i]);
    column += '\t';
    EXPECT_NE(lines[i].find(column), std::string::npos) << lines[i];
  }
  int charted = 0;
  for (const std::string& name : names) {
    const test::CliRun windows =
        test::Cli({"windows", "--name", name, "--date", "1985-03-21", "--time", "10:45", "--zone",
                   "34", "--lat", "28N37", "--lon", "77E13", "--span", "1"});
    if (windows.status != kExitOk) continue;  // a name the checks refuse
    ++charted;
    for (const std::string& line : test::Lines(windows.out))
      EXPECT_TRUE(OnlyColumnTabs(line, 0)) << line;
    std::string heading = "windows of ";
    heading += PrintableText(name);
    heading += ", born";
    EXPECT_NE(windows.out.find(heading), std::string::npos) << windows.out;
  }
  EXPECT_GT(charted, 0);
}

}  // namespace
}  // namespace velquor
