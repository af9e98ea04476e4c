#include "gui/app/start_up.h"

#include <QtDebug>

#include "gui/app/single_instance.h"
#include "gui/common/message_boxes.h"

namespace velquor {

std::unique_ptr<AppShell> StartUp(SingleInstance& instance) {
  if (!instance.acquire()) {
    instance.askRunningInstanceToShow();
    // Says which file refused the start, so that a stuck lock can be found.
    qInfo().noquote() << QStringLiteral("velquor: another instance holds the lock file %1")
                             .arg(instance.lockFileName());
    ShowMessage(nullptr, QStringLiteral("Application is already running"),
                MessageIcon::Information);
    return nullptr;
  }
  auto shell = std::make_unique<AppShell>();
  QObject::connect(&instance, &SingleInstance::showRequested, shell.get(), &AppShell::bringToFront);
  shell->start();
  return shell;
}

}  // namespace velquor
