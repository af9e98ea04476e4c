// The main of every GUI test program: the windows are driven headless on Qt's offscreen
// platform. The platform is chosen here, before the QApplication, because CTest's test
// discovery runs the program at build time without the test environment, where the
// default platform would need a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A private runtime folder: keeps the tests apart from a program the user runs, and
  // Qt quiet about a missing XDG_RUNTIME_DIR.
  QTemporaryDir runtime;
  QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  // Private settings too: the saved conventions of a user, or of another test, must not
  // change the charts a test expects.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
  // And a private data folder: the births database of the user is never touched.
  QTemporaryDir data;
  qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));

  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
