// frmMain as the program shows it: the birth-data form (entry/birth_form.h) with the saved
// births' items in its File menu, the Options menu and the Help menu, charting by the
// conventions the user chose.
#pragma once

#include "gui/births/births_menu.h"
#include "gui/entry/birth_form.h"

namespace velquor {

class FrmMain final : public BirthForm {
  Q_OBJECT

 public:
  explicit FrmMain(QWidget* parent = nullptr);

  // The saved-birth items of the File menu.
  const BirthsMenuItems& birthsMenu() const { return birthsMenu_; }

 protected:
  // The conventions kept in the user's settings (Options → Conventions…).
  Conventions chartConventions() const override;

 private:
  BirthsMenuItems birthsMenu_;
};

}  // namespace velquor
