// The File menu's saved-birth items, shared by the birth-data form and the result frame:
// mnuSaveBirth "&Save Birth" (Ctrl+S), mnuOpenBirth "&Open Birth…" (Ctrl+O), the submenu
// mnuRecentBirths "&Recent Births" and the separator mnuBirthsSep, placed before Exit so
// that the items the windows always had keep their order.
#pragma once

class QAction;
class QMenu;

namespace velquor {

struct BirthsMenuItems {
  QAction* save = nullptr;
  QAction* open = nullptr;
  QMenu* recent = nullptr;
};

// Inserts the items into `file` before `exit`. They stay disabled until a BirthLibrary
// serves them (BirthLibrary::serve), so a window made on its own offers nothing it cannot do.
BirthsMenuItems AddBirthsMenuItems(QMenu* file, QAction* exit);

}  // namespace velquor
