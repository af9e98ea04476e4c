#include "man_page.h"

#include <cctype>
#include <cstdio>

namespace velquor::help_pages {

namespace {

// The code point of the UTF-8 sequence at `text[at]`, advancing `at` past it; a byte that
// does not start a sequence stands for itself.
unsigned NextCodePoint(std::string_view text, std::size_t& at) {
  const auto byte = static_cast<unsigned char>(text[at++]);
  const int more = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
  unsigned code = more == 0 ? byte : byte & (0x3Fu >> more);
  for (int i = 0; i < more && at < text.size(); ++i) {
    code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3Fu);
  }
  return code;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::string WithoutFinalStop(std::string text) {
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

// An entry as a tagged paragraph: the names in bold, the argument in italics.
void AppendEntry(std::string& page, const HelpEntry& entry) {
  page += ".TP\n";
  std::string tag;
  for (const std::string& name : entry.names) {
    AppendJoined(tag, ", ", "\\fB" + RoffText(name) + "\\fR");
  }
  if (!entry.argument.empty()) tag += " \\fI" + RoffText(entry.argument) + "\\fR";
  page += tag + "\n" + RoffText(entry.description) + "\n";
}

void AppendLines(std::string& page, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  page += ".PP\n";
  for (const std::string& line : lines) page += RoffText(line) + "\n";
}

// The sections of `help` that a command's subsection holds: its arguments and options.
void AppendArgumentsAndOptions(std::string& page, const HelpText& help) {
  for (const char* title : {"Positionals", "Options"}) {
    for (const HelpEntry& entry : help.EntriesOf(title)) AppendEntry(page, entry);
  }
}

bool IsListSection(const std::string& title) {
  return title == "Positionals" || title == "Options" || title == "Subcommands";
}

}  // namespace

std::string RoffText(std::string_view text) {
  std::string roff;
  for (std::size_t at = 0; at < text.size();) {
    const unsigned code = NextCodePoint(text, at);
    if (code == '\\') {
      roff += "\\e";
    } else if (code == '-') {
      roff += "\\-";
    } else if ((code == '.' || code == '\'') && (roff.empty() || roff.back() == '\n')) {
      roff += "\\&";
      roff += static_cast<char>(code);
    } else if (code < 0x80) {
      roff += static_cast<char>(code);
    } else {
      char escape[16];
      std::snprintf(escape, sizeof escape, "\\[u%04X]", code);
      roff += escape;
    }
  }
  return roff;
}

std::string ManPage(const ProgramHelp& program) {
  const HelpText& help = program.help;
  std::string page = ".\\\" Made at build time from the help texts of " + program.name +
                     "; change those, not this page.\n";
  page += ".TH " + RoffText(Upper(program.name)) + R"( 1 "" ")" + RoffText(program.name) + " " +
          RoffText(program.version) + "\" \"User Commands\"\n";
  page += ".nh\n.ad l\n";
  page += ".SH NAME\n" + RoffText(program.name) + " \\- " +
          RoffText(WithoutFinalStop(help.description)) + "\n";
  page += ".SH SYNOPSIS\n.B " + RoffText(program.name) + "\n" +
          RoffText(help.usage.substr(program.name.size() + 1)) + "\n";
  page += ".SH DESCRIPTION\n" + RoffText(help.description) + "\n";
  for (const HelpSection& section : help.sections) {
    if (section.title.empty()) AppendLines(page, section.lines);
  }
  page += ".SH OPTIONS\n";
  AppendArgumentsAndOptions(page, help);
  if (!program.commands.empty()) {
    page += ".SH COMMANDS\n";
    for (const CommandHelp& command : program.commands) {
      page += ".SS " + RoffText(command.name) + "\n";
      page += ".B " + RoffText(command.help.usage) + "\n.PP\n" +
              RoffText(command.help.description) + "\n";
      AppendArgumentsAndOptions(page, command.help);
    }
  }
  for (const HelpSection& section : help.sections) {
    if (section.title.empty() || IsListSection(section.title)) continue;
    page += ".SH \"" + RoffText(Upper(section.title)) + "\"\n";
    AppendLines(page, section.lines);
    for (const HelpEntry& entry : section.entries) AppendEntry(page, entry);
  }
  return page;
}

}  // namespace velquor::help_pages
