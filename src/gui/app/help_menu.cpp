#include "gui/app/help_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "gui/common/links.h"
#include "gui/common/message_boxes.h"

namespace velquor {

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

void AddSeparator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

void AddLinkItem(QMenu* menu, QWidget* window, const char* name, const QString& caption,
                 PageRole role) {
  ConnectGuarded(AddItem(menu, name, caption), &QAction::triggered, window,
                 [role] { OpenPage(role); });
}

}  // namespace

QMenu* AddHelpMenu(QMenuBar* menuBar, QWidget* window, const HelpMenuNames& names,
                   std::function<void()> showAbout) {
  QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  AddLinkItem(help, window, "mnuOnline", QStringLiteral("&Online Help"), PageRole::OnlineHelp);
  AddLinkItem(help, window, "mnuVisit", QStringLiteral("&Visit Us Online"), PageRole::HomePage);
  AddSeparator(help, names.firstSeparator);
  AddLinkItem(help, window, "mnuUpdate", QStringLiteral("Check for Software &Update"),
              PageRole::Update);
  AddSeparator(help, names.secondSeparator);
  ConnectGuarded(AddItem(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered,
                 window, std::move(showAbout));
  AddLinkItem(help, window, "mnuDonate", QStringLiteral("&Donate"), PageRole::Donate);
  AddLinkItem(help, window, names.makeMoney, QStringLiteral("&Make Money Online"),
              PageRole::FullBranding);
  return help;
}

}  // namespace velquor
