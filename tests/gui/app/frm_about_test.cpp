// The about box: modal over the form and over the frame, its texts, its links and Ok.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "gui/app/frm_main.h"
#include "gui/app/mdi.h"
#include "gui/common/links.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

struct AboutSeen {
  bool modal = false;
  QString title, label2, label3, coBrand, homePage, licence, ok;
  bool closedByOk = false;
};

// Opens the about box with `item` and reads it while it is up; Ok closes it.
AboutSeen OpenAbout(QAction& item) {
  AboutSeen seen;
  test::ModalWatcher watcher([&seen](QWidget* modal) {
    if (modal->objectName() != QLatin1String("frmAbout")) return;
    seen.modal = modal->isModal();
    seen.title = modal->windowTitle();
    seen.label2 = Child<QLabel>(*modal, QStringLiteral("Label2")).text();
    seen.label3 = Child<QLabel>(*modal, QStringLiteral("Label3")).text();
    seen.coBrand = Child<QLabel>(*modal, QStringLiteral("lblCoBrand")).text();
    seen.homePage = Child<QLabel>(*modal, QStringLiteral("lblHomePage")).text();
    seen.licence = Child<QLabel>(*modal, QStringLiteral("lblLicence")).text();
    Child<QWidget>(*modal, QStringLiteral("picIcon"));
    auto& ok = Child<QPushButton>(*modal, QStringLiteral("cmdOK"));
    seen.ok = ok.text();
    ok.click();
    seen.closedByOk = !modal->isVisible();
  });
  item.trigger();  // returns when the box is closed
  return seen;
}

void ExpectAboutBox(const AboutSeen& seen) {
  EXPECT_TRUE(seen.modal);
  EXPECT_EQ(seen.title, "Velquor v1.25");
  EXPECT_EQ(seen.label2, "Velquor v1.25");
  EXPECT_EQ(seen.label3,
            "Home Business Opportunity. Start your own Internet business and make money online. "
            "Get this software fully branded for your website. ");
  EXPECT_EQ(seen.coBrand, "Click here for more details.");
  EXPECT_EQ(seen.homePage, PageUrl(PageRole::HomePage).toString());
  // The licence and the credit the place data's licence asks for.
  for (const char* part :
       {"GNU General Public License, version 3 or later", "GeoNames", "CC BY 4.0"}) {
    EXPECT_TRUE(seen.licence.contains(QLatin1String(part))) << part;
  }
  EXPECT_EQ(seen.ok, "Ok");
  EXPECT_TRUE(seen.closedByOk);
}

TEST(FrmAbout, FromTheForm) {
  FrmMain form;
  form.show();
  ExpectAboutBox(OpenAbout(Child<QAction>(form, QStringLiteral("mnuAbout"))));
}

TEST(FrmAbout, FromTheFrame) {
  Mdi frame;
  frame.show();
  ExpectAboutBox(OpenAbout(Child<QAction>(frame, QStringLiteral("mnuAbout"))));
}

}  // namespace
}  // namespace velquor
