// velquor-cli births on a private database (--db): the library moved out and back in, and
// an export charted by batch exactly as the saved births chart.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "births/birth_store.h"
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

}  // namespace
}  // namespace velquor
