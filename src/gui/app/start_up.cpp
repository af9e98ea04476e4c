#include "gui/app/start_up.h"

#include <QSettings>
#include <QStringList>
#include <QtDebug>
#include <string>
#include <vector>

#include "gui/app/single_instance.h"
#include "gui/common/message_boxes.h"
#include "gui/common/settings.h"

namespace velquor {

namespace {

// True once this start holds the lock, after asking to take over a lock of another computer;
// otherwise the user has been told which lock file refused the start and what to do.
bool AcquireOrExplain(SingleInstance& instance) {
  if (instance.acquire()) return true;
  const QString file = instance.lockFileName();
  // Says which file refused the start, so that a stuck lock can be found.
  qInfo().noquote() << QStringLiteral("velquor: another instance holds the lock file %1").arg(file);
  const SingleInstance::Holder holder = instance.holder();
  if (holder.otherHost) {
    const QString question =
        QStringLiteral(
            "The start-up lock file %1 was left by Velquor on the computer \"%2\" (process "
            "%3), which cannot be asked from here.\n\nIf Velquor does not run there any more, "
            "the lock can be taken over. Take it over and start?")
            .arg(file, holder.host)
            .arg(holder.pid);
    if (!AskQuestion(nullptr, question)) return false;
    if (instance.takeOver()) return true;
    ShowMessage(
        nullptr,
        QStringLiteral("The start-up lock file %1 is still held; it was not taken over.").arg(file),
        MessageIcon::Critical);
    return false;
  }
  if (instance.askRunningInstanceToShow()) {
    ShowMessage(nullptr, QStringLiteral("Application is already running"),
                MessageIcon::Information);
    return false;
  }
  ShowMessage(
      nullptr,
      QStringLiteral("Application is already running, but it does not answer (the "
                     "start-up lock file %1 is held%2).\n\nQuit the Velquor that runs, "
                     "or if none does, remove that file, then start again.")
          .arg(file, holder.pid > 0 ? QStringLiteral(" by process %1").arg(holder.pid) : QString()),
      MessageIcon::Information);
  return false;
}

// Tells the user once which stored settings could not be read (they now hold their
// defaults), rather than passing over them.
void ReportUnreadableSettings() {
  const std::vector<std::string> reset = settings::ResetUnreadableSettings();
  if (reset.empty()) return;
  QStringList lines;
  for (const std::string& line : reset) lines << QString::fromStdString(line);
  ShowMessage(nullptr,
              QStringLiteral("These settings in %1 could not be read and now have their "
                             "defaults:\n%2")
                  .arg(QSettings().fileName(), lines.join(u'\n')),
              MessageIcon::Information);
}

}  // namespace

std::unique_ptr<AppShell> StartUp(SingleInstance& instance) {
  if (!AcquireOrExplain(instance)) return nullptr;
  ReportUnreadableSettings();
  auto shell = std::make_unique<AppShell>();
  QObject::connect(&instance, &SingleInstance::showRequested, shell.get(), &AppShell::bringToFront);
  shell->start();
  return shell;
}

}  // namespace velquor
