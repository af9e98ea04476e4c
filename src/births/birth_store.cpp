#include "births/birth_store.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <atomic>
#include <fstream>
#include <sstream>
#include <string_view>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

#include "births/birth_check.h"
#include "births/birth_keys.h"
#include "births/birth_schema.h"
#include "births/input_error.h"

namespace velquor {

namespace {

QString Column(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The columns of the key table (birth_keys.h). The birth data's together identify a birth
// (the unique key).
QStringList BirthColumns() {
  QStringList columns;
  for (const BirthKey& key : kBirthKeys) {
    if (key.number != nullptr || key.flag != nullptr || key.text != nullptr) {
      columns << Column(key.column);
    }
  }
  return columns;
}

QStringList ConventionColumns() {
  QStringList columns;
  for (const ConventionKey& choice : kConventionKeys) columns << Column(choice.column);
  return columns;
}

QString NoteColumn() {
  for (const BirthKey& key : kBirthKeys) {
    if (key.kind == BirthKeyKind::Note) return Column(key.column);
  }
  return {};
}

// The first schema version with the entered time of a rectified birth.
constexpr int kEnteredTimeVersion = 2;

// Every column a row is read from, in the order RowOf reads them. A file of an earlier
// schema opened read-only (not upgraded) reads as births saved as entered.
QString SelectStatement(int version) {
  return QStringLiteral("SELECT id, %1, %2, %3, created, modified, %4 FROM births")
      .arg(BirthColumns().join(QStringLiteral(", ")),
           ConventionColumns().join(QStringLiteral(", ")), NoteColumn(),
           version >= kEnteredTimeVersion ? QStringLiteral("entered_time")
                                          : QStringLiteral("'' AS entered_time"));
}

// "1985-03-21T10:45:00", or "" for none.
QString EnteredText(const std::optional<LocalDateTime>& t) {
  if (!t) return QStringLiteral("");
  return QStringLiteral("%1-%2-%3T%4:%5:%6")
      .arg(t->year, 4, 10, QLatin1Char('0'))
      .arg(t->month, 2, 10, QLatin1Char('0'))
      .arg(t->day, 2, 10, QLatin1Char('0'))
      .arg(t->hour, 2, 10, QLatin1Char('0'))
      .arg(t->minute, 2, 10, QLatin1Char('0'))
      .arg(t->second, 2, 10, QLatin1Char('0'));
}

// The reverse of EnteredText; nothing for a text of another form (an empty one).
std::optional<LocalDateTime> EnteredOf(const QString& text) {
  const QDateTime read = QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
  if (!read.isValid()) return std::nullopt;
  const QDate d = read.date();
  const QTime t = read.time();
  return LocalDateTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

// "a = :a AND b = :b …" or "a = :a, b = :b …" of `columns`.
QString Assignments(const QStringList& columns, const QString& separator) {
  QStringList assignments;
  for (const QString& column : columns) assignments << QStringLiteral("%1 = :%1").arg(column);
  return assignments.join(separator);
}

QString Now() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate); }

// Never a null QString, which the driver would bind as NULL.
QString Text(std::string_view text) {
  return text.empty() ? QStringLiteral("")
                      : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The message of a fault: the file, what is wrong, and what to do.
[[noreturn]] void Fail(const QString& path, const QString& what, const QString& todo) {
  throw BirthStoreError(
      QStringLiteral("The births database %1 %2. %3").arg(path, what, todo).toStdString());
}

// SQLite's primary result codes (its extended codes carry them in the low byte).
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

int SqliteCode(const QSqlError& error) {
  bool ok = false;
  const int code = error.nativeErrorCode().toInt(&ok);
  return ok ? code & 0xff : -1;
}

bool IsBusy(const QSqlError& error) {
  const int code = SqliteCode(error);
  return code == kSqliteBusy || code == kSqliteLocked;
}

// " (NAME, process PID)" of another process holding a lock on SQLite's lock bytes of the
// file, from the system's list of locks (Linux); empty when none is found. The file itself
// is not opened: closing a descriptor of it would drop this process's own locks on it.
QString LockHolder(const QString& path) {
  struct stat file {};
  if (stat(QFile::encodeName(path).constData(), &file) != 0) return {};
  std::ifstream locks("/proc/locks");
  constexpr unsigned long long kPendingByte = 0x40000000;  // SQLite's first lock byte
  constexpr unsigned long long kLastLockByte = kPendingByte + 511;
  std::string line;
  while (std::getline(locks, line)) {
    // "1: POSIX  ADVISORY  WRITE 1234 08:01:5678 1073741824 1073742335"
    std::istringstream words(line);
    std::string number, type, mode, access, device, start, end;
    long long pid = 0;
    if (!(words >> number >> type)) continue;
    if (type == "->") continue;  // a waiter, not a holder
    if (!(words >> mode >> access >> pid >> device >> start >> end)) continue;
    const std::size_t colon = device.rfind(':');
    if (colon == std::string::npos || device.substr(colon + 1) != std::to_string(file.st_ino)) {
      continue;
    }
    const unsigned long long first = std::strtoull(start.c_str(), nullptr, 10);
    const unsigned long long last =
        end == "EOF" ? ~0ULL : std::strtoull(end.c_str(), nullptr, 10);
    // An open file description's lock has no process (-1).
    if (last < kPendingByte || first > kLastLockByte || pid <= 0 || pid == getpid()) continue;
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name.empty() ? QStringLiteral(" (process %1)").arg(pid)
                        : QStringLiteral(" (%1, process %2)").arg(QString::fromStdString(name))
                              .arg(pid);
  }
  return {};
}

// The message of a file busy beyond the timeout: in use, never damaged.
[[noreturn]] void FailBusy(const QString& path) {
  throw BirthStoreError(QStringLiteral("The births database %1 is in use by another program%2, "
                                       "which is writing to it. Try again when it has "
                                       "finished; nothing was changed.")
                            .arg(path, LockHolder(path))
                            .toStdString(),
                        BirthStoreError::Kind::Busy);
}

// A birth whose texts a saved birth may not hold (record_limits.h) is refused before any
// change, so that every saved birth exports as a line that batch and import read.
void RequireSavable(const BirthData& birth, const std::string& note) {
  try {
    RequireSavableTexts(birth, note);
  } catch (const InputError& error) {
    throw BirthStoreError("\"" + birth.personName.substr(0, 80) + "\" cannot be saved: " +
                          error.what());
  }
}

const QString kLeftAlone =
    QStringLiteral("Velquor leaves the file as it is and saves no births until it is fixed: ");

QString Placeholder(std::string_view column) { return QLatin1Char(':') + Column(column); }

// Binds the birth-data columns.
void BindBirth(QSqlQuery& query, const BirthData& b) {
  for (const BirthKey& key : kBirthKeys) {
    if (key.number != nullptr) query.bindValue(Placeholder(key.column), b.*key.number);
    if (key.flag != nullptr) query.bindValue(Placeholder(key.column), b.*key.flag);
    if (key.text != nullptr) query.bindValue(Placeholder(key.column), Text(b.*key.text));
  }
}

void BindConventions(QSqlQuery& query, const Conventions& c) {
  for (const ConventionKey& choice : kConventionKeys) {
    query.bindValue(Placeholder(choice.column), Text(choice.nameIn(c)));
  }
}

// A row of SelectStatement(). A choice's unknown name (a later version's) reads as the
// classic choice.
SavedBirth RowOf(const QSqlQuery& q) {
  SavedBirth s;
  int c = 0;
  s.id = q.value(c++).toLongLong();
  BirthData& b = s.birth;
  for (const BirthKey& key : kBirthKeys) {
    if (key.number != nullptr) b.*key.number = q.value(c++).toInt();
    if (key.flag != nullptr) b.*key.flag = q.value(c++).toBool();
    if (key.text != nullptr) b.*key.text = q.value(c++).toString().toStdString();
  }
  for (const ConventionKey& choice : kConventionKeys) {
    choice.choose(q.value(c++).toString().toStdString(), s.conventions);
  }
  s.note = q.value(c++).toString().toStdString();
  s.created = q.value(c++).toString().toStdString();
  s.modified = q.value(c++).toString().toStdString();
  s.enteredTime = EnteredOf(q.value(c++).toString());
  return s;
}

QString InsertStatement(bool withIdAndTimes) {
  QStringList columns = BirthColumns() + ConventionColumns();
  columns << NoteColumn() << QStringLiteral("created") << QStringLiteral("modified")
          << QStringLiteral("entered_time");
  if (withIdAndTimes) columns << QStringLiteral("id");
  QStringList values;
  for (const QString& column : columns) values << QLatin1Char(':') + column;
  // A birth already saved is skipped (no row changed); any other fault fails the statement.
  return QStringLiteral("INSERT INTO births (%1) VALUES (%2)%3")
      .arg(columns.join(u','), values.join(u','),
           withIdAndTimes ? QString() : QStringLiteral(" ON CONFLICT DO NOTHING"));
}

}  // namespace

// One write transaction: BEGIN IMMEDIATE takes the write lock at once (waiting up to the
// busy timeout), so that two writers never deadlock upgrading a read lock; anything not
// committed is rolled back when it ends.
class WriteTransaction {
 public:
  WriteTransaction(const QSqlDatabase& database, QString path)
      : database_(database), path_(std::move(path)) {
    run(QStringLiteral("BEGIN IMMEDIATE"));
  }
  ~WriteTransaction() {
    if (!committed_) QSqlQuery(database_).exec(QStringLiteral("ROLLBACK"));
  }
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;

