#include "gui/shell/start_up.h"

#include "gui/shell/message_boxes.h"
#include "gui/shell/single_instance.h"

namespace velquor {

std::unique_ptr<AppShell> StartUp(SingleInstance& instance) {
  if (!instance.acquire()) {
    instance.askRunningInstanceToShow();
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
