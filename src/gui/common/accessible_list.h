// Lists (non-editable QComboBox) that a screen reader announces by their own name.
//
// On Linux Qt reads a list's current entry as its accessible name, so the hour, minute and
// second lists all sound alike ("0, combo box"). The interface installed here reads the
// accessibleName set in the code as the name and the current entry as the value.
#pragma once

namespace velquor {

// Installs the interface for every non-editable list created from now on. Needs a
// QApplication; calling it again does nothing.
void InstallAccessibleLists();

}  // namespace velquor
