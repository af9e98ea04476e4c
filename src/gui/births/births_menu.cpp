#include "gui/births/births_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "gui/common/link_label.h"

namespace velquor {

BirthsMenuItems AddBirthsMenuItems(QMainWindow* window, QMenu* file, QAction* exit) {
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

  // The Edit menu follows File, before any menu added since.
  QMenuBar* bar = window->menuBar();
  auto* edit = new QMenu(QStringLiteral("&Edit"), bar);
  edit->setObjectName(QStringLiteral("mnuEdit"));
  edit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
  const QList<QAction*> menus = bar->actions();
  const qsizetype after = menus.indexOf(file->menuAction()) + 1;
  bar->insertMenu(after > 0 && after < menus.size() ? menus[after] : nullptr, edit);
  items.undo = edit->addAction(QStringLiteral("&Undo Save"));
  items.undo->setObjectName(QStringLiteral("mnuUndoSave"));
  items.undo->setShortcut(QKeySequence::Undo);

  items.status = new QLabel;
  items.status->setObjectName(QStringLiteral("lblSaveStatus"));
  items.status->setTextFormat(Qt::PlainText);
  items.status->setAccessibleName(QStringLiteral("Last save"));
  items.undoLink = new LinkLabel(QStringLiteral("Undo"));
  items.undoLink->setObjectName(QStringLiteral("lnkUndoSave"));
  items.undoLink->setAccessibleName(QStringLiteral("Undo the last save"));
  items.undoLink->hide();
  window->statusBar()->addWidget(items.status, 1);
  window->statusBar()->addPermanentWidget(items.undoLink);

  for (QAction* action : {items.save, items.open, items.recent->menuAction(), items.undo}) {
    action->setEnabled(false);
  }
  return items;
}

}  // namespace velquor
