// The saved-birth items of a window, shared by the birth-data form and the result frame:
// in the File menu mnuSaveBirth "&Save Birth" (Ctrl+S), mnuOpenBirth "&Open Birth…" (Ctrl+O),
// the submenu mnuRecentBirths "&Recent Births" and the separator mnuBirthsSep, placed before
// Exit so that the items the windows always had keep their order; the Edit menu mnuEdit
// "&Edit" after File with mnuUndoSave "&Undo Save" (Ctrl+Z); and in the status bar the
// message of the last save (lblSaveStatus) with its link lnkUndoSave "Undo".
#pragma once

class QAction;
class QLabel;
class QMainWindow;
class QMenu;

namespace velquor {

class LinkLabel;

struct BirthsMenuItems {
  QAction* save = nullptr;
  QAction* open = nullptr;
  QMenu* recent = nullptr;
  QAction* undo = nullptr;
  QLabel* status = nullptr;
  LinkLabel* undoLink = nullptr;
};

// Inserts the items into `window`: into `file` before `exit`, the Edit menu after `file`,
// and the status bar's message and link. They stay disabled (the link hidden) until a
// BirthLibrary serves them (BirthLibrary::serve), so a window made on its own offers nothing
// it cannot do.
BirthsMenuItems AddBirthsMenuItems(QMainWindow* window, QMenu* file, QAction* exit);

}  // namespace velquor
