// The desktop program's saved births: the births database of the user's data folder, opened
// on first use, served to the File menus of the form and the result frame. A database that
// cannot be used is reported (naming the file and what to do) each time a saved-birth item
// is chosen; charts go on as before and nothing is saved.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "births/saved_birth.h"
#include "gui/births/births_menu.h"

class QWidget;

namespace velquor {

class BirthStore;

inline constexpr int kRecentBirths = 5;

// How long the desktop waits for a births database another program is writing to before it
// says so: short, since the window does not answer while it waits.
inline constexpr int kDesktopBusyTimeoutMs = 2000;

class BirthLibrary : public QObject {
  Q_OBJECT

 public:
  // `path`: the database file (default: BirthStore::DefaultPath()).
  explicit BirthLibrary(QString path = {});
  ~BirthLibrary() override;

  // The birth a window would save: its data and conventions, or nothing when it has none to
  // save (the window has said why).
  using CurrentBirth = std::function<std::optional<SavedBirth>()>;

  // Enables `items` of `window` and runs them: Save saves `current()`, Open shows the Open
  // Birth dialog, Recent lists the last births opened.
  void serve(const BirthsMenuItems& items, QWidget* window, const CurrentBirth& current);

  // Saves a birth: the one last opened or saved, when the name is still its name (a
  // corrected birth time updates it), else the saved birth of the same data, else a new
  // one. Returns its id, or 0 when it could not be saved (reported over `window`).
  std::int64_t save(const SavedBirth& birth, QWidget* window);
  // The Open Birth dialog over `window`; the chosen birth is opened.
  void showOpenDialog(QWidget* window);
  // Opens the saved birth `id`: it becomes the current and most recent one, and
  // birthOpened is emitted. A birth deleted meanwhile is reported.
  void open(std::int64_t id, QWidget* window);

  // The ids of the last births opened, most recent first (settings::kRecentBirthIds).
  std::vector<std::int64_t> recent() const;

  // The database, opened on first use; null (after a message over `window`) when it cannot
  // be used.
  BirthStore* store(QWidget* window);

 Q_SIGNALS:
  // A saved birth to show: the form takes it and its chart is made by its conventions.
  void birthOpened(const velquor::SavedBirth& birth);

 private:
  void fillRecentMenu(QMenu* menu, QWidget* window);
  void remember(std::int64_t id);

  QString path_;
  std::unique_ptr<BirthStore> store_;
  std::int64_t current_ = 0;                    // the birth last opened or saved
  std::vector<SavedBirth> deletedThisSession_;  // for Undo Delete, most recent last
};

}  // namespace velquor

Q_DECLARE_METATYPE(velquor::SavedBirth)
