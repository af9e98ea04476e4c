#include "gui/births/births_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace velquor {

BirthsMenuItems AddBirthsMenuItems(QMenu* file, QAction* exit) {
  BirthsMenuItems items;
  items.save = new QAction(QStringLiteral("&Save Birth"), file);
  items.save->setObjectName(QStringLiteral("mnuSaveBirth"));
  items.save->setShortcut(QKeySequence::Save);
  items.open = new QAction(QStringLiteral("&Open Birth\u2026"), file);
  items.open->setObjectName(QStringLiteral("mnuOpenBirth"));
  items.open->setShortcut(QKeySequence::Open);
  items.recent = new QMenu(QStringLiteral("&Recent Births"), file);
  items.recent->setObjectName(QStringLiteral("mnuRecentBirths"));
  items.recent->menuAction()->setObjectName(QStringLiteral("mnuRecentBirths"));
  file->insertAction(exit, items.save);
  file->insertAction(exit, items.open);
  file->insertMenu(exit, items.recent);
  file->insertSeparator(exit)->setObjectName(QStringLiteral("mnuBirthsSep"));
  for (QAction* action : {items.save, items.open, items.recent->menuAction()}) {
    action->setEnabled(false);
  }
  return items;
}

}  // namespace velquor