  void prepare(QSqlQuery& query, const QString& statement) const {
    if (!query.prepare(statement)) fail(query.lastError());
  }

  void run(const QString& statement) {
    QSqlQuery query(database_);
    if (!query.exec(statement)) fail(query.lastError());
  }
  void commit() {
    run(QStringLiteral("COMMIT"));
    committed_ = true;
  }

  [[noreturn]] void fail(const QSqlError& error) const {
    const QString text = error.text();
    if (text.contains(QStringLiteral("readonly"), Qt::CaseInsensitive)) {
      Fail(path_, QStringLiteral("is read-only"),
           QStringLiteral("Make the file and its folder writable to save births."));
    }
    if (IsBusy(error)) FailBusy(path_);
    Fail(path_, QStringLiteral("could not be changed (%1)").arg(text),
         QStringLiteral("Nothing of this change was written."));
  }

  QSqlDatabase& database() { return database_; }

 private:
  QSqlDatabase database_;
  QString path_;
  bool committed_ = false;
};

namespace {

// A connection name no other store of the process has.
QString NewConnectionName() {
  static std::atomic<unsigned long long> connections{0};
  return QStringLiteral("velquor-births-%1").arg(++connections);
}

}  // namespace

BirthStore::BirthStore(QString path, Access access, int busyTimeoutMs)
    : path_(std::move(path)), connection_(NewConnectionName()) {
  const QFileInfo file(path_);
  if (file.isDir()) {
    Fail(path_, QStringLiteral("is a folder"),
         QStringLiteral("Name a file, or move the folder away."));
  }
  if (!file.exists()) {
    if (access == Access::ReadOnly) {
      Fail(path_, QStringLiteral("does not exist"), QStringLiteral("Name an existing file."));
    }
    if (!QDir().mkpath(file.absolutePath())) {
      Fail(path_, QStringLiteral("cannot be created: its folder cannot be made"),
           QStringLiteral("Check that the folder %1 may be created.").arg(file.absolutePath()));
    }
  } else if (!file.isWritable()) {
    access = Access::ReadOnly;
  }
  readOnly_ = access == Access::ReadOnly;

  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  if (!db.isValid()) {
    QSqlDatabase::removeDatabase(connection_);
    Fail(path_, QStringLiteral("cannot be opened: Qt's SQLite driver is missing"),
         QStringLiteral("Install the package libqt6sql6-sqlite."));
  }
  // From here on the destructor must run on a failure: the connection is removed there.
  try {
    openChecked(db, busyTimeoutMs);
  } catch (...) {
    db = QSqlDatabase();
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
    throw;
  }
}

namespace {

QString ConnectOptions(int busyTimeoutMs, bool readOnly) {
  return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1%2")
      .arg(busyTimeoutMs)
      .arg(readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString());
}

// A file left half-written: a program stopped inside a write transaction, and its rollback
// journal (a "hot" journal) still holds the pages that put the file back as it was before.
// SQLite rolls it back on the first read of a connection that may write; a read-only one
// refuses to read instead. Opens such a connection once, reads, and closes it.
void RecoverHotJournal(const QString& path, const QString& connection, int busyTimeoutMs) {
  const QFileInfo file(path);
  if (!file.isWritable() || !QFileInfo(file.absolutePath()).isWritable()) {
    Fail(path,
         QStringLiteral("was left half-written by a program that stopped while writing to it "
                        "(its journal %1-journal holds what puts it right)")
             .arg(path),
         QStringLiteral("Make the file and its folder writable and open it again: Velquor then "
                        "puts it back as it was before that change. Do not delete the journal "
                        "file."));
  }
  const QString name = connection + QStringLiteral("-recovery");
  QString fault;
  bool busy = false;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(ConnectOptions(busyTimeoutMs, false));
    QSqlQuery query(db);
    if (!db.open()) {
      fault = db.lastError().text();
    } else if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
      busy = IsBusy(query.lastError());
      fault = query.lastError().text();
    }
    query.clear();
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
  if (busy) FailBusy(path);
  if (!fault.isEmpty()) {
    Fail(path,
         QStringLiteral("was left half-written by a program that stopped while writing to it, "
                        "and could not be put right (%1)")
             .arg(fault),
         QStringLiteral("Check that the file and its folder may be written. Do not delete the "
                        "journal file %1-journal.")
             .arg(path));
  }
}

}  // namespace

void BirthStore::openChecked(QSqlDatabase& db, int busyTimeoutMs) {
  db.setDatabaseName(path_);
  db.setConnectOptions(ConnectOptions(busyTimeoutMs, readOnly_));
  if (!db.open()) {
    Fail(path_, QStringLiteral("cannot be opened (%1)").arg(db.lastError().text()),
         QStringLiteral("Check that the file and its folder may be read and written."));
  }
  QSqlQuery query(db);
  // The file's first read. Only a check that runs and reports a fault, or SQLite's own word
  // that the file is damaged or no database, calls it damaged: busy is busy, a left-over
  // journal is put right, any other failure is a failure to read.
  for (bool recovered = false;;) {
    if (query.exec(QStringLiteral("PRAGMA quick_check"))) break;
    const QSqlError error = query.lastError();
    const int code = SqliteCode(error);
    if (IsBusy(error)) FailBusy(path_);
    if (code == kSqliteReadOnly && readOnly_ && !recovered &&
        QFileInfo::exists(path_ + QStringLiteral("-journal"))) {
      query.clear();
      RecoverHotJournal(path_, connection_, busyTimeoutMs);
      recovered = true;
      continue;
    }
    if (code == kSqliteCorrupt || code == kSqliteNotADatabase) break;
    Fail(path_, QStringLiteral("could not be read (%1)").arg(error.text()),
         QStringLiteral("Check that the file and its folder may be read; Velquor leaves the file "
                        "as it is."));
  }
  int version = -1;
  if (query.isActive() && query.next() && query.value(0).toString() == QStringLiteral("ok")) {
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
      if (IsBusy(query.lastError())) FailBusy(path_);
      Fail(path_, QStringLiteral("could not be read (%1)").arg(query.lastError().text()),
           QStringLiteral("Check that the file and its folder may be read."));
    }
    version = query.value(0).toInt();
  }
  if (version < 0) {
    Fail(path_, QStringLiteral("is damaged or is not a database"),
         kLeftAlone + QStringLiteral("move it aside (or put back a backup) and start Velquor "
                                     "again to begin a new one."));
  }
  if (version > kBirthsSchemaVersion) {
    Fail(path_,
         QStringLiteral("was written by a newer version of Velquor (schema %1; this one reads "
                        "up to %2)")
             .arg(version)
             .arg(kBirthsSchemaVersion),
         kLeftAlone + QStringLiteral("use the newer version, or name another file."));
  }
  if (version == 0) {
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next() ||
        query.value(0).toInt() != 0) {
      if (IsBusy(query.lastError())) FailBusy(path_);
      Fail(path_, QStringLiteral("is not a Velquor births database"),
           kLeftAlone + QStringLiteral("name another file, or move this one aside."));
    }
  }
  version_ = version;
  // A new file gets the schema, a file of an earlier schema the steps since; its births
  // are kept as they are. A read-only file is read in its own schema.
  if (version < kBirthsSchemaVersion && !readOnly_) {
    query.clear();
    WriteTransaction transaction(db, path_);
    // Another program may have upgraded the file since the check above.
    QSqlQuery again(db);
    if (again.exec(QStringLiteral("PRAGMA user_version")) && again.next()) {
      const int now = again.value(0).toInt();
      again.clear();
      if (now < kBirthsSchemaVersion) {
        UpgradeSchema(now, [&](const QString& statement) { transaction.run(statement); });
      }
    }
    again.clear();
    transaction.commit();
    version_ = kBirthsSchemaVersion;
  }
}

