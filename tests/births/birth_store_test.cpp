#include "births/birth_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "births/record_limits.h"

#include "support/sample_saved_births.h"

namespace velquor {
namespace {

class BirthStoreTest : public ::testing::Test {
 protected:
  QString File(const char* name = "births.sqlite") const {
    return dir_.path() + QLatin1Char('/') + QLatin1String(name);
  }
  QTemporaryDir dir_;
};

// A saved birth as the store gives it back, without the fields it sets itself.
SavedBirth Stripped(SavedBirth saved) {
  saved.id = 0;
  saved.created.clear();
  saved.modified.clear();
  return saved;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

TEST_F(BirthStoreTest, SavedBirthsComeBackFieldForFieldSortedByName) {
  std::vector<SavedBirth> samples = test::SampleSavedBirths();
  {
    BirthStore store(File());
    for (const SavedBirth& saved : samples) {
      const std::int64_t id = store.save(saved.birth, saved.conventions);
      store.setNote(id, saved.note);
    }
  }
  BirthStore store(File());  // a new connection reads what the first wrote
  const std::vector<SavedBirth> all = store.all();
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(Stripped(all[0]), samples[1]);  // ANA SOUZA
  EXPECT_EQ(Stripped(all[1]), samples[0]);  // ASHA MEHTA
  EXPECT_EQ(Stripped(all[2]), samples[2]);  // JOHN O
  EXPECT_EQ(all[0].created.size(), 20u);    // 2026-12-08T15:45:23Z
  EXPECT_EQ(store.find(all[1].id), all[1]);
  EXPECT_EQ(store.find(9999), std::nullopt);
}

TEST_F(BirthStoreTest, SavingTheSameBirthAgainUpdatesInsteadOfAddingOne) {
  BirthStore store(File());
  const SavedBirth asha = test::SampleSavedBirths()[0];
  const std::int64_t id = store.save(asha.birth, ClassicConventions());
  store.setNote(id, "client");
  EXPECT_EQ(store.save(asha.birth, ModernConventions()), id);
  EXPECT_EQ(store.count(), 1u);
  EXPECT_EQ(store.find(id)->conventions, ModernConventions());
  EXPECT_EQ(store.find(id)->note, "client");  // kept

  // With its id, a changed birth time (a rectification) updates the same row.
  BirthData rectified = asha.birth;
  rectified.minuteNumber = 47;
  EXPECT_EQ(store.save(rectified, ModernConventions(), id), id);
  EXPECT_EQ(store.count(), 1u);
  EXPECT_EQ(store.find(id)->birth, rectified);
  // Without it, the changed birth is another one.
  rectified.minuteNumber = 49;
  EXPECT_NE(store.save(rectified, ModernConventions()), id);
  EXPECT_EQ(store.count(), 2u);
  EXPECT_THROW(store.save(rectified, ModernConventions(), 9999), BirthStoreError);
}

TEST_F(BirthStoreTest, RenameNoteRemoveAndRestore) {
  BirthStore store(File());
  const std::vector<SavedBirth> samples = test::SampleSavedBirths();
  const std::int64_t asha = store.save(samples[0].birth, samples[0].conventions);
  const std::int64_t ana = store.save(samples[1].birth, samples[1].conventions);
  store.rename(asha, "ASHA M");
  store.setNote(asha, "née Shah");
  const SavedBirth before = *store.find(asha);
  EXPECT_EQ(before.birth.personName, "ASHA M");
  EXPECT_EQ(before.note, "née Shah");

  const SavedBirth removed = store.remove(asha);
  EXPECT_EQ(removed, before);
  EXPECT_EQ(store.find(asha), std::nullopt);
  store.restore(removed);
  EXPECT_EQ(store.find(asha), before);  // same id, note and times

  // A rename onto another row's birth data is refused, the row unchanged.
  BirthData twin = samples[1].birth;
  twin.personName = "ANA 2";
  const std::int64_t second = store.save(twin, ClassicConventions());
  EXPECT_THROW(store.rename(second, samples[1].birth.personName), BirthStoreError);
  EXPECT_EQ(store.find(second)->birth, twin);
  EXPECT_EQ(store.find(ana)->birth, samples[1].birth);
  EXPECT_THROW(store.remove(9999), BirthStoreError);
}

// Write and revert are the save and its undo: a sweep of writes, each undone in reverse
// order, leaves every row exactly as it was (a new row removed, a changed one put back).
TEST_F(BirthStoreTest, EveryWriteUndoneInReverseLeavesTheRowsAsTheyWere) {
  BirthStore store(File());
  for (const SavedBirth& saved : test::SampleSavedBirths()) {
    store.setNote(store.save(saved.birth, saved.conventions), saved.note);
  }
  const std::vector<SavedBirth> start = store.all();
  struct Undo {
    std::int64_t id;
    std::optional<SavedBirth> before;
  };
  std::vector<Undo> undos;
  for (int step = 0; step < 12; ++step) {
    SavedBirth next = store.all()[static_cast<std::size_t>(step) % 3];
    const SavedBirth before = next;
    next.birth.minuteNumber = (next.birth.minuteNumber + 7 * (step + 1)) % 60;
    next.conventions = step % 2 == 0 ? ModernConventions() : ClassicConventions();
    next.enteredTime = step % 3 == 0 ? std::nullopt
                                     : std::optional<LocalDateTime>(LocalDateTime{1985, 3, 21, 10, step, 0});
    if (step % 4 == 3) {  // as a new birth
      next.id = 0;
      next.birth.personName += " " + std::to_string(step);
      const std::int64_t id = store.write(next);
      undos.push_back({id, std::nullopt});
      next.id = id;
    } else {
      EXPECT_EQ(store.write(next), next.id);
      undos.push_back({next.id, before});
    }
    const SavedBirth read = *store.find(next.id);
    EXPECT_EQ(read.birth, next.birth) << step;
    EXPECT_EQ(read.conventions, next.conventions) << step;
    EXPECT_EQ(read.enteredTime, next.enteredTime) << step;
    EXPECT_EQ(read.note, next.id == before.id ? before.note : next.note) << step;
  }
  for (auto undo = undos.rbegin(); undo != undos.rend(); ++undo) {
    if (undo->before) {
      store.revert(*undo->before);
    } else {
      store.remove(undo->id);
    }
  }
  EXPECT_EQ(store.all(), start);

  // A new row of a saved birth's data is refused, as is a revert of a deleted row.
  SavedBirth twin = start[0];
  twin.id = 0;
  EXPECT_THROW(store.write(twin), BirthStoreError);
  const SavedBirth removed = store.remove(start[0].id);
  EXPECT_THROW(store.revert(removed), BirthStoreError);
  // A removed rectified birth comes back with its entered time.
  SavedBirth rectified = start[1];
  rectified.enteredTime = LocalDateTime{1990, 2, 28, 23, 0, 0};
  store.write(rectified);
  const SavedBirth kept = store.remove(rectified.id);
  store.restore(kept);
  EXPECT_EQ(store.find(rectified.id)->enteredTime, rectified.enteredTime);
}

TEST_F(BirthStoreTest, AddAllCountsDuplicatesOfSavedBirthsAndOfEachOther) {
  BirthStore store(File());
  const std::vector<SavedBirth> samples = test::SampleSavedBirths();
  store.save(samples[0].birth, samples[0].conventions);
  std::vector<SavedBirth> imported = samples;
  imported.push_back(samples[1]);  // twice in one file
  const AddedCounts counts = store.addAll(imported);
  EXPECT_EQ(counts.added, 2u);
  EXPECT_EQ(counts.duplicates, 2u);
  EXPECT_EQ(store.count(), 3u);
  EXPECT_EQ(store.addAll(samples).duplicates, 3u);
}

TEST_F(BirthStoreTest, FaultyFilesAreRefusedWithTheirNameAndLeftUntouched) {
  {
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
    other.setDatabaseName(File("other.sqlite"));
    ASSERT_TRUE(other.open());
    QSqlQuery(other).exec(QStringLiteral("CREATE TABLE notes (text TEXT)"));
    QSqlDatabase newer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "newer");
    newer.setDatabaseName(File("newer.sqlite"));
    ASSERT_TRUE(newer.open());
    QSqlQuery(newer).exec(QStringLiteral("PRAGMA user_version = 7"));
    other.close();
    newer.close();
  }
  QSqlDatabase::removeDatabase("other");
  QSqlDatabase::removeDatabase("newer");
  QFile garbage(File("garbage.sqlite"));
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write(QByteArray(4096, 'x'));
  garbage.close();
  QFile cut(File("cut.sqlite"));  // a real database cut short after its header
  {
    BirthStore store(File("cut.sqlite"));
    store.addAll(std::vector<SavedBirth>(1, test::SampleSavedBirths()[0]));
  }
  ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
  cut.resize(1024);
  cut.close();

  const struct {
    const char* file;
    const char* message;
  } cases[] = {
      {"garbage.sqlite", "is damaged or is not a database"},
      {"cut.sqlite", "is damaged or is not a database"},
      {"other.sqlite", "is not a Velquor births database"},
      {"newer.sqlite", "was written by a newer version of Velquor (schema 7"},
  };
  for (const auto& c : cases) {
    const QByteArray before = Bytes(File(c.file));
    try {
      BirthStore store(File(c.file));
      ADD_FAILURE() << c.file << " opened";
    } catch (const BirthStoreError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(File(c.file).toStdString()), std::string::npos) << message;
      EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
    EXPECT_EQ(Bytes(File(c.file)), before) << c.file;
  }
  QDir(dir_.path()).mkdir("folder");
  EXPECT_THROW(BirthStore(File("folder")), BirthStoreError);
  EXPECT_THROW(BirthStore(File("missing.sqlite"), BirthStore::Access::ReadOnly), BirthStoreError);
}

TEST_F(BirthStoreTest, AReadOnlyDatabaseListsButRefusesEveryChange) {
  const SavedBirth asha = test::SampleSavedBirths()[0];
  std::int64_t id = 0;
  {
    BirthStore store(File());
    id = store.save(asha.birth, asha.conventions);
  }
  const QByteArray before = Bytes(File());
  BirthStore store(File(), BirthStore::Access::ReadOnly);
  EXPECT_TRUE(store.readOnly());
  EXPECT_EQ(store.all().size(), 1u);
  const auto refused = [&](const std::function<void()>& change) {
    try {
      change();
      return std::string("changed");
    } catch (const BirthStoreError& error) {
      return std::string(error.what());
    }
  };
  for (const std::string& message :
       {refused([&] { store.save(asha.birth, ModernConventions()); }),
        refused([&] { store.rename(id, "X"); }), refused([&] { store.remove(id); }),
        refused([&] { store.addAll(test::SampleSavedBirths()); })}) {
    EXPECT_NE(message.find("is read-only"), std::string::npos) << message;
    EXPECT_NE(message.find(File().toStdString()), std::string::npos) << message;
  }
  EXPECT_EQ(Bytes(File()), before);
}

TEST_F(BirthStoreTest, TwoConnectionsWritingAtOnceLoseNothing) {
  { BirthStore create(File()); }
  constexpr int kEach = 60;
  const auto writer = [this](int first) {
    BirthStore store(File());
    std::vector<SavedBirth> batch;
    for (int i = 0; i < kEach; ++i) {
      SavedBirth saved = test::SampleSavedBirths()[0];
      // The number alone: g++ 12 warns falsely (-Wrestrict) on "P" + std::to_string here.
      saved.birth.personName = std::to_string(first + i);
      if (i % 2 == 0) {
        store.save(saved.birth, saved.conventions);  // one transaction each
      } else {
        batch.push_back(saved);
        if (batch.size() == 10) store.addAll(std::exchange(batch, {}));
      }
    }
    store.addAll(batch);
  };
  std::thread a(writer, 0);
  std::thread b(writer, 1000);
  a.join();
  b.join();
  EXPECT_EQ(BirthStore(File()).count(), 2u * kEach);
}


// A second connection of the test's own, outside any store.
class RawConnection {
 public:
  explicit RawConnection(const QString& path) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    EXPECT_TRUE(db.open());
  }
  ~RawConnection() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
  }
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;
  void Run(const QString& statement) {
    QSqlQuery query(QSqlDatabase::database(name_, false));
    EXPECT_TRUE(query.exec(statement)) << statement.toStdString() << ": "
                                       << query.lastError().text().toStdString();
  }

