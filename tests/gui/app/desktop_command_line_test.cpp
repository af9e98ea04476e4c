// velquor --help and --version: answered without a display, a window or the
// single-instance lock; every other argument is left to Qt.
#include "gui/app/desktop_command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <sstream>

namespace velquor {
namespace {

const std::string kVersionLine = std::string("velquor ") + VELQUOR_VERSION + "\n";

TEST(DesktopCommandLine, AnswersHelpAndVersionAndLeavesTheRestToQt) {
  const struct {
    std::vector<std::string> args;
    std::optional<int> status;
    std::string out;
  } cases[] = {
      {{"--version"}, 0, kVersionLine},
      {{"--help"}, 0, DesktopHelpText()},
      {{"-h"}, 0, DesktopHelpText()},
      {{"-platform", "offscreen", "--version"}, 0, kVersionLine},
      {{"--version", "--help"}, 0, kVersionLine},  // the first one answers
      {{}, std::nullopt, ""},
      {{"-platform", "offscreen", "-style", "fusion"}, std::nullopt, ""},
      {{"--versions"}, std::nullopt, ""},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(AnswerInfoOptions(c.args, out, err), c.status) << testing::PrintToString(c.args);
    EXPECT_EQ(out.str(), c.out) << testing::PrintToString(c.args);
    EXPECT_EQ(err.str(), "");
  }
  EXPECT_NE(DesktopHelpText().find("Usage: velquor [OPTIONS]\n"), std::string::npos);
}

TEST(DesktopCommandLine, AFailedWriteIsStatusFourWithAMessage) {
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  std::ostringstream err;
  EXPECT_EQ(AnswerInfoOptions({"--version"}, out, err), 4);
  EXPECT_EQ(err.str(), "velquor: writing the output failed\n");
}

// The real program, where a window would need a display it does not have (the xcb
// platform without DISPLAY aborts) and the lock would appear in the runtime folder.
TEST(DesktopCommandLine, TheProgramAnswersWithoutADisplayOrTheLock) {
  for (const char* option : {"--version", "--help"}) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELQUOR_DESKTOP_PATH), {QString::fromLatin1(option)});
    ASSERT_TRUE(program.waitForFinished(20000)) << option;
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << option;
    EXPECT_EQ(program.exitCode(), 0) << option;
    const std::string out = program.readAllStandardOutput().toStdString();
    EXPECT_EQ(out, option == std::string("--version") ? kVersionLine : DesktopHelpText());
    EXPECT_EQ(QDir(runtime.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 0)
        << option << ": the program left files in its runtime folder";
  }
}

}  // namespace
}  // namespace velquor
