// A manual page (roff, man macros, section 1) made of a program's help texts: NAME and
// SYNOPSIS from its description and usage, its options, one subsection per command with
// its arguments and options, and its titled notes ("Exit status:") as sections of their own.
#pragma once

#include <string>
#include <string_view>

#include "program_help.h"

namespace velquor::help_pages {

// `text` for roff: backslashes and minus signs escaped, a leading period or quote made
// literal, every character beyond ASCII written as its Unicode escape.
std::string RoffText(std::string_view text);

std::string ManPage(const ProgramHelp& program);

}  // namespace velquor::help_pages
