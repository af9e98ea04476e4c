// One session of the desktop program in a process of its own, for the start-up and memory
// figures: the program's start-up, the birth-data form drawn, one chart from the button to
// the drawn result window, then shut-down. Each step is reported as one byte on a pipe the
// moment it is done, so the parent can time it from the start of the process.
#pragma once

namespace velquor::bench {

inline constexpr char kFormShown = 'F';
inline constexpr char kResultShown = 'R';

inline constexpr const char* kSessionArgument = "--desktop-session";

// Runs the session, writing the step bytes to file descriptor `reportFd`. Needs the
// QApplication. Returns the exit status.
int RunDesktopSession(int reportFd);

}  // namespace velquor::bench
