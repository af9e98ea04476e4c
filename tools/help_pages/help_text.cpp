#include "help_text.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace velquor::help_pages {

namespace {

std::vector<std::string> Words(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) AppendJoined(text, " ", word);
  return text;
}

std::size_t Indent(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first == std::string_view::npos ? line.size() : first;
}

// "--lat TEXT Excludes: --place" after the two blanks of an entry line, split into names,
// argument and description.
HelpEntry EntryOf(std::string_view line) {
  const std::size_t gap = line.find("  ");
  HelpEntry entry;
  std::vector<std::string> left = Words(line.substr(0, gap));
  if (left.empty()) throw std::runtime_error("an entry without a name: " + std::string(line));
  std::string names = left.front();
  for (std::size_t comma; (comma = names.find(',')) != std::string::npos;) {
    entry.names.push_back(names.substr(0, comma));
    names.erase(0, comma + 1);
  }
  entry.names.push_back(names);
  left.erase(left.begin());
  const auto excludes = std::find(left.begin(), left.end(), "Excludes:");
  if (excludes != left.end()) std::sort(excludes + 1, left.end());
  entry.argument = Joined(left);
  if (gap != std::string_view::npos) entry.description = Joined(Words(line.substr(gap)));
  return entry;
}

}  // namespace

void AppendJoined(std::string& text, std::string_view separator, std::string_view part) {
  if (!text.empty()) text += separator;
  text += part;
}

std::vector<HelpEntry> HelpText::EntriesOf(std::string_view title) const {
  for (const HelpSection& section : sections) {
    if (section.title == title) return section.entries;
  }
  return {};
}

HelpText ParseHelpText(std::string_view text) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line);) lines.push_back(line);

  HelpText help;
  std::size_t at = 0;
  for (; at < lines.size() && lines[at].rfind("Usage: ", 0) != 0; ++at) {
    AppendJoined(help.description, " ", lines[at]);
  }
  if (at == lines.size()) throw std::runtime_error("the help text has no \"Usage: \" line");
  help.usage = lines[at++].substr(7);

  bool blockStarts = true;
  for (; at < lines.size(); ++at) {
    const std::string& line = lines[at];
    if (Indent(line) == line.size()) {
      blockStarts = true;
      continue;
    }
    if (blockStarts) {
      help.sections.emplace_back();
      blockStarts = false;
      if (Indent(line) == 0 && line.back() == ':') {
        help.sections.back().title = line.substr(0, line.size() - 1);
        continue;
      }
    }
    HelpSection& section = help.sections.back();
    const bool listed = !section.title.empty() && Indent(line) >= 2;
    if (listed && Indent(line) == 2) {
      section.entries.push_back(EntryOf(std::string_view(line).substr(2)));
      if (section.entries.back().description.empty() &&
          (at + 1 == lines.size() || Indent(lines[at + 1]) <= 2)) {
        throw std::runtime_error("an entry without a description: " + line);
      }
    } else if (listed && !section.entries.empty()) {
      AppendJoined(section.entries.back().description, " ", Joined(Words(line)));
    } else {
      section.lines.push_back(line);
    }
  }
  return help;
}

}  // namespace velquor::help_pages
