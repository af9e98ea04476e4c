// The windows as used from the keyboard: the about box's keys and the Tab order of the
// result frame.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <map>
#include <utility>
#include <vector>
#include <QApplication>
#include <QTest>

#include "chart/chart_run.h"
#include "gui/app/app_shell.h"
#include "gui/app/frm_main.h"
#include "gui/app/mdi.h"
#include "support/birth_entry.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

// The about box opens on Ok; Enter and Esc close it without opening a page.
TEST(Keyboard, AboutBoxKeys) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    SCOPED_TRACE(key);
    test::OpenedPages pages;
    FrmMain form;
    form.show();
    QString focused;
    bool closed = false;
    test::ModalWatcher watcher([&](QWidget* modal) {
      if (modal->objectName() != QLatin1String("frmAbout")) return;
      // The dialog's own focus, which does not wait for the window system to activate it.
      QWidget* focus = modal->focusWidget();
      focused = focus != nullptr ? focus->objectName() : QString();
      QTest::keyClick(focus != nullptr ? focus : modal, key);
      closed = !modal->isVisible();
    });
    Child<QAction>(form, QStringLiteral("mnuAbout")).trigger();
    EXPECT_EQ(focused, "cmdOK");
    EXPECT_TRUE(closed);
    EXPECT_TRUE(pages.urls.empty());
  }
}

// Tab from the top bar's link goes through every control of the frame in reading order and
// the links at its foot.
TEST(Keyboard, ResultFrameTabOrder) {
  FrmMain form;
  test::Enter(form, test::BirthEntry{});
  Mdi frame;
  frame.showChart(*RunChart(form.readBirthData()).chart);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  // "Use this time" is enabled only once the time has moved, and skipped until then.
  // The drawn chart takes the focus only in the styles that show it (not the default).
  const std::vector<std::string> expected = {
      "Label10", "cmdBack",        "cmdExit", "cmbVarga", "cmbChartStyle",
      "cmbSpan", "birthTimeStrip", "Label6",  "Label7"};
  Child<QWidget>(frame, QString::fromStdString(expected.front())).setFocus(Qt::TabFocusReason);
  std::vector<std::string> forward;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    forward.push_back(QApplication::focusWidget()->objectName().toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(forward, expected);
}


// The letter after the single '&' of a caption, lower case; 0 for none ("&&" is a plain &).
QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return QChar();
}

// Every mnemonic of `items` appears once; `where` names them in the failure.
void ExpectUnique(const std::vector<std::pair<QString, QString>>& items, const QString& where) {
  std::map<QChar, QString> seen;
  for (const auto& [name, text] : items) {
    const QChar letter = Mnemonic(text);
    if (letter.isNull()) continue;
    const auto [at, fresh] = seen.emplace(letter, name);
    EXPECT_TRUE(fresh) << where.toStdString() << ": " << name.toStdString() << " and "
                       << at->second.toStdString() << " share Alt+"
                       << QString(letter).toStdString();
  }
}

// Within every menu (and its submenus) of a window's menu bar the items' mnemonics differ,
// and the window's own (its menus and its buttons and captions) differ from each other.
void ExpectUniqueMnemonics(QMainWindow& window) {
  std::vector<std::pair<QString, QString>> own;
  std::vector<QMenu*> menus;
  for (QAction* action : window.menuBar()->actions()) {
    own.emplace_back(action->objectName(), action->text());
    if (action->menu() != nullptr) menus.push_back(action->menu());
  }
  while (!menus.empty()) {
    QMenu* menu = menus.back();
    menus.pop_back();
    Q_EMIT menu->aboutToShow();  // a menu filled when shown (Recent Births)
    std::vector<std::pair<QString, QString>> items;
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      items.emplace_back(action->objectName(), action->text());
      if (action->menu() != nullptr) menus.push_back(action->menu());
    }
    ExpectUnique(items, window.objectName() + QLatin1Char(' ') + menu->objectName());
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    own.emplace_back(button->objectName(), button->text());
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->buddy() != nullptr) own.emplace_back(label->objectName(), label->text());
  }
  ExpectUnique(own, window.objectName());
}

TEST(Keyboard, MnemonicsAreUniqueInEveryMenuAndWindow) {
  test::RecordedMessages boxes;
  QTemporaryDir dir;
  AppShell shell(dir.path() + QStringLiteral("/births.sqlite"));
  shell.start();
  ExpectUniqueMnemonics(shell.frmMain());
  test::Enter(shell.frmMain(), test::BirthEntry{});
  shell.frmMain().cmdRashi_Click();
  ASSERT_NE(shell.mdi(), nullptr);
  ExpectUniqueMnemonics(*shell.mdi());
  EXPECT_EQ(Mnemonic(QStringLiteral("Save && &Go")), u'g');
}

}  // namespace
}  // namespace velquor
