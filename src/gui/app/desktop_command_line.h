// The desktop program's own command-line options, answered before any window, display
// connection or single-instance lock exists.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velquor {

// The text `velquor --help` prints: usage, what the program does, its options. The manual
// page velquor(1) is made from it at build time.
std::string DesktopHelpText();

// Given: the arguments after the program's name. Returned: the exit status when an
// argument is --help, -h or --version, whose answer has then been written to `out` (0, or
// 4 with a message on `err` when writing failed); nothing when the program should start
// (the arguments then go to Qt, whose own options, such as -platform or -style, it reads).
std::optional<int> AnswerInfoOptions(const std::vector<std::string>& args, std::ostream& out,
                                     std::ostream& err);

}  // namespace velquor
