// The Options menu of the form and the frame: Conventions…, the choices a chart is counted
// by, saved in the user's settings.
#pragma once

#include <functional>

class QMenuBar;
class QWidget;

namespace velquor {

// Appends mnuOptions with mnuConventions to `menuBar`. The item opens dlgConventions over
// `window`; OK saves the choices and then calls `changed`.
void AddOptionsMenu(QMenuBar* menuBar, QWidget* window, std::function<void()> changed);

}  // namespace velquor
