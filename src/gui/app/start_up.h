// Start-up of the program.
#pragma once

#include <memory>

#include "gui/app/app_shell.h"

namespace velquor {

class SingleInstance;

// When another instance already runs: asks it to come to the front, tells the user
// "Application is already running" and returns null without showing any form; when it does
// not answer, the box names the lock file and what to do. A lock of another computer is
// taken over once the user says so. Otherwise shows the birth-data form and returns the
// shell, which also answers later starts.
std::unique_ptr<AppShell> StartUp(SingleInstance& instance);

}  // namespace velquor
