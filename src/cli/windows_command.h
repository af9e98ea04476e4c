// velquor-cli windows: the Pranapada's sign windows around the birth time the options give
// (--span minutes either side), as a table or as JSON (windows_output.h).
#pragma once

#include <memory>

#include "cli/command.h"

namespace velquor {

std::unique_ptr<Command> MakeWindowsCommand();

}  // namespace velquor
