#include "gui/app/frm_main.h"

#include <QMenuBar>

#include "gui/app/frm_about.h"
#include "gui/app/help_menu.h"
#include "gui/conventions/conventions_settings.h"
#include "gui/conventions/options_menu.h"

namespace velquor {

FrmMain::FrmMain(QWidget* parent) : BirthForm(parent) {
  birthsMenu_ = AddBirthsMenuItems(this, fileMenu(), exitItem());
  AddOptionsMenu(menuBar(), this, nullptr);
  AddHelpMenu(menuBar(), this, {"mnuHelp1", "mnuHelp2", "mkmoney"}, [this] { ShowAboutBox(this); });
}

Conventions FrmMain::chartConventions() const { return LoadConventions(); }

}  // namespace velquor