BirthStore::~BirthStore() {
  QSqlDatabase::database(connection_, false).close();
  QSqlDatabase::removeDatabase(connection_);
}

QString BirthStore::DefaultPath() {
  // The desktop program's AppDataLocation (the application "velquor", no organisation),
  // spelt out so that the command-line tool, which names no application, finds the same.
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/velquor/births.sqlite");
}

QSqlDatabase BirthStore::database() const { return QSqlDatabase::database(connection_, false); }

std::vector<SavedBirth> BirthStore::all() const {
  std::vector<SavedBirth> births;
  QSqlQuery query(database());
  query.setForwardOnly(true);
  // A read-only file never given a schema holds no births.
  if (!query.exec(SelectStatement(version_) +
                  QStringLiteral(" ORDER BY name COLLATE NOCASE, year, month, day, hour, minute,"
                                 " second, id"))) {
    if (IsBusy(query.lastError())) FailBusy(path_);
    if (readOnly_ && count() == 0) return births;
    Fail(path_, QStringLiteral("could not be read (%1)").arg(query.lastError().text()),
         QStringLiteral("Check the file, or move it aside and start again."));
  }
  while (query.next()) births.push_back(RowOf(query));
  if (query.lastError().isValid()) {
    if (IsBusy(query.lastError())) FailBusy(path_);
    Fail(path_, QStringLiteral("could not be read (%1)").arg(query.lastError().text()),
         QStringLiteral("Check the file, or move it aside and start again."));
  }
  return births;
}

