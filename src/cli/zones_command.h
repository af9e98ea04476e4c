// velquor-cli zones: the rows of the time-zone table, one a line: index, hours, minutes and
// label.
#pragma once

#include <memory>

#include "cli/command.h"

namespace velquor {

std::unique_ptr<Command> MakeZonesCommand();

}  // namespace velquor
