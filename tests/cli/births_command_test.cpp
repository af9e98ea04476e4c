// velquor-cli births on a private database (--db): the library moved out and back in, and
// an export charted by batch exactly as the saved births chart.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "births/birth_store.h"
#include "births/record_limits.h"
#include "chart/chart_run.h"
#include "cli/chart_json.h"
#include "cli/cli_app.h"
#include "cli_run.h"
#include "support/sample_saved_births.h"

namespace velquor {
namespace {

using test::CliRun;

class BirthsCommand : public ::testing::Test {
 protected:
  // The tool on the test's own database.
  CliRun Cli(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin() + 1, {"--db", db_});
    return test::Cli(args, input);
  }
  std::string Path(const char* name) const { return (dir_.path() + "/" + name).toStdString(); }
  void SaveSamples() {
    BirthStore store(QString::fromStdString(db_));
    for (const SavedBirth& saved : test::SampleSavedBirths()) {
      store.setNote(store.save(saved.birth, saved.conventions), saved.note);
    }
  }

  QTemporaryDir dir_;
  std::string db_ = Path("births.sqlite");
};

TEST_F(BirthsCommand, AnExportChartsThroughBatchAsTheSavedBirthsChart) {
  SaveSamples();
  const CliRun exported = Cli({"births", "export"});
  ASSERT_EQ(exported.status, kExitOk) << exported.err;
  std::istringstream in(exported.out);
  std::ostringstream out, err;
  ASSERT_EQ(RunCli({"batch"}, in, out, err), kExitOk) << out.str();
  std::string expected;
  for (const SavedBirth& saved : BirthStore(QString::fromStdString(db_)).all()) {
    AppendChartJson(expected, *RunChart(saved.birth, saved.conventions).chart);
    expected += '\n';
  }
  EXPECT_EQ(out.str(), expected);
}

TEST_F(BirthsCommand, ExportThenImportGivesTheSameRowsInBothFormats) {
  SaveSamples();
  const std::vector<SavedBirth> saved = BirthStore(QString::fromStdString(db_)).all();
  for (const char* file : {"out.jsonl", "out.csv"}) {
    ASSERT_EQ(Cli({"births", "export", Path(file)}).status, kExitOk);
    const std::string copy = Path(file) + ".sqlite";
    std::istringstream in;
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"births", "import", Path(file), "--db", copy}, in, out, err), kExitOk)
        << err.str();
    EXPECT_EQ(out.str(), "added 3 births, updated 0 births, skipped 0 duplicates, refused 0 lines\n");
    const std::vector<SavedBirth> imported = BirthStore(QString::fromStdString(copy)).all();
    ASSERT_EQ(imported.size(), saved.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
      EXPECT_EQ(imported[i].birth, saved[i].birth) << file;
      EXPECT_EQ(imported[i].conventions, saved[i].conventions) << file;
      EXPECT_EQ(imported[i].note, saved[i].note) << file;
    }
  }
}

TEST_F(BirthsCommand, RectifiedBirthsKeepTheirEnteredTimesThroughExportImportAndBatch) {
  {
    BirthStore store(QString::fromStdString(db_));
    std::vector<SavedBirth> births = test::SampleSavedBirths();
    births[0].enteredTime = LocalDateTime{1985, 3, 21, 10, 38, 0};
    births[1].enteredTime = LocalDateTime{1990, 3, 1, 0, 2, 0};  // moved back over midnight
    for (const SavedBirth& saved : births) store.write(saved);
  }
  const std::vector<SavedBirth> saved = BirthStore(QString::fromStdString(db_)).all();
  ASSERT_EQ(saved.size(), 3u);
  for (const char* file : {"out.jsonl", "out.csv"}) {
    ASSERT_EQ(Cli({"births", "export", Path(file)}).status, kExitOk);
    const std::string copy = Path(file) + ".sqlite";
    const CliRun imported = test::Cli({"births", "--db", copy, "import", Path(file)});
    ASSERT_EQ(imported.status, kExitOk) << imported.err;
    std::vector<SavedBirth> back = BirthStore(QString::fromStdString(copy)).all();
    ASSERT_EQ(back.size(), saved.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
      // Every value but the row's own: its id and the times of the copy's rows.
      back[i].id = saved[i].id;
      back[i].created = saved[i].created;
      back[i].modified = saved[i].modified;
      EXPECT_EQ(back[i], saved[i]) << file << " " << saved[i].birth.personName;
    }
    // Importing the export into its own database again changes nothing.
    EXPECT_EQ(test::Cli({"births", "--db", copy, "import", Path(file)}).out,
              "added 0 births, updated 0 births, skipped 3 duplicates, refused 0 lines\n");
  }
  // The batch charts the rectified times, as the saved births chart.
  const CliRun exported = Cli({"births", "export"});
  ASSERT_EQ(exported.status, kExitOk);
  ASSERT_NE(exported.out.find(R"("entered_time":"1985-03-21T10:38:00")"), std::string::npos);
  const CliRun charted = test::Cli({"batch"}, exported.out);
  ASSERT_EQ(charted.status, kExitOk) << charted.err;
  std::string expected;
  for (const SavedBirth& birth : saved) {
    AppendChartJson(expected, *RunChart(birth.birth, birth.conventions).chart);
    expected += '\n';
  }
  EXPECT_EQ(charted.out, expected);
}