 private:
  QString name_ = QStringLiteral("raw-%1").arg(reinterpret_cast<quintptr>(this));
};

std::vector<SavedBirth> StrippedAll(const BirthStore& store) {
  std::vector<SavedBirth> births;
  for (const SavedBirth& saved : store.all()) births.push_back(Stripped(saved));
  return births;
}

void SaveSamples(const QString& path) {
  BirthStore store(path);
  for (const SavedBirth& saved : test::SampleSavedBirths()) {
    store.setNote(store.save(saved.birth, saved.conventions), saved.note);
  }
}

// A write transaction of another program cut off where it stood: the file and its rollback
// journal copied while a connection that had already written part of its change into the
// file (its cache too small to hold it) kept the transaction open.
TEST_F(BirthStoreTest, AFileLeftHalfWrittenIsPutBackAsItWasBeforeEvenToList) {
  SaveSamples(File());
  const std::vector<SavedBirth> before = StrippedAll(BirthStore(File()));
  const QByteArray cleanBytes = Bytes(File());
  for (const BirthStore::Access access : {BirthStore::Access::ReadOnly,
                                          BirthStore::Access::ReadWrite}) {
    const QString copy = File(access == BirthStore::Access::ReadOnly ? "ro.sqlite" : "rw.sqlite");
    {
      RawConnection writer(File());
      writer.Run(QStringLiteral("PRAGMA cache_size = 2"));
      writer.Run(QStringLiteral("BEGIN IMMEDIATE"));
      writer.Run(QStringLiteral(
          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
          "INSERT INTO births (name, year, month, day, hour, minute, second, zone, lat_deg, "
          "lat_min, south, lon_deg, lon_min, east, dst, city, state, country, ephemeris, "
          "sunrise, pranapada_sun, after_sunset, note, created, modified) SELECT 'X' || i, "
          "1990, 1, 1, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, '', '', '', 'classic', 'classic', "
          "'classic', 'classic', hex(randomblob(400)), '', '' FROM n"));
      writer.Run(QStringLiteral("UPDATE births SET note = 'overwritten'"));
      ASSERT_TRUE(QFile::copy(File(), copy));
      ASSERT_TRUE(QFile::copy(File() + "-journal", copy + "-journal"));
      writer.Run(QStringLiteral("ROLLBACK"));
    }
    ASSERT_NE(Bytes(copy), cleanBytes) << "the change reached the file before its commit";
    ASSERT_GT(QFileInfo(copy + "-journal").size(), 0);
    BirthStore store(copy, access);
    EXPECT_EQ(store.readOnly(), access == BirthStore::Access::ReadOnly);
    EXPECT_EQ(StrippedAll(store), before);
    EXPECT_FALSE(QFileInfo::exists(copy + "-journal"));
  }
  EXPECT_EQ(Bytes(File()), cleanBytes);
}

