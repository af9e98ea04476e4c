// The progress line: shown only on a terminal, at most four times a second, cleared at the
// end; batch shows it when its standard error is a terminal and --quiet is not given.
#include "cli/progress_line.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <sstream>
#include <string>

#include "cli/cli_app.h"
#include "cli_run.h"

namespace velquor::test {
namespace {

using std::chrono::milliseconds;

TEST(ProgressLine, RewritesInPlaceAtMostFourTimesASecondAndClearsAtTheEnd) {
  std::ostringstream terminal;
  const ProgressLine::Clock::time_point start{};
  {
    ProgressLine progress(&terminal, "charted", "lines");
    progress.Show(256, 0, start);
    progress.Show(512, 0, start + milliseconds(100));  // too soon: not shown
    progress.Show(768, 1, start + milliseconds(250));
    progress.Show(1024, 1, start + milliseconds(400));  // too soon
  }  // cleared on leaving
  const std::string blanks(std::string("charted 768 lines (1 failed)").size(), ' ');
  EXPECT_EQ(terminal.str(),
            "\rcharted 256 lines\rcharted 768 lines (1 failed)\r" + blanks + "\r");
}

TEST(ProgressLine, ShowsNothingWithoutATerminalAndClearsNothingUnshown) {
  ProgressLine none(nullptr, "charted", "lines");
  none.Show(1, 0);
  none.Finish();
  std::ostringstream terminal;
  ProgressLine unshown(&terminal, "charted", "lines");
  unshown.Finish();
  EXPECT_EQ(terminal.str(), "");
}

// batch with a pseudo-terminal as its standard error: the line on the terminal stream, and
// none with --quiet or when standard error is not a terminal (every other test).
TEST(ProgressLine, BatchShowsItOnlyOnATerminalUnlessQuiet) {
  int controller = -1;
  int terminalFd = -1;
  ASSERT_EQ(openpty(&controller, &terminalFd, nullptr, nullptr, nullptr), 0);
  const std::string input = BatchLine("FIRST", 6) + "\n" + BatchLine("SECOND", 7) + "\n";
  for (const bool quiet : {false, true}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    std::vector<std::string> args = {"batch"};
    if (quiet) args.push_back("--quiet");
    EXPECT_EQ(RunCli(args, in, out, err, {-1, -1, terminalFd}), kExitOk);
    EXPECT_EQ(Lines(out.str()).size(), 2u);
    if (quiet) {
      EXPECT_EQ(err.str(), "");
    } else {
      EXPECT_EQ(err.str().rfind("\rcharted 2 lines\r", 0), 0u) << err.str();
      EXPECT_EQ(err.str().back(), '\r');
    }
  }
  close(terminalFd);
  close(controller);
}

}  // namespace
}  // namespace velquor::test