TEST_F(BirthsCommand, AnImportedEnteredTimeFillsInAPlainSavedBirthsAndABadOneIsRefused) {
  SaveSamples();
  const CliRun exported = Cli({"births", "export"});
  ASSERT_EQ(exported.status, kExitOk);
  std::istringstream lines(exported.out);
  std::string first, second;
  ASSERT_TRUE(std::getline(lines, first) && std::getline(lines, second));
  first.insert(first.size() - 1, R"(,"entered_time":"1990-02-28T23:50:00")");
  second.insert(second.size() - 1, R"(,"entered_time":"1985-03-21T10:45")");
  const CliRun imported = Cli({"births", "import"}, first + "\n" + second + "\n");
  EXPECT_EQ(imported.status, kExitFailedLines);
  EXPECT_EQ(imported.out, "added 0 births, updated 1 birth, skipped 0 duplicates, refused 1 line\n");
  EXPECT_EQ(imported.err,
            "velquor-cli: line 2: entered_time: expected a date and time as "
            "YYYY-MM-DDTHH:MM:SS\n");
  std::size_t rectified = 0;
  for (const SavedBirth& saved : BirthStore(QString::fromStdString(db_)).all()) {
    if (!saved.enteredTime) continue;
    ++rectified;
    EXPECT_EQ(saved.birth.personName, "ANA SOUZA");
    EXPECT_EQ(*saved.enteredTime, (LocalDateTime{1990, 2, 28, 23, 50, 0}));
  }
  EXPECT_EQ(rectified, 1u);
}

TEST_F(BirthsCommand, ImportReportsAddedDuplicatesAndEachRefusedLine) {
  const std::string good =
      R"({"name":"ASHA","year":1990,"month":8,"day":15,"hour":6,"minute":30,"zone":34,)"
      R"("lat_deg":28,"lat_min":37,"lon_deg":77,"lon_min":13,"city":"Agra"})";
  std::string second = good;
  second.replace(second.find("ASHA"), 4, "RAVI");
  const CliRun first = Cli({"births", "import"}, good + "\n{\n" + good + "\n");
  EXPECT_EQ(first.status, kExitFailedLines);
  EXPECT_EQ(first.out, "added 1 birth, updated 0 births, skipped 1 duplicate, refused 1 line\n");
  EXPECT_EQ(first.err.rfind("velquor-cli: line 2: line: malformed JSON", 0), 0u) << first.err;
  const CliRun again = Cli({"births", "import", "-"}, good + "\n" + second + "\n");
  EXPECT_EQ(again.status, kExitOk);
  EXPECT_EQ(again.out, "added 1 birth, updated 0 births, skipped 1 duplicate, refused 0 lines\n");

  EXPECT_EQ(Cli({"births", "list"}).out,
            "1\tASHA\t1990-08-15 06:30:00\tAgra\t\t\n2\tRAVI\t1990-08-15 06:30:00\tAgra\t\t\n");
  EXPECT_EQ(Cli({"births", "list", "--filter", "ravi agra"}).out,
            "2\tRAVI\t1990-08-15 06:30:00\tAgra\t\t\n");
}