std::optional<SavedBirth> BirthStore::find(std::int64_t id) const {
  QSqlQuery query(database());
  if (!query.prepare(SelectStatement(version_) + QStringLiteral(" WHERE id = :id"))) {
    return std::nullopt;  // a read-only file without the table
  }
  query.bindValue(QStringLiteral(":id"), static_cast<qlonglong>(id));
  if (!query.exec()) {
    if (IsBusy(query.lastError())) FailBusy(path_);
    return std::nullopt;
  }
  if (!query.next()) return std::nullopt;
  return RowOf(query);
}

std::size_t BirthStore::count() const {
  QSqlQuery query(database());
  if (!query.exec(QStringLiteral("SELECT count(*) FROM births"))) {
    if (IsBusy(query.lastError())) FailBusy(path_);
    return 0;
  }
  if (!query.next()) return 0;
  return static_cast<std::size_t>(query.value(0).toLongLong());
}

std::int64_t BirthStore::save(const BirthData& birth, const Conventions& conventions,
                              std::int64_t id) {
  RequireSavable(birth, {});
  WriteTransaction transaction(database(), path_);
  QSqlQuery query(transaction.database());
  if (id == 0) {
    transaction.prepare(query, QStringLiteral("SELECT id FROM births WHERE ") +
                                   Assignments(BirthColumns(), QStringLiteral(" AND ")));
    BindBirth(query, birth);
    if (!query.exec()) transaction.fail(query.lastError());
    if (query.next()) id = query.value(0).toLongLong();
  }
  if (id == 0) {
    transaction.prepare(query, InsertStatement(false));
    BindBirth(query, birth);
    BindConventions(query, conventions);
    const QString now = Now();
    query.bindValue(QStringLiteral(":note"), QStringLiteral(""));
    query.bindValue(QStringLiteral(":created"), now);
    query.bindValue(QStringLiteral(":modified"), now);
    query.bindValue(QStringLiteral(":entered_time"), QStringLiteral(""));
    if (!query.exec()) transaction.fail(query.lastError());
    id = query.lastInsertId().toLongLong();
  } else {
    transaction.prepare(
        query, QStringLiteral("UPDATE births SET %1, modified = :modified WHERE id = :id")
                   .arg(Assignments(BirthColumns() + ConventionColumns(), QStringLiteral(","))));
    BindBirth(query, birth);
    BindConventions(query, conventions);
    query.bindValue(QStringLiteral(":modified"), Now());
    query.bindValue(QStringLiteral(":id"), static_cast<qlonglong>(id));
    if (!query.exec()) transaction.fail(query.lastError());
    if (query.numRowsAffected() != 1) {
      throw BirthStoreError("no saved birth has the id " + std::to_string(id));
    }
  }
  query.clear();
  transaction.commit();
  return id;
}

