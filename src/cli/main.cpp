#include <iostream>
#include <string>
#include <vector>

#include "astro/precise_ephemeris.h"
#include "cli/cli_app.h"
#include "cli/stop_signals.h"

int main(int argc, char** argv) {
  // Standard streams without C stdio: the batch command writes many lines.
  std::ios_base::sync_with_stdio(false);
  velquor::PreferVelquorEphemerisPath();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = velquor::RunCli(args, std::cin, std::cout, std::cerr, {0, 1, 2});
  // A batch stopped by a signal has written its last whole line: now end as that signal.
  velquor::StopSignals::RaiseReceived();
  return status;
}