TEST_F(BirthsCommand, FaultsNameTheFileAndChangeNothing) {
  QFile damaged(QString::fromStdString(db_));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray(2048, 'x'));
  damaged.close();
  const struct {
    std::vector<std::string> args;
    int status;
    std::string message;
  } cases[] = {
      {{"births", "list"}, kExitIoFailure, "is damaged or is not a database"},
      {{"births", "import", Path("none.jsonl")}, kExitBadInput, "cannot open"},
      {{"births", "export", "--format", "xml"}, kExitBadInput, "--format: unknown value"},
      {{"births", "import"}, kExitIoFailure, db_},
      {{"births"}, kExitBadInput, "A subcommand is required"},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli(c.args, "{}\n");
    EXPECT_EQ(run.status, c.status) << c.args.back();
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  ASSERT_TRUE(damaged.open(QIODevice::ReadOnly));
  EXPECT_EQ(damaged.readAll(), QByteArray(2048, 'x'));
}


TEST_F(BirthsCommand, ImportingASavedBirthWithANewNoteOrConventionsUpdatesIt) {
  SaveSamples();
  const CliRun exported = Cli({"births", "export"});
  ASSERT_EQ(exported.status, kExitOk);
  std::string changed = exported.out;
  // ASHA MEHTA's line: a note and other conventions; the other two as they are.
  const std::size_t asha = changed.find("\"ASHA MEHTA\"");
  const std::size_t note = changed.find("\"note\":\"\"", asha);
  ASSERT_NE(note, std::string::npos);
  changed.replace(note, 9, "\"note\":\"second opinion\"");
  const std::size_t classic = changed.find("\"conventions\":\"classic\"", asha);
  ASSERT_NE(classic, std::string::npos);
  changed.replace(classic, 23, "\"conventions\":\"modern\"");
  const CliRun imported = Cli({"births", "import"}, changed);
  EXPECT_EQ(imported.status, kExitOk) << imported.err;
  EXPECT_EQ(imported.out, "added 0 births, updated 1 birth, skipped 2 duplicates, refused 0 lines\n");
  for (const SavedBirth& saved : BirthStore(QString::fromStdString(db_)).all()) {
    if (saved.birth.personName != "ASHA MEHTA") continue;
    EXPECT_EQ(saved.note, "second opinion");
    EXPECT_EQ(saved.conventions, ModernConventions());
  }
  // A batch file without conventions or notes changes nothing saved.
  const std::string plain =
      R"({"name":"ASHA MEHTA","year":1985,"month":3,"day":21,"hour":10,"minute":45,"zone":34,)"
      R"("lat_deg":28,"lat_min":37,"lon_deg":77,"lon_min":13,"city":"New Delhi",)"
      R"("state":"Delhi","country":"India"})";
  EXPECT_EQ(Cli({"births", "import"}, plain + "\n").out,
            "added 0 births, updated 0 births, skipped 1 duplicate, refused 0 lines\n");
}

TEST_F(BirthsCommand, ImportReadsLatin1OnlyWhenAsked) {
  const std::string line =
      "{\"name\":\"JOS\xC9\",\"year\":1990,\"month\":8,\"day\":15,\"hour\":6,\"minute\":30,"
      "\"zone\":34,\"lat_deg\":28,\"lat_min\":37,\"lon_deg\":77,\"lon_min\":13}\n";
  const CliRun refused = Cli({"births", "import"}, line);
  EXPECT_EQ(refused.status, kExitFailedLines);
  EXPECT_NE(refused.err.find("line 1: line: not UTF-8 text"), std::string::npos) << refused.err;
  const CliRun latin = Cli({"births", "import", "--encoding", "latin1"}, line);
  EXPECT_EQ(latin.status, kExitOk) << latin.err;
  EXPECT_EQ(Cli({"births", "list"}).out.find("\tJOS\xC3\x89\t"), 1u);
  const CliRun bad = Cli({"births", "import", "--encoding", "ebcdic"}, line);
  EXPECT_EQ(bad.status, kExitBadInput);
  EXPECT_NE(bad.err.find("--encoding: unknown value"), std::string::npos);
}