namespace {

void UpdateText(WriteTransaction& transaction, const char* column, std::int64_t id,
                const std::string& value) {
  QSqlQuery query(transaction.database());
  transaction.prepare(
      query, QStringLiteral("UPDATE births SET %1 = :value, modified = :modified WHERE id = :id")
                 .arg(QLatin1String(column)));
  query.bindValue(QStringLiteral(":value"), Text(value));
  query.bindValue(QStringLiteral(":modified"), Now());
  query.bindValue(QStringLiteral(":id"), static_cast<qlonglong>(id));
  if (!query.exec()) {
    if (query.lastError().text().contains(QStringLiteral("UNIQUE"))) {
      throw BirthStoreError("another saved birth has the name \"" + value +
                            "\" and the same birth data");
    }
    transaction.fail(query.lastError());
  }
  if (query.numRowsAffected() != 1) {
    throw BirthStoreError("no saved birth has the id " + std::to_string(id));
  }
}

}  // namespace

void BirthStore::rename(std::int64_t id, const std::string& name) {
  BirthData named;
  named.personName = name;
  RequireSavable(named, {});
  WriteTransaction transaction(database(), path_);
  UpdateText(transaction, "name", id, name);
  transaction.commit();
}

void BirthStore::setNote(std::int64_t id, const std::string& note) {
  RequireSavable(BirthData{}, note);
  WriteTransaction transaction(database(), path_);
  UpdateText(transaction, "note", id, note);
  transaction.commit();
}

