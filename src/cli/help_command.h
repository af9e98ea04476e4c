// velquor-cli help [COMMAND]: the tool's help, or one command's with its options.
#pragma once

#include <memory>
#include <string_view>

#include "cli/command.h"

namespace velquor {

std::unique_ptr<Command> MakeHelpCommand();

// The command of `tool` named `name`, or nullptr.
const CLI::App* CommandNamed(const CLI::App& tool, std::string_view name);

}  // namespace velquor
