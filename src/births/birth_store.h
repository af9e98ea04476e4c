// The births database: one SQLite file (Qt SQL's driver) holding the saved births in the
// columns of the key table (birth_keys.h), with a schema version whose steps bring an older
// file up to date (birth_schema.h). Every change is one transaction, so nothing is written
// half; a busy database (another program writing to it) is waited for up to a busy timeout
// (kBusyTimeoutMs unless the store is given another) before a read or change fails as busy,
// which is never called damaged. A file left half-written by a program that stopped while
// writing (its rollback journal still beside it) is put right on the next open that may
// write the file, even one that only reads.
//
// A store is one connection, used on the thread that made it; any number of stores (in
// threads or processes) may share one file.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "births/saved_birth.h"

namespace velquor {

inline constexpr int kBusyTimeoutMs = 10000;

// A fault of the database: the message names the file and says what to do. Busy: another
// program held the file beyond the busy timeout; nothing is wrong with it, and the same
// request may succeed later.
class BirthStoreError : public std::runtime_error {
 public:
  enum class Kind { Fault, Busy };

  explicit BirthStoreError(const std::string& message, Kind kind = Kind::Fault)
      : std::runtime_error(message), kind_(kind) {}

  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// How many births an import added, updated (a saved birth of the same birth data took the
// file's new note or conventions) and skipped as already saved unchanged.
struct AddedCounts {
  std::size_t added = 0;
  std::size_t updated = 0;
  std::size_t duplicates = 0;
};

class BirthStore {
 public:
  enum class Access { ReadWrite, ReadOnly };

  // Opens the database at `path`, creating the file (and its folder) with the current
  // schema when missing, and bringing a file of an earlier schema up to date (its births
  // kept as they are). A file that cannot be written is opened read-only (readOnly()) and
  // read in its own schema.
  // Throws BirthStoreError when the file cannot be opened or created, is damaged, is not a
  // births database or comes from a newer version (such a file is never written); when it
  // is busy beyond `busyTimeoutMs` (Kind::Busy); or when it was left half-written and
  // cannot be put right because it may not be written.
  explicit BirthStore(QString path, Access access = Access::ReadWrite,
                      int busyTimeoutMs = kBusyTimeoutMs);
  ~BirthStore();
  BirthStore(const BirthStore&) = delete;
  BirthStore& operator=(const BirthStore&) = delete;

  // The database of the user's data folder: the desktop program's
  // QStandardPaths::AppDataLocation (~/.local/share/velquor)/births.sqlite, for both tools.
  static QString DefaultPath();

  const QString& path() const { return path_; }
  bool readOnly() const { return readOnly_; }

  // Every birth, by name (without regard to case), then date and time.
  std::vector<SavedBirth> all() const;
  std::optional<SavedBirth> find(std::int64_t id) const;
  std::size_t count() const;

  // Saves a birth and returns its id. With `id` 0: a saved birth of the same birth data
  // (every field) takes the conventions; otherwise a new row. With an id: that row takes
  // the birth data and conventions. The note is kept.
  std::int64_t save(const BirthData& birth, const Conventions& conventions, std::int64_t id = 0);
  // Writes `saved` as the user chose to save it, and returns its id. With `saved.id` 0: a
  // new row (the note included); with an id: that row takes the birth data, the conventions
  // and the entered time, keeping its note. Throws BirthStoreError when another row has the
  // same birth data.
  std::int64_t write(const SavedBirth& saved);
  // Puts the row `before.id` back exactly as `before` (every column, its times included):
  // the undo of a write that changed it.
  void revert(const SavedBirth& before);
  void rename(std::int64_t id, const std::string& name);
  void setNote(std::int64_t id, const std::string& note);
  // Deletes a row and returns it as it was, for undo.
  SavedBirth remove(std::int64_t id);
  // Puts a removed row back with its id, note and times.
  void restore(const SavedBirth& saved);
  // Adds births in one transaction (all or none). A birth whose birth data are already
  // saved updates that row: its note when the new one is not empty, its conventions unless
  // conventionsGiven[i] is false (the file gave none), its entered time when it has none and
  // the new birth has one; with nothing new it is skipped as a
  // duplicate. An empty `conventionsGiven` means every birth gives its conventions.
  AddedCounts addAll(const std::vector<SavedBirth>& births,
                     const std::vector<bool>& conventionsGiven = {});

  // Every change throws BirthStoreError when it fails (read-only, busy beyond the
  // timeout, disk full, a rename onto another row's birth data); the file is unchanged then.
  // Reads throw it too when the file is busy beyond the timeout.

 private:
  QSqlDatabase database() const;
  // Opens the connection and checks the file; see the constructor.
  void openChecked(QSqlDatabase& db, int busyTimeoutMs);

  QString path_;
  QString connection_;
  bool readOnly_ = false;
  int version_ = 0;  // the schema version of the open file
};

}  // namespace velquor