// The longest texts a saved birth may hold, each byte one the JSON line must escape: the
// export is a line batch charts and import reads back.
TEST_F(BirthsCommand, TheLongestSavedBirthExportsChartsThroughBatchAndImportsAgain) {
  {
    BirthStore store(QString::fromStdString(db_));
    SavedBirth longest = test::SampleSavedBirths()[0];
    longest.birth.personName = std::string(kMaxTextBytes, '\x01');
    longest.birth.personName[0] = 'A';
    longest.birth.cityText = std::string(kMaxTextBytes, '"');
    longest.birth.stateText = std::string(kMaxTextBytes, '\x1f');
    longest.birth.countryText = std::string(kMaxTextBytes, '\\');
    const std::int64_t id = store.save(longest.birth, longest.conventions);
    store.setNote(id, std::string(kMaxNoteBytes, '\x02'));
    SavedBirth note64k = test::SampleSavedBirths()[1];
    store.setNote(store.save(note64k.birth, note64k.conventions), std::string(65536, 'n'));
  }
  for (const char* file : {"long.jsonl", "long.csv"}) {
    ASSERT_EQ(Cli({"births", "export", Path(file)}).status, kExitOk);
    if (std::string(file) == "long.jsonl") {
      QFile exported(QString::fromStdString(Path(file)));
      ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
      std::istringstream in(exported.readAll().toStdString());
      std::ostringstream out, err;
      EXPECT_EQ(RunCli({"batch"}, in, out, err), kExitOk) << out.str().substr(0, 300);
      EXPECT_EQ(test::Lines(out.str()).size(), 2u);
    }
    const std::string copy = Path(file) + ".sqlite";
    std::istringstream in;
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"births", "import", Path(file), "--db", copy}, in, out, err), kExitOk)
        << err.str().substr(0, 300);
    const std::vector<SavedBirth> before = BirthStore(QString::fromStdString(db_)).all();
    const std::vector<SavedBirth> after = BirthStore(QString::fromStdString(copy)).all();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(after[i].birth, before[i].birth) << file;
      EXPECT_EQ(after[i].note, before[i].note) << file;
    }
  }
}

// A database left half-written by an import cut off (its journal copied with it while the
// import's transaction was open) lists and exports: it is put back, never called damaged.
TEST_F(BirthsCommand, AHalfWrittenDatabaseListsAsItWasBeforeTheCutOffChange) {
  SaveSamples();
  const std::string before = Cli({"births", "list"}).out;
  const std::string copy = Path("cut.sqlite");
  {
    QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "writer");
    writer.setDatabaseName(QString::fromStdString(db_));
    ASSERT_TRUE(writer.open());
    QSqlQuery query(writer);
    ASSERT_TRUE(query.exec("PRAGMA cache_size = 2"));
    ASSERT_TRUE(query.exec("BEGIN IMMEDIATE"));
    ASSERT_TRUE(query.exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
        "INSERT INTO births (name, year, month, day, hour, minute, second, zone, lat_deg, "
        "lat_min, south, lon_deg, lon_min, east, dst, city, state, country, ephemeris, "
        "sunrise, pranapada_sun, after_sunset, note, created, modified) SELECT 'X' || i, "
        "1990, 1, 1, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, '', '', '', 'classic', 'classic', "
        "'classic', 'classic', hex(randomblob(400)), '', '' FROM n"));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(db_), QString::fromStdString(copy)));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(db_ + "-journal"),
                            QString::fromStdString(copy + "-journal")));
    ASSERT_TRUE(query.exec("ROLLBACK"));
    query.clear();
    writer.close();
  }
  QSqlDatabase::removeDatabase("writer");
  std::istringstream in;
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"births", "--db", copy, "list"}, in, out, err), kExitOk) << err.str();
  EXPECT_EQ(out.str(), before);
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(copy + "-journal")));
}


// Another program writing beyond the busy timeout (10 s): its own exit status and message,
// never "damaged", and the births all there afterwards.
TEST_F(BirthsCommand, ABusyDatabaseExitsWithItsOwnStatus) {
  SaveSamples();
  const std::string before = Cli({"births", "list"}).out;
  {
    QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "busy-writer");
    writer.setDatabaseName(QString::fromStdString(db_));
    ASSERT_TRUE(writer.open());
    QSqlQuery query(writer);
    ASSERT_TRUE(query.exec("BEGIN EXCLUSIVE"));
    const CliRun busy = Cli({"births", "export"});
    EXPECT_EQ(busy.status, kExitBusy);
    EXPECT_NE(busy.err.find("is in use by another program"), std::string::npos) << busy.err;
    EXPECT_EQ(busy.err.find("damaged"), std::string::npos) << busy.err;
    EXPECT_TRUE(busy.out.empty());
    ASSERT_TRUE(query.exec("ROLLBACK"));
    query.clear();
    writer.close();
  }
  QSqlDatabase::removeDatabase("busy-writer");
  EXPECT_EQ(Cli({"births", "list"}).out, before);
}

}  // namespace
}  // namespace velquor
