#include "gui/conventions/options_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "gui/common/message_boxes.h"
#include "gui/conventions/conventions_dialog.h"
#include "gui/conventions/conventions_settings.h"

namespace velquor {

void AddOptionsMenu(QMenuBar* menuBar, QWidget* window, std::function<void()> changed) {
  QMenu* options = menuBar->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("mnuOptions"));
  QAction* conventions = options->addAction(QStringLiteral("&Conventions\u2026"));
  conventions->setObjectName(QStringLiteral("mnuConventions"));
  QObject::connect(conventions, &QAction::triggered, window, [window, changed] {
    RunGuarded(window, [&] {
      ConventionsDialog dialog(LoadConventions(), window);
      if (dialog.exec() != QDialog::Accepted) return;
      SaveConventions(dialog.chosen());
      if (changed) changed();
    });
  });
}

}  // namespace velquor
