// The "&Help" menu that the birth-data form and the result frame share. The two windows
// name its separators and its last item differently, so the names are given.
#pragma once

#include <functional>

class QMenu;
class QMenuBar;
class QWidget;

namespace velquor {

struct HelpMenuNames {
  const char* firstSeparator;   // after "&Visit Us Online"
  const char* secondSeparator;  // after "Check for Software &Update"
  const char* makeMoney;        // "&Make Money Online"
};

// Appends mnuHelp to `menuBar`: mnuOnline, mnuVisit, separator, mnuUpdate, separator,
// mnuAbout, mnuDonate and the make-money item. The link items open their pages; mnuAbout
// runs `showAbout`. Handlers run guarded with `window` as the parent of any message.
QMenu* AddHelpMenu(QMenuBar* menuBar, QWidget* window, const HelpMenuNames& names,
                   std::function<void()> showAbout);

}  // namespace velquor
