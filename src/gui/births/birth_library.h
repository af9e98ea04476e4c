// The desktop program's saved births: the births database of the user's data folder, opened
// on first use, served to the File and Edit menus and the status bars of the form and the
// result frame. A save never replaces another birth unasked: a birth of the same name with
// other data, or a birth time moved on the strip, is a question first; what was done is
// said in the status bar, and Undo Save puts the database back as it was before the last
// save. A database that cannot be used is reported (naming the file and what to do) each
// time a saved-birth item is chosen; charts go on as before and nothing is saved.
#pragma once

#include <QAction>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "births/saved_birth.h"
#include "gui/births/births_menu.h"
#include "gui/common/link_label.h"

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

  // What a window would save: the birth data shown with its conventions, and the birth as
  // entered when the shown time was moved from it (the result window's strip).
  struct BirthToSave {
    SavedBirth shown;
    std::optional<BirthData> entered;
  };
  // The birth a window would save, or nothing when it has none to save (the window has said
  // why).
  using CurrentBirth = std::function<std::optional<BirthToSave>()>;

  // Enables `items` of `window` and runs them: Save saves `current()`, Open shows the Open
  // Birth dialog, Recent lists the last births opened, Undo Save and the status bar's link
  // undo the last save.
  void serve(const BirthsMenuItems& items, QWidget* window, const CurrentBirth& current);

  // Saves a birth. A moved birth time asks first which time to keep: the entered one, the
  // moved one as the rectified time (the entered time kept in the record), or the moved one
  // as a new birth. Then the saved birth of the same data takes the conventions (a
  // rectified time replaces its time); else a saved birth of the same name (the one last
  // opened or saved, or the only one) is updated or kept beside a new one, as the user
  // answers; else the birth is new. Returns its id, or 0 when nothing was saved (a fault
  // reported over `window`, or the question cancelled).
  std::int64_t save(const BirthToSave& birth, QWidget* window);
  // Puts the database back as it was before the last save: a birth it added is removed, a
  // birth it changed comes back as it was. Says so in the status bars.
  void undoSave(QWidget* window);
  bool canUndoSave() const { return lastSave_.has_value(); }
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
  // Writes `birth` (a new row for id 0) and keeps what undoes it; returns the id.
  std::int64_t write(BirthStore& births, const SavedBirth& birth,
                     const std::optional<SavedBirth>& before);
  // Shows `message` in every window's status bar, with the Undo link while a save can be
  // undone.
  void tell(const QString& message);

  // The undo of the last save: the row it wrote and, for a changed row, the row before.
  struct LastSave {
    std::int64_t id = 0;
    std::optional<SavedBirth> before;
  };
  struct Served {
    QPointer<QAction> undo;
    QPointer<QLabel> status;
    QPointer<LinkLabel> undoLink;
  };

  QString path_;
  std::unique_ptr<BirthStore> store_;
  std::int64_t current_ = 0;                    // the birth last opened or saved
  std::vector<SavedBirth> deletedThisSession_;  // for Undo Delete, most recent last
  std::optional<LastSave> lastSave_;
  std::vector<Served> served_;
};

}  // namespace velquor

Q_DECLARE_METATYPE(velquor::SavedBirth)