TEST_F(BirthStoreTest, ABusyFileIsBusyNeverDamagedAndKeepsItsBirths) {
  SaveSamples(File());
  const std::vector<SavedBirth> before = StrippedAll(BirthStore(File()));
  BirthStore opened(File(), BirthStore::Access::ReadWrite, 100);
  const auto busy = [](const std::function<void()>& use) {
    try {
      use();
    } catch (const BirthStoreError& error) {
      return error.kind() == BirthStoreError::Kind::Busy ? std::string(error.what())
                                                         : "not busy: " + std::string(error.what());
    }
    return std::string("no fault");
  };
  {
    RawConnection writer(File());
    writer.Run(QStringLiteral("BEGIN EXCLUSIVE"));
    const SavedBirth asha = test::SampleSavedBirths()[0];
    for (const std::string& message : {
             busy([&] { BirthStore(File(), BirthStore::Access::ReadOnly, 100); }),
             busy([&] { BirthStore(File(), BirthStore::Access::ReadWrite, 100); }),
             busy([&] { opened.all(); }),
             busy([&] { opened.count(); }),
             busy([&] { opened.find(1); }),
             busy([&] { opened.save(asha.birth, ModernConventions()); }),
             busy([&] { opened.setNote(1, "x"); }),
             busy([&] { opened.addAll(test::SampleSavedBirths()); }),
         }) {
      EXPECT_NE(message.find("is in use by another program"), std::string::npos) << message;
      EXPECT_NE(message.find(File().toStdString()), std::string::npos) << message;
      EXPECT_EQ(message.find("damaged"), std::string::npos) << message;
    }
    writer.Run(QStringLiteral("ROLLBACK"));
  }
  EXPECT_EQ(StrippedAll(opened), before);
  EXPECT_EQ(StrippedAll(BirthStore(File(), BirthStore::Access::ReadOnly)), before);
}

