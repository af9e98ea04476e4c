// velquor-cli batch [FILE]: the charts of JSON Lines, from a file or the standard input, as
// JSON Lines in input order (batch_line.h), on every core.
#pragma once

#include <memory>

#include "cli/command.h"

namespace velquor {

std::unique_ptr<Command> MakeBatchCommand();

}  // namespace velquor
