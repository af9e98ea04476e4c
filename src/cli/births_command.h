// velquor-cli births: the saved births of the desktop program's database (or another named
// by --db) listed, exported and imported, so that a library can be backed up and scripted.
// Exit status: 0 done; 1 import refused some lines; 2 bad options; 4 the database or a file
// could not be read or written.
#pragma once

#include <memory>

#include "cli/command.h"

namespace velquor {

std::unique_ptr<Command> MakeBirthsCommand();

}  // namespace velquor