SavedBirth BirthStore::remove(std::int64_t id) {
  WriteTransaction transaction(database(), path_);
  std::optional<SavedBirth> removed = find(id);
  if (!removed) throw BirthStoreError("no saved birth has the id " + std::to_string(id));
  QSqlQuery query(transaction.database());
  transaction.prepare(query, QStringLiteral("DELETE FROM births WHERE id = :id"));
  query.bindValue(QStringLiteral(":id"), static_cast<qlonglong>(id));
  if (!query.exec()) transaction.fail(query.lastError());
  query.clear();
  transaction.commit();
  return *removed;
}

namespace {

void BindSaved(QSqlQuery& query, const SavedBirth& saved, const QString& created,
               const QString& modified) {
  BindBirth(query, saved.birth);
  BindConventions(query, saved.conventions);
  query.bindValue(QStringLiteral(":note"), Text(saved.note));
  query.bindValue(QStringLiteral(":created"), created);
  query.bindValue(QStringLiteral(":modified"), modified);
  query.bindValue(QStringLiteral(":entered_time"), EnteredText(saved.enteredTime));
}

}  // namespace

void BirthStore::restore(const SavedBirth& saved) {
  RequireSavable(saved.birth, saved.note);
  WriteTransaction transaction(database(), path_);
  QSqlQuery query(transaction.database());
  transaction.prepare(query, InsertStatement(true));
  BindSaved(query, saved, Text(saved.created), Text(saved.modified));
  query.bindValue(QStringLiteral(":id"), static_cast<qlonglong>(saved.id));
  if (!query.exec()) {
    if (query.lastError().text().contains(QStringLiteral("UNIQUE"))) {
      throw BirthStoreError("\"" + saved.birth.personName +
                            "\" cannot come back: a birth of the same data was saved since");
    }
    transaction.fail(query.lastError());
  }
  query.clear();
  transaction.commit();
}

