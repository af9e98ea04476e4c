// The births database's format: a file saved by an earlier release (data/: schema 1, the
// sample births imported; schema 2, one of them rectified) reads back unchanged, read-only as
// it is and writable after its upgrade; a new file gets the same schema, and the schema's
// steps leave exactly the columns of the key table and the record's own.
#include "births/birth_schema.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "births/birth_keys.h"
#include "births/birth_store.h"
#include "support/sample_saved_births.h"

namespace velquor {
namespace {

class BirthSchemaTest : public ::testing::Test {
 protected:
  QString File(const char* name) const {
    return dir_.path() + QLatin1Char('/') + QLatin1String(name);
  }
  // A saved file, copied: the test never opens the one in the source tree.
  QString SavedFile(const char* source = VELQUOR_SAVED_BIRTHS_DATABASE,
                    const char* name = "saved.sqlite") const {
    const QString copy = File(name);
    if (!QFile::exists(copy)) {
      QFile::copy(QString::fromUtf8(source), copy);
      QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    }
    return copy;
  }
  QTemporaryDir dir_;
};

QByteArray Bytes(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

// The rows of `statement` on the file at `path`, each row's values joined by " | ".
QStringList Rows(const QString& path, const QString& statement) {
  QStringList rows;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    EXPECT_TRUE(db.open());
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
    while (query.next()) {
      QStringList values;
      for (int i = 0; i < query.record().count(); ++i) values << query.value(i).toString();
      rows << values.join(QStringLiteral(" | "));
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("raw"));
  return rows;
}

// The sample births as the saved files hold them, by name (ANA SOUZA, ASHA MEHTA, JOHN O).
void ExpectTheSamples(std::vector<SavedBirth> all, bool ashaRectified) {
  std::vector<SavedBirth> samples = test::SampleSavedBirths();
  if (ashaRectified) {
    samples[0].birth.minuteNumber = 54;
    samples[0].birth.secondNumber = 38;
    samples[0].enteredTime = LocalDateTime{1985, 3, 21, 10, 45, 0};
  }
  ASSERT_EQ(all.size(), samples.size());
  const std::size_t byName[] = {1, 0, 2};
  for (std::size_t i = 0; i < all.size(); ++i) {
    SavedBirth read = all[i];
    EXPECT_EQ(read.created, "2026-12-09T18:15:37Z");
    EXPECT_EQ(read.modified, ashaRectified && i == 1 ? "2026-12-09T21:10:00Z" : read.created);
    read.id = 0;
    read.created.clear();
    read.modified.clear();
    EXPECT_EQ(read, samples[byName[i]]) << i;
  }
}

TEST_F(BirthSchemaTest, AReadOnlyFileOfAnEarlierReleaseIsReadInItsOwnSchemaUnchanged) {
  const QString saved = SavedFile();
  const QByteArray before = Bytes(saved);
  {
    BirthStore store(saved, BirthStore::Access::ReadOnly);
    EXPECT_TRUE(store.readOnly());
    ExpectTheSamples(store.all(), false);
    EXPECT_EQ(store.find(2)->birth.personName, "ANA SOUZA");
  }
  EXPECT_EQ(Bytes(saved), before);
  EXPECT_EQ(Rows(saved, QStringLiteral("PRAGMA user_version")), QStringList("1"));
}

TEST_F(BirthSchemaTest, AFileOfEachEarlierSchemaIsUpgradedWithItsBirthsAsTheyWere) {
  const struct {
    const char* source;
    const char* name;
    bool rectified;
  } files[] = {{VELQUOR_SAVED_BIRTHS_DATABASE, "saved-1.sqlite", false},
               {VELQUOR_SAVED_BIRTHS_DATABASE_2, "saved-2.sqlite", true}};
  { BirthStore store(File("new.sqlite")); }
  const QString schema =
      QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name");
  for (const auto& file : files) {
    const QString saved = SavedFile(file.source, file.name);
    const QStringList rows = Rows(saved, QStringLiteral("SELECT * FROM births ORDER BY id"));
    {
      BirthStore store(saved);
      EXPECT_FALSE(store.readOnly());
      ExpectTheSamples(store.all(), file.rectified);
    }
    EXPECT_EQ(Rows(saved, QStringLiteral("PRAGMA user_version")),
              QStringList(QString::number(kBirthsSchemaVersion)))
        << file.name;
    EXPECT_EQ(Rows(saved, schema), Rows(File("new.sqlite"), schema)) << file.name;
    // Every value of every row as it was; an upgrade only adds columns, empty.
    QStringList after = Rows(saved, QStringLiteral("SELECT * FROM births ORDER BY id"));
    if (!file.rectified) {
      for (QString& row : after) row.chop(QStringLiteral(" | ").size());
    }
    EXPECT_EQ(after, rows) << file.name;
  }
}

TEST_F(BirthSchemaTest, AnUpgradedFileTakesARectifiedBirthAndAnUndoPutsTheRowBack) {
  BirthStore store(SavedFile());
  const SavedBirth before = *store.find(1);  // ASHA MEHTA, 10:45:00
  SavedBirth rectified = before;
  rectified.birth.minuteNumber = 54;
  rectified.birth.secondNumber = 38;
  rectified.enteredTime = LocalDateTime{1985, 3, 21, 10, 45, 0};
  EXPECT_EQ(store.write(rectified), 1);
  const SavedBirth read = *store.find(1);
  EXPECT_EQ(read.birth, rectified.birth);
  EXPECT_EQ(read.enteredTime, rectified.enteredTime);
  EXPECT_EQ(read.note, before.note);
  EXPECT_NE(read.modified, "");
  store.revert(before);
  EXPECT_EQ(*store.find(1), before);  // the times too
}

TEST_F(BirthSchemaTest, TheStepsLeaveTheColumnsOfTheKeyTable) {
  { BirthStore store(File("new.sqlite")); }
  QStringList expected(QStringLiteral("id"));
  for (const BirthKey& key : kBirthKeys) {
    if (key.kind != BirthKeyKind::Conventions && key.kind != BirthKeyKind::Note) {
      expected << QString::fromLatin1(key.column.data(), static_cast<qsizetype>(key.column.size()));
    }
  }
  for (const ConventionKey& choice : kConventionKeys) {
    expected << QString::fromLatin1(choice.column.data(),
                                    static_cast<qsizetype>(choice.column.size()));
  }
  expected << QStringLiteral("note") << QStringLiteral("created") << QStringLiteral("modified")
           << QStringLiteral("entered_time");
  EXPECT_EQ(
      Rows(File("new.sqlite"), QStringLiteral("SELECT name FROM pragma_table_info('births')")),
      expected);
}

TEST(BirthSchema, EachStepEndsAtItsVersion) {
  for (int from = 0; from <= kBirthsSchemaVersion; ++from) {
    QStringList statements;
    UpgradeSchema(from, [&](const QString& statement) { statements << statement; });
    QStringList versions = statements.filter(QStringLiteral("PRAGMA user_version = "));
    QStringList wanted;
    for (int step = from + 1; step <= kBirthsSchemaVersion; ++step) {
      wanted << QStringLiteral("PRAGMA user_version = %1").arg(step);
    }
    EXPECT_EQ(versions, wanted) << from;
    if (!statements.isEmpty()) {
      EXPECT_EQ(statements.back(), wanted.back()) << from;
    }
  }
}

}  // namespace
}  // namespace velquor
