// A bash completion script made of a program's help texts. It offers the commands and the
// program's options before a command, and the command's options after it. An argument
// named "file" completes file names, one named "command" the program's commands; the value
// of an option, and any other argument, falls back to bash's default (file names).
#pragma once

#include <string>

#include "program_help.h"

namespace velquor::help_pages {

// The script: a function _NAME (NAME with '-' as '_') registered for the program.
std::string BashCompletion(const ProgramHelp& program);

}  // namespace velquor::help_pages
