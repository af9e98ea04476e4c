// The birth-data form as the program shows it: its menus, with the items of the saved births,
// the conventions and the help.
#include <gtest/gtest.h>

#include <QMenuBar>

#include "gui/app/frm_main.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

TEST(FrmMainControls, Menus) {
  FrmMain form;
  EXPECT_EQ(test::MenuOutline(*form.menuBar()),
            QStringList({"mnuFile &File", "  mnuNext Get My Pranapada Lagna",
                         "  mnuSaveBirth &Save Birth", "  mnuOpenBirth &Open Birth\u2026",
                         "  mnuRecentBirths &Recent Births", "  mnuBirthsSep -", "  mnuExit E&xit",
                         "mnuEdit &Edit", "  mnuUndoSave &Undo Save", "mnuOptions &Options", "  mnuConventions &Conventions\u2026",
                         "mnuHelp &Help", "  mnuOnline &Online Help", "  mnuVisit &Visit Us Online",
                         "  mnuHelp1 -", "  mnuUpdate Check for Software &Update", "  mnuHelp2 -",
                         "  mnuAbout &About Software", "  mnuDonate &Donate",
                         "  mkmoney &Make Money Online"}));
}

}  // namespace
}  // namespace velquor