// The program holding the file is named: another process holds SQLite's lock bytes (the
// write lock of a commit) as SQLite takes them.
TEST_F(BirthStoreTest, ABusyFileNamesTheProcessHoldingIt) {
  SaveSamples(File());
  int locked[2];
  int done[2];
  ASSERT_EQ(pipe(locked), 0);
  ASSERT_EQ(pipe(done), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int fd = open(File().toLocal8Bit().constData(), O_RDWR);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0x40000000;
    lock.l_len = 512;
    const char ok = fd >= 0 && fcntl(fd, F_SETLK, &lock) == 0 ? 'y' : 'n';
    (void)!write(locked[1], &ok, 1);
    char wait = 0;
    (void)!read(done[0], &wait, 1);
    _exit(0);
  }
  char ok = 0;
  ASSERT_EQ(read(locked[0], &ok, 1), 1);
  EXPECT_EQ(ok, 'y');
  std::string message;
  try {
    BirthStore store(File(), BirthStore::Access::ReadOnly, 100);
  } catch (const BirthStoreError& error) {
    message = error.what();
  }
  const char end = 'x';
  (void)!write(done[1], &end, 1);
  waitpid(child, nullptr, 0);
  for (const int fd : {locked[0], locked[1], done[0], done[1]}) close(fd);
  EXPECT_NE(message.find("is in use by another program ("), std::string::npos) << message;
  EXPECT_NE(message.find("process " + std::to_string(child) + ")"), std::string::npos) << message;
  EXPECT_EQ(BirthStore(File(), BirthStore::Access::ReadOnly).count(), 3u);  // intact
}

