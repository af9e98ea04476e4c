// The pages: every menu item and link label opens the page of its role, the web pages are
// distinct addresses, and help is the page installed beside the program.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "gui/app/frm_about.h"
#include "gui/app/frm_main.h"
#include "gui/app/mdi.h"
#include "gui/common/link_label.h"
#include "gui/common/links.h"
#include "gui/result/frm_display.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

enum class Window { Form, Frame, Result, About };

struct Link {
  Window window;
  const char* control;
  PageRole role;
};

std::unique_ptr<QWidget> Open(Window window) {
  switch (window) {
    case Window::Form:
      return std::make_unique<FrmMain>();
    case Window::Frame:
      return std::make_unique<Mdi>();
    case Window::Result:
      return std::make_unique<FrmDisplay>();
    case Window::About:
      return std::make_unique<FrmAbout>();
  }
  return nullptr;
}

TEST(Links, EveryLinkOpensThePageOfItsRole) {
  const Link links[] = {
      {Window::Form, "mnuOnline", PageRole::OnlineHelp},
      {Window::Form, "mnuVisit", PageRole::HomePage},
      {Window::Form, "mnuUpdate", PageRole::Update},
      {Window::Form, "mnuDonate", PageRole::Donate},
      {Window::Form, "mkmoney", PageRole::FullBranding},
      {Window::Form, "lblFullBrand", PageRole::FullBranding},
      {Window::Form, "lblCobrand", PageRole::CoBranding},
      {Window::Form, "Label61", PageRole::HomePage},
      {Window::Frame, "mnuOnline", PageRole::OnlineHelp},
      {Window::Frame, "mnuVisit", PageRole::HomePage},
      {Window::Frame, "mnuUpdate", PageRole::Update},
      {Window::Frame, "mnuDonate", PageRole::Donate},
      {Window::Frame, "mm", PageRole::FullBranding},
      {Window::Frame, "Label10", PageRole::FullBranding},
      {Window::Result, "Label6", PageRole::HomePage},
      {Window::Result, "Label7", PageRole::HomePage},
      {Window::About, "lblHomePage", PageRole::HomePage},
      {Window::About, "lblCoBrand", PageRole::FullBranding},
  };
  for (const Link& link : links) {
    SCOPED_TRACE(link.control);
    test::OpenedPages pages;
    const std::unique_ptr<QWidget> window = Open(link.window);
    const QString name = QString::fromLatin1(link.control);
    if (auto* item = window->findChild<QAction*>(name))
      item->trigger();
    else
      QTest::mouseClick(&Child<LinkLabel>(*window, name), Qt::LeftButton);
    EXPECT_EQ(pages.urls, std::vector<QUrl>{PageUrl(link.role)});
  }
}

TEST(Links, LinkLabelsAnswerTheKeyboard) {
  test::OpenedPages pages;
  FrmMain form;
  LinkLabel& link = Child<LinkLabel>(form, QStringLiteral("Label61"));
  QTest::keyClick(&link, Qt::Key_Return);
  QTest::keyClick(&link, Qt::Key_Space);
  EXPECT_EQ(pages.urls.size(), 2u);
}

TEST(Links, HelpIsTheInstalledPageBesideTheProgram) {
  // This test program is built into the same folder as the program itself.
  const QUrl help = PageUrl(PageRole::OnlineHelp);
  ASSERT_TRUE(help.isLocalFile()) << help.toString().toStdString();
  QFile page(help.toLocalFile());
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  EXPECT_TRUE(page.readAll().contains("<title>Velquor Help</title>"));
  EXPECT_EQ(FindHelpPage(QCoreApplication::applicationDirPath()), help.toLocalFile());
}

TEST(Links, NoHelpPageInAnotherFolder) {
  QTemporaryDir elsewhere;
  EXPECT_TRUE(FindHelpPage(elsewhere.path()).isEmpty());
}

}  // namespace
}  // namespace velquor
