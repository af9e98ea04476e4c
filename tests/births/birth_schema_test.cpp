// The births database's format: a file saved by an earlier release (data/, schema 1, the
// sample births imported) opens unchanged and reads back, a new file gets the same schema,
// and the schema's steps leave exactly the columns of the key table.
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
  // The saved file, copied: the test never opens the one in the source tree.
  QString SavedFile() const {
    const QString copy = File("saved.sqlite");
    if (!QFile::exists(copy)) {
      QFile::copy(QStringLiteral(VELQUOR_SAVED_BIRTHS_DATABASE), copy);
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

TEST_F(BirthSchemaTest, AFileOfAnEarlierReleaseOpensUnchangedAndReadsItsBirths) {
  const QString saved = SavedFile();
  const QByteArray before = Bytes(saved);
  std::vector<SavedBirth> all;
  {
    BirthStore store(saved);
    EXPECT_FALSE(store.readOnly());
    all = store.all();
  }
  const std::vector<SavedBirth> samples = test::SampleSavedBirths();
  ASSERT_EQ(all.size(), samples.size());
  const std::size_t byName[] = {1, 0, 2};  // ANA SOUZA, ASHA MEHTA, JOHN O
  for (std::size_t i = 0; i < all.size(); ++i) {
    SavedBirth read = all[i];
    EXPECT_EQ(read.created, "2026-12-09T18:15:37Z");
    EXPECT_EQ(read.modified, read.created);
    read.id = 0;
    read.created.clear();
    read.modified.clear();
    EXPECT_EQ(read, samples[byName[i]]) << i;
  }
  EXPECT_EQ(Bytes(saved), before);
}

TEST_F(BirthSchemaTest, ANewFileHasTheSchemaOfTheSavedOne) {
  { BirthStore store(File("new.sqlite")); }
  const QString schema =
      QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name");
  const QString version = QStringLiteral("PRAGMA user_version");
  EXPECT_EQ(Rows(File("new.sqlite"), schema), Rows(SavedFile(), schema));
  EXPECT_EQ(Rows(File("new.sqlite"), version), Rows(SavedFile(), version));
  EXPECT_EQ(Rows(File("new.sqlite"), version), QStringList(QString::number(kBirthsSchemaVersion)));
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
  expected << QStringLiteral("note") << QStringLiteral("created") << QStringLiteral("modified");
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
