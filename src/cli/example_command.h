// velquor-cli example: the readable chart of a built-in birth (example_birth.h), in the
// classic conventions.
#pragma once

#include <memory>

#include "cli/command.h"

namespace velquor {

std::unique_ptr<Command> MakeExampleCommand();

}  // namespace velquor
