// main() of the test programs that show windows: they run headless on the offscreen
// platform unless told otherwise. CTest discovers the cases by running the program at build
// time, outside the test environment, so the platform is chosen here and not in CTest.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
