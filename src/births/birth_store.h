// The births database: one SQLite file (Qt SQL's driver) holding the saved births in the
// columns of the key table (birth_keys.h), with a schema version whose steps bring an older
// file up to date (birth_schema.h). Every change is one transaction, so nothing is written
// half; a busy database (another program importing) is waited for up to kBusyTimeoutMs
// before a change fails.
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

// A fault of the database: the message names the file and says what to do.
class BirthStoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// How many births an import added, and how many it skipped as already saved.
struct AddedCounts {
  std::size_t added = 0;
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
  // births database or comes from a newer version; such a file is never written.
  explicit BirthStore(QString path, Access access = Access::ReadWrite);
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
  // Adds births in one transaction (all or none); a birth whose birth data are already
  // saved is skipped as a duplicate.
  AddedCounts addAll(const std::vector<SavedBirth>& births);

  // Every change throws BirthStoreError when it fails (read-only, busy beyond the
  // timeout, disk full, a rename onto another row's birth data); the file is unchanged then.

 private:
  QSqlDatabase database() const;

  QString path_;
  QString connection_;
  bool readOnly_ = false;
  int version_ = 0;  // the schema version of the open file
};

}  // namespace velquor
