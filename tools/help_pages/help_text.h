// A program's help text, as velquor-cli and velquor print it (CLI11's layout), read into
// its parts so that a manual page and a bash completion can be made of it.
//
// The layout: description lines, a "Usage: ..." line, then blocks parted by blank lines.
// A block whose first line ends with ':' and is not indented is a titled section
// ("Options:", "Positionals:", "Subcommands:", "Exit status:"); its lines indented by two
// blanks are entries (names, an argument, two or more blanks, a description), and lines
// indented further carry an entry's description on. Any other block is plain text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velquor::help_pages {

struct HelpEntry {
  std::vector<std::string> names;  // "-h", "--help"; "--name"; "file"; "chart"
  std::string argument;            // what follows the names: "TEXT REQUIRED", "" for a flag
  std::string description;

  bool TakesValue() const { return !argument.empty() && argument.rfind("Excludes:", 0) != 0; }
};

struct HelpSection {
  std::string title;               // without the colon; empty for plain text
  std::vector<std::string> lines;  // the plain text of the section
  std::vector<HelpEntry> entries;
};

struct HelpText {
  std::string description;
  std::string usage;  // after "Usage: "
  std::vector<HelpSection> sections;

  // The entries of the titled section, empty when there is none.
  std::vector<HelpEntry> EntriesOf(std::string_view title) const;
};

// Appends `part` to `text`, after `separator` unless `text` is empty.
void AppendJoined(std::string& text, std::string_view separator, std::string_view part);

// Reads `text`. Throws std::runtime_error when it has no "Usage: " line or an entry line
// without a description. The options an option excludes are sorted, so that the result
// does not depend on the order CLI11 happens to list them in.
HelpText ParseHelpText(std::string_view text);

}  // namespace velquor::help_pages