std::int64_t BirthStore::write(const SavedBirth& saved) {
  RequireSavable(saved.birth, saved.note);
  WriteTransaction transaction(database(), path_);
  QSqlQuery query(transaction.database());
  std::int64_t id = saved.id;
  if (id == 0) {
    transaction.prepare(query, InsertStatement(false));
    const QString now = Now();
    BindSaved(query, saved, now, now);
    if (!query.exec()) transaction.fail(query.lastError());
    if (query.numRowsAffected() != 1) {
      throw BirthStoreError("\"" + saved.birth.personName +
                            "\" is already saved with the same birth data");
    }
    id = query.lastInsertId().toLongLong();
  } else {
    transaction.prepare(
        query,
        QStringLiteral("UPDATE births SET %1, entered_time = :entered_time, modified = :modified"
                       " WHERE id = :id")
            .arg(Assignments(BirthColumns() + ConventionColumns(), QStringLiteral(","))));
    BindBirth(query, saved.birth);
    BindConventions(query, saved.conventions);
    query.bindValue(QStringLiteral(":entered_time"), EnteredText(saved.enteredTime));
    query.bindValue(QStringLiteral(":modified"), Now());
    query.bindValue(QStringLiteral(":id"), static_cast<qlonglong>(id));
    if (!query.exec()) {
      if (query.lastError().text().contains(QStringLiteral("UNIQUE"))) {
        throw BirthStoreError("another saved birth \"" + saved.birth.personName +
                              "\" has the same birth data");
      }
      transaction.fail(query.lastError());
    }
    if (query.numRowsAffected() != 1) {
      throw BirthStoreError("no saved birth has the id " + std::to_string(id));
    }
  }
  query.clear();
  transaction.commit();
  return id;
}

void BirthStore::revert(const SavedBirth& before) {
  WriteTransaction transaction(database(), path_);
  QSqlQuery query(transaction.database());
  transaction.prepare(
      query, QStringLiteral("UPDATE births SET %1, %2 = :%2, created = :created, modified = "
                            ":modified, entered_time = :entered_time WHERE id = :id")
                 .arg(Assignments(BirthColumns() + ConventionColumns(), QStringLiteral(",")),
                      NoteColumn()));
  BindSaved(query, before, Text(before.created), Text(before.modified));
  query.bindValue(QStringLiteral(":id"), static_cast<qlonglong>(before.id));
  if (!query.exec()) transaction.fail(query.lastError());
  if (query.numRowsAffected() != 1) {
    throw BirthStoreError("\"" + before.birth.personName +
                          "\" cannot be put back: it was deleted since");
  }
  query.clear();
  transaction.commit();
}

AddedCounts BirthStore::addAll(const std::vector<SavedBirth>& births,
                               const std::vector<bool>& conventionsGiven) {
  AddedCounts counts;
  for (const SavedBirth& birth : births) RequireSavable(birth.birth, birth.note);
  WriteTransaction transaction(database(), path_);
  QSqlQuery saved(transaction.database());
  transaction.prepare(saved, SelectStatement(version_) + QStringLiteral(" WHERE ") +
                                 Assignments(BirthColumns(), QStringLiteral(" AND ")));
  QSqlQuery insert(transaction.database());
  transaction.prepare(insert, InsertStatement(false));
  QSqlQuery update(transaction.database());
  transaction.prepare(
      update, QStringLiteral("UPDATE births SET %1, %2 = :note, entered_time = :entered_time, "
                             "modified = :modified WHERE id = :id")
                  .arg(Assignments(ConventionColumns(), QStringLiteral(",")), NoteColumn()));
  const QString now = Now();
  for (std::size_t i = 0; i < births.size(); ++i) {
    const SavedBirth& birth = births[i];
    BindBirth(saved, birth.birth);
    if (!saved.exec()) transaction.fail(saved.lastError());
    if (!saved.next()) {
      BindSaved(insert, birth, now, now);
      if (!insert.exec()) transaction.fail(insert.lastError());
      ++(insert.numRowsAffected() == 1 ? counts.added : counts.duplicates);
      continue;
    }
    const SavedBirth before = RowOf(saved);
    saved.finish();
    SavedBirth after = before;
    if (conventionsGiven.empty() || conventionsGiven[i]) after.conventions = birth.conventions;
    if (!birth.note.empty()) after.note = birth.note;
    // A file's entered time fills in one the saved birth lacks, never replaces it.
    if (!after.enteredTime) after.enteredTime = birth.enteredTime;
    if (after == before) {
      ++counts.duplicates;
      continue;
    }
    BindConventions(update, after.conventions);
    update.bindValue(QStringLiteral(":note"), Text(after.note));
    update.bindValue(QStringLiteral(":entered_time"), EnteredText(after.enteredTime));
    update.bindValue(QStringLiteral(":modified"), now);
    update.bindValue(QStringLiteral(":id"), static_cast<qlonglong>(before.id));
    if (!update.exec()) transaction.fail(update.lastError());
    ++counts.updated;
  }
  saved.clear();
  insert.clear();
  update.clear();
  transaction.commit();
  return counts;
}

}  // namespace velquor