TEST_F(BirthStoreTest, AddAllUpdatesASavedBirthWithANewNoteOrConventions) {
  BirthStore store(File());
  const SavedBirth asha = test::SampleSavedBirths()[0];
  const std::int64_t id = store.save(asha.birth, ClassicConventions());
  store.setNote(id, "first");
  const auto with = [&](const char* note, const Conventions& conventions) {
    SavedBirth saved = asha;
    saved.note = note;
    saved.conventions = conventions;
    return saved;
  };
  const struct {
    SavedBirth imported;
    bool conventionsGiven;
    std::size_t updated;
    std::string note;         // afterwards
    Conventions conventions;  // afterwards
  } cases[] = {
      {with("", ClassicConventions()), true, 0, "first", ClassicConventions()},
      {with("first", ClassicConventions()), true, 0, "first", ClassicConventions()},
      {with("second", ClassicConventions()), true, 1, "second", ClassicConventions()},
      {with("", ModernConventions()), false, 0, "second", ClassicConventions()},
      {with("", ModernConventions()), true, 1, "second", ModernConventions()},
      {with("third", ClassicConventions()), false, 1, "third", ModernConventions()},
  };
  for (const auto& c : cases) {
    const AddedCounts counts = store.addAll({c.imported}, {c.conventionsGiven});
    EXPECT_EQ(counts.added, 0u);
    EXPECT_EQ(counts.updated, c.updated) << c.imported.note;
    EXPECT_EQ(counts.duplicates, 1 - c.updated);
    const SavedBirth now = *store.find(id);
    EXPECT_EQ(now.note, c.note);
    EXPECT_EQ(now.conventions, c.conventions);
    EXPECT_EQ(now.birth, asha.birth);
  }
  EXPECT_EQ(store.count(), 1u);
  // A new birth and a changed one in one import: one added, one updated.
  SavedBirth other = test::SampleSavedBirths()[1];
  const AddedCounts both = store.addAll({other, with("fourth", ModernConventions())});
  EXPECT_EQ(both.added, 1u);
  EXPECT_EQ(both.updated, 1u);
  EXPECT_EQ(store.find(id)->note, "fourth");
}

