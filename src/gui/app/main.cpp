// The desktop program: one instance per user, the birth-data form first.
#include <QApplication>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "astro/precise_ephemeris.h"
#include "gui/app/desktop_command_line.h"
#include "gui/app/single_instance.h"
#include "gui/app/start_up.h"
#include "gui/common/message_boxes.h"
#include "gui/common/program_icon.h"
#include "gui/common/settings.h"

int main(int argc, char* argv[]) {
  velquor::PreferVelquorEphemerisPath();
  // --help and --version answer without a display, a window or the single-instance lock.
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (const auto status = velquor::AnswerInfoOptions(args, std::cout, std::cerr)) {
    return *status;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("velquor"));
  velquor::settings::UseProgramSettings();
  QApplication::setWindowIcon(velquor::ProgramIcon());
  // The program ends through ShutDown only; hiding the form while the result frame opens
  // must not end it.
  QApplication::setQuitOnLastWindowClosed(false);

  try {
    velquor::SingleInstance instance(velquor::SingleInstance::DefaultFolder());
    std::unique_ptr<velquor::AppShell> shell = velquor::StartUp(instance);
    if (!shell) return 0;
    QObject::connect(shell.get(), &velquor::AppShell::finished, &app, &QCoreApplication::quit);
    return QApplication::exec();
  } catch (const std::exception& e) {
    velquor::ShowMessage(
        nullptr, QStringLiteral("Velquor cannot start: %1").arg(QString::fromUtf8(e.what())),
        velquor::MessageIcon::Critical);
    return 1;
  }
}
