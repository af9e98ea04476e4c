#include "births/birth_store.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <array>
#include <atomic>
#include <utility>

namespace velquor {

namespace {

// The birth-data columns, which together identify a birth (the unique key), in the order
// of kBirthColumns' binding.
constexpr std::array<const char*, 18> kBirthColumns = {
    "name",    "year",  "month",   "day",     "hour", "minute", "second", "zone",  "lat_deg",
    "lat_min", "south", "lon_deg", "lon_min", "east", "dst",    "city",   "state", "country"};
constexpr std::array<const char*, 4> kConventionColumns = {"ephemeris", "sunrise", "pranapada_sun",
                                                           "after_sunset"};

constexpr const char* kCreateSchema[] = {
    "CREATE TABLE births ("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL, year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL,"
    " hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL,"
    " zone INTEGER NOT NULL, lat_deg INTEGER NOT NULL, lat_min INTEGER NOT NULL,"
    " south INTEGER NOT NULL, lon_deg INTEGER NOT NULL, lon_min INTEGER NOT NULL,"
    " east INTEGER NOT NULL, dst INTEGER NOT NULL,"
    " city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,"
    " ephemeris TEXT NOT NULL, sunrise TEXT NOT NULL, pranapada_sun TEXT NOT NULL,"
    " after_sunset TEXT NOT NULL,"
    " note TEXT NOT NULL DEFAULT '',"
    " created TEXT NOT NULL, modified TEXT NOT NULL,"
    " UNIQUE (name, year, month, day, hour, minute, second, zone, lat_deg, lat_min, south,"
    " lon_deg, lon_min, east, dst, city, state, country))",
    "PRAGMA user_version = 1",
};

constexpr const char* kSelect =
    "SELECT id, name, year, month, day, hour, minute, second, zone, lat_deg, lat_min, south,"
    " lon_deg, lon_min, east, dst, city, state, country, ephemeris, sunrise, pranapada_sun,"
    " after_sunset, note, created, modified FROM births";

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

const QString kLeftAlone =
    QStringLiteral("Velquor leaves the file as it is and saves no births until it is fixed: ");

// Binds the birth-data columns, from :name onward, in kBirthColumns' order.
void BindBirth(QSqlQuery& query, const BirthData& b) {
  const QVariantList values = {
      Text(b.personName), b.yearNumber,      b.monthNumber,      b.dayNumber,  b.hourNumber,
      b.minuteNumber,     b.secondNumber,    b.zoneIndex,        b.latDegrees, b.latMinutes,
      b.isSouth,          b.lonDegrees,      b.lonMinutes,       b.isEast,     b.isDst,
      Text(b.cityText),   Text(b.stateText), Text(b.countryText)};
  for (std::size_t i = 0; i < kBirthColumns.size(); ++i) {
    query.bindValue(QLatin1Char(':') + QLatin1String(kBirthColumns[i]),
                    values[static_cast<qsizetype>(i)]);
  }
}

void BindConventions(QSqlQuery& query, const Conventions& c) {
  query.bindValue(QStringLiteral(":ephemeris"), Text(NameOf(c.ephemeris)));
  query.bindValue(QStringLiteral(":sunrise"), Text(NameOf(c.sunrise)));
  query.bindValue(QStringLiteral(":pranapada_sun"), Text(NameOf(c.pranapadaSun)));
  query.bindValue(QStringLiteral(":after_sunset"), Text(NameOf(c.afterSunset)));
}

// A choice's value from its stored name; an unknown name (a later version's) reads as
// the classic choice.
template <typename Value>
Value Choice(const QVariant& stored, std::optional<Value> (*named)(std::string_view)) {
  return named(stored.toString().toStdString()).value_or(Value{});
}

SavedBirth RowOf(const QSqlQuery& q) {
  SavedBirth s;
  int c = 0;
  s.id = q.value(c++).toLongLong();
  BirthData& b = s.birth;
  b.personName = q.value(c++).toString().toStdString();
  for (int* field : {&b.yearNumber, &b.monthNumber, &b.dayNumber, &b.hourNumber, &b.minuteNumber,
                     &b.secondNumber, &b.zoneIndex, &b.latDegrees, &b.latMinutes}) {
    *field = q.value(c++).toInt();
  }
  b.isSouth = q.value(c++).toBool();
  b.lonDegrees = q.value(c++).toInt();
  b.lonMinutes = q.value(c++).toInt();
  b.isEast = q.value(c++).toBool();
  b.isDst = q.value(c++).toBool();
  b.cityText = q.value(c++).toString().toStdString();
  b.stateText = q.value(c++).toString().toStdString();
  b.countryText = q.value(c++).toString().toStdString();
  s.conventions.ephemeris = Choice(q.value(c++), &EphemerisNamed);
  s.conventions.sunrise = Choice(q.value(c++), &SunriseNamed);
  s.conventions.pranapadaSun = Choice(q.value(c++), &PranapadaSunNamed);
  s.conventions.afterSunset = Choice(q.value(c++), &AfterSunsetNamed);
  s.note = q.value(c++).toString().toStdString();
  s.created = q.value(c++).toString().toStdString();
  s.modified = q.value(c++).toString().toStdString();
  return s;
}

QString InsertStatement(bool withIdAndTimes) {
  QStringList columns;
  for (const char* column : kBirthColumns) columns << QLatin1String(column);
  for (const char* column : kConventionColumns) columns << QLatin1String(column);
  columns << QStringLiteral("note") << QStringLiteral("created") << QStringLiteral("modified");
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
    if (text.contains(QStringLiteral("locked"), Qt::CaseInsensitive) ||
        text.contains(QStringLiteral("busy"), Qt::CaseInsensitive)) {
      Fail(path_, QStringLiteral("is busy (another program is writing to it)"),
           QStringLiteral("Try again when it has finished."));
    }
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

BirthStore::BirthStore(QString path, Access access)
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
  db.setDatabaseName(path_);
  db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1%2")
                           .arg(kBusyTimeoutMs)
                           .arg(readOnly_ ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
  // From here on the destructor must run on a failure: the connection is removed there.
  try {
    if (!db.open()) {
      Fail(path_, QStringLiteral("cannot be opened (%1)").arg(db.lastError().text()),
           QStringLiteral("Check that the file and its folder may be read and written."));
    }
    QSqlQuery query(db);
    int version = -1;
    if (query.exec(QStringLiteral("PRAGMA quick_check")) && query.next() &&
        query.value(0).toString() == QStringLiteral("ok") &&
        query.exec(QStringLiteral("PRAGMA user_version")) && query.next()) {
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
        Fail(path_, QStringLiteral("is not a Velquor births database"),
             kLeftAlone + QStringLiteral("name another file, or move this one aside."));
      }
      if (!readOnly_) {
        query.clear();
        WriteTransaction transaction(db, path_);
        // Another program may have made the schema since the check above.
        QSqlQuery again(db);
        if (again.exec(QStringLiteral("PRAGMA user_version")) && again.next() &&
            again.value(0).toInt() == 0) {
          for (const char* statement : kCreateSchema) transaction.run(QLatin1String(statement));
        }
        again.clear();
        transaction.commit();
      }
    }
  } catch (...) {
    db = QSqlDatabase();
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
    throw;
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
  if (!query.exec(QLatin1String(kSelect) +
                  QStringLiteral(" ORDER BY name COLLATE NOCASE, year, month, day, hour, minute,"
                                 " second, id"))) {
    if (readOnly_ && count() == 0) return births;
    Fail(path_, QStringLiteral("could not be read (%1)").arg(query.lastError().text()),
         QStringLiteral("Check the file, or move it aside and start again."));
  }
  while (query.next()) births.push_back(RowOf(query));
  return births;
}

std::optional<SavedBirth> BirthStore::find(std::int64_t id) const {
  QSqlQuery query(database());
  if (!query.prepare(QLatin1String(kSelect) + QStringLiteral(" WHERE id = :id"))) {
    return std::nullopt;  // a read-only file without the table
  }
  query.bindValue(QStringLiteral(":id"), static_cast<qlonglong>(id));
  if (!query.exec() || !query.next()) return std::nullopt;
  return RowOf(query);
}

std::size_t BirthStore::count() const {
  QSqlQuery query(database());
  if (!query.exec(QStringLiteral("SELECT count(*) FROM births")) || !query.next()) return 0;
  return static_cast<std::size_t>(query.value(0).toLongLong());
}

std::int64_t BirthStore::save(const BirthData& birth, const Conventions& conventions,
                              std::int64_t id) {
  WriteTransaction transaction(database(), path_);
  QSqlQuery query(transaction.database());
  if (id == 0) {
    QStringList same;
    for (const char* column : kBirthColumns) {
      same << QStringLiteral("%1 = :%1").arg(QLatin1String(column));
    }
    transaction.prepare(
        query, QStringLiteral("SELECT id FROM births WHERE ") + same.join(QStringLiteral(" AND ")));
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
    if (!query.exec()) transaction.fail(query.lastError());
    id = query.lastInsertId().toLongLong();
  } else {
    QStringList set;
    for (const char* column : kBirthColumns) {
      set << QStringLiteral("%1 = :%1").arg(QLatin1String(column));
    }
    for (const char* column : kConventionColumns) {
      set << QStringLiteral("%1 = :%1").arg(QLatin1String(column));
    }
    transaction.prepare(query,
                        QStringLiteral("UPDATE births SET %1, modified = :modified WHERE id = :id")
                            .arg(set.join(u',')));
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
  WriteTransaction transaction(database(), path_);
  UpdateText(transaction, "name", id, name);
  transaction.commit();
}

void BirthStore::setNote(std::int64_t id, const std::string& note) {
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
}

}  // namespace

void BirthStore::restore(const SavedBirth& saved) {
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

AddedCounts BirthStore::addAll(const std::vector<SavedBirth>& births) {
  AddedCounts counts;
  WriteTransaction transaction(database(), path_);
  QSqlQuery query(transaction.database());
  transaction.prepare(query, InsertStatement(false));
  const QString now = Now();
  for (const SavedBirth& saved : births) {
    BindSaved(query, saved, now, now);
    if (!query.exec()) transaction.fail(query.lastError());
    if (query.numRowsAffected() == 1) {
      ++counts.added;
    } else {
      ++counts.duplicates;
    }
  }
  query.clear();
  transaction.commit();
  return counts;
}

}  // namespace velquor
