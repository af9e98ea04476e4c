// Makes a program's manual page, and optionally its bash completion, from the help texts
// the built program prints, so that neither can drift from the program.
//
//   help_pages PROGRAM [--commands] --man PAGE [--completion SCRIPT]
//
// --commands: the program has subcommands and a `help COMMAND` command (velquor-cli);
// otherwise its help is `PROGRAM --help` (velquor). Exit status 0, or 1 with a message.
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "bash_completion.h"
#include "man_page.h"
#include "program_help.h"

namespace {

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  std::string program;
  std::string manPath;
  std::string completionPath;
  bool commands = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--commands") {
      commands = true;
    } else if (arg == "--man" && i + 1 < argc) {
      manPath = argv[++i];
    } else if (arg == "--completion" && i + 1 < argc) {
      completionPath = argv[++i];
    } else if (program.empty()) {
      program = arg;
    } else {
      program.clear();
      break;
    }
  }
  if (program.empty() || manPath.empty()) {
    std::cerr << "usage: help_pages PROGRAM [--commands] --man PAGE [--completion SCRIPT]\n";
    return 1;
  }
  try {
    using namespace velquor::help_pages;
    const ProgramHelp help = ReadProgramHelp(program, commands);
    WriteFile(manPath, ManPage(help));
    if (!completionPath.empty()) WriteFile(completionPath, BashCompletion(help));
  } catch (const std::exception& error) {
    std::cerr << "help_pages: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
