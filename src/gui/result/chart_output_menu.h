// The result frame's File menu items that put the shown chart on paper or in a file: Print…,
// Print Preview…, Export as PNG…, Export as SVG… and Export as PDF…. Each prints or writes
// the one chart page (render/chart_page.h) in the result window's chart style.
#pragma once

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace velquor {

class FrmDisplay;

// Inserts the items and a separator after them before `before` (the menu's Exit), so that
// the menu's own items keep their names and order. `display` gives the result window whose
// chart and style are printed; `window` is the parent of the dialogs and messages.
void AddChartOutputMenuItems(QMenu* file, QAction* before, QWidget* window,
                             const std::function<FrmDisplay*()>& display);

}  // namespace velquor