TEST_F(BirthStoreTest, AddAllGivesAnEnteredTimeOnlyToASavedBirthWithoutOne) {
  BirthStore store(File());
  const SavedBirth asha = test::SampleSavedBirths()[0];
  const std::int64_t id = store.save(asha.birth, asha.conventions);
  const LocalDateTime first{1985, 3, 21, 10, 38, 0};
  const LocalDateTime second{1985, 3, 21, 10, 50, 0};
  const auto entered = [&](std::optional<LocalDateTime> t) {
    SavedBirth saved = asha;
    saved.enteredTime = t;
    return saved;
  };
  const struct {
    std::optional<LocalDateTime> imported;
    std::size_t updated;
    std::optional<LocalDateTime> after;
  } cases[] = {
      {std::nullopt, 0, std::nullopt},
      {first, 1, first},
      {first, 0, first},
      {second, 0, first},  // never replaced: the saved one was entered in this database
      {std::nullopt, 0, first},
  };
  for (const auto& c : cases) {
    const SavedBirth before = *store.find(id);
    const AddedCounts counts = store.addAll({entered(c.imported)}, {false});
    EXPECT_EQ(counts.added, 0u);
    EXPECT_EQ(counts.updated, c.updated);
    EXPECT_EQ(counts.duplicates, 1 - c.updated);
    SavedBirth now = *store.find(id);
    EXPECT_EQ(now.enteredTime, c.after);
    // Nothing else changes but the time of the change.
    if (c.updated == 0) {
      EXPECT_EQ(now, before);
    }
    now.enteredTime = before.enteredTime;
    now.modified = before.modified;
    EXPECT_EQ(now, before);
  }
  // A new birth comes in with its entered time.
  const SavedBirth ana = [&] {
    SavedBirth saved = test::SampleSavedBirths()[1];
    saved.enteredTime = second;
    return saved;
  }();
  EXPECT_EQ(store.addAll({ana}).added, 1u);
  for (const SavedBirth& saved : store.all()) {
    if (saved.birth == ana.birth) {
      EXPECT_EQ(saved.enteredTime, second);
    }
  }
}

TEST_F(BirthStoreTest, TextsLongerThanASavedBirthMayHoldAreRefusedBeforeAnyChange) {
  BirthStore store(File());
  SavedBirth asha = test::SampleSavedBirths()[0];
  const std::int64_t id = store.save(asha.birth, asha.conventions);
  store.setNote(id, std::string(kMaxNoteBytes, 'n'));  // the limit itself is fine
  EXPECT_THROW(store.setNote(id, std::string(kMaxNoteBytes + 1, 'n')), BirthStoreError);
  EXPECT_THROW(store.rename(id, std::string(kMaxTextBytes + 1, 'A')), BirthStoreError);
  SavedBirth long_city = asha;
  long_city.birth.cityText = std::string(kMaxTextBytes + 1, 'c');
  EXPECT_THROW(store.save(long_city.birth, long_city.conventions), BirthStoreError);
  EXPECT_THROW(store.addAll({test::SampleSavedBirths()[1], long_city}), BirthStoreError);
  EXPECT_EQ(store.count(), 1u);
  EXPECT_EQ(store.find(id)->note.size(), kMaxNoteBytes);
  EXPECT_EQ(store.find(id)->birth, asha.birth);
}

}  // namespace
}  // namespace velquor
