// Reading a help text in CLI11's layout, and writing roff: the pieces the manual pages and
// the bash completion are made of.
#include "help_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "man_page.h"

namespace velquor::help_pages {
namespace {

// The shapes velquor-cli's help takes: a long entry whose description goes on the next
// line, options an option excludes (in any order), a titled note and plain text.
constexpr const char* kHelp =
    "Compute one chart\n"
    "Usage: tool chart [OPTIONS] [file]\n"
    "\n"
    "Positionals:\n"
    "  file TEXT                   Input file; standard input when absent or -\n"
    "\n"
    "Options:\n"
    "  -h,--help                   Print this help message and exit\n"
    "  --name TEXT REQUIRED        Name of the person\n"
    "  --place TEXT Excludes: --lon --lat\n"
    "                              A place of the atlas, instead of --lat\n"
    "                              and --lon\n"
    "  --dst                       Daylight saving time was in force\n"
    "\n"
    "Only one copy runs.\n"
    "\n"
    "Exit status:\n"
    "  0    done\n"
    "  4    writing failed\n";

TEST(HelpText, ReadsEveryPartOfTheLayout) {
  const HelpText help = ParseHelpText(kHelp);
  EXPECT_EQ(help.description, "Compute one chart");
  EXPECT_EQ(help.usage, "tool chart [OPTIONS] [file]");
  ASSERT_EQ(help.sections.size(), 4u);

  const std::vector<HelpEntry> positionals = help.EntriesOf("Positionals");
  ASSERT_EQ(positionals.size(), 1u);
  EXPECT_EQ(positionals[0].names, std::vector<std::string>{"file"});
  EXPECT_EQ(positionals[0].description, "Input file; standard input when absent or -");

  struct Expected {
    std::vector<std::string> names;
    std::string argument;
    bool takesValue;
    std::string description;
  };
  const Expected options[] = {
      {{"-h", "--help"}, "", false, "Print this help message and exit"},
      {{"--name"}, "TEXT REQUIRED", true, "Name of the person"},
      {{"--place"},
       "TEXT Excludes: --lat --lon",
       true,
       "A place of the atlas, instead of --lat and --lon"},
      {{"--dst"}, "", false, "Daylight saving time was in force"},
  };
  const std::vector<HelpEntry> read = help.EntriesOf("Options");
  ASSERT_EQ(read.size(), std::size(options));
  for (std::size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(read[i].names, options[i].names) << i;
    EXPECT_EQ(read[i].argument, options[i].argument) << i;
    EXPECT_EQ(read[i].TakesValue(), options[i].takesValue) << i;
    EXPECT_EQ(read[i].description, options[i].description) << i;
  }

  EXPECT_EQ(help.sections[2].title, "");
  EXPECT_EQ(help.sections[2].lines, std::vector<std::string>{"Only one copy runs."});
  const std::vector<HelpEntry> status = help.EntriesOf("Exit status");
  ASSERT_EQ(status.size(), 2u);
  EXPECT_EQ(status[1].names, std::vector<std::string>{"4"});
  EXPECT_EQ(status[1].description, "writing failed");
  EXPECT_TRUE(help.EntriesOf("Subcommands").empty());
}

TEST(HelpText, RefusesWhatItCannotRead) {
  const char* faulty[] = {
      "No usage line at all\n",
      "Usage: tool [OPTIONS]\n\nOptions:\n  --name TEXT\n  --date TEXT   Date\n",
  };
  for (const char* text : faulty) {
    EXPECT_THROW(ParseHelpText(text), std::runtime_error) << text;
  }
}

TEST(ManPage, RoffTextEscapesWhatRoffWouldRead) {
  const struct {
    const char* text;
    const char* roff;
  } cases[] = {
      {"--name", "\\-\\-name"},
      {"a\\b", "a\\eb"},
      {".starts a request", "\\&.starts a request"},
      {"'starts one too", "\\&'starts one too"},
      {"ends with a stop.", "ends with a stop."},
      {"25\xC2\xB0 Tau", "25\\[u00B0] Tau"},
      {"Bombay \xE2\x86\x92 Mumbai", "Bombay \\[u2192] Mumbai"},
  };
  for (const auto& c : cases) EXPECT_EQ(RoffText(c.text), c.roff) << c.text;
}

}  // namespace
}  // namespace velquor::help_pages
