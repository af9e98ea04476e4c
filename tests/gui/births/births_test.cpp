// Saved births in the desktop program, headless: save from the form and the result window
// with their questions answered each way, each answer read back from the database and
// undone, open by typing, rename, note, delete with its question and undo, the recent list,
// and a damaged or busy database that leaves the program charting.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "births/birth_store.h"
#include "gui/app/app_shell.h"
#include "gui/app/frm_main.h"
#include "gui/app/mdi.h"
#include "gui/births/birth_library.h"
#include "gui/births/birth_list_model.h"
#include "gui/common/link_label.h"
#include "gui/births/open_birth_dialog.h"
#include "gui/common/settings.h"
#include "gui/result/frm_display.h"
#include "support/birth_entry.h"
#include "support/gui_test_support.h"
#include "support/sample_saved_births.h"

namespace velquor {
namespace {

using test::Child;

class BirthsTest : public ::testing::Test {
 protected:
  BirthsTest() { settings::Write(settings::kRecentBirthIds, {}); }

  QString Db() const { return dir.path() + QStringLiteral("/births.sqlite"); }
  std::vector<std::int64_t> SaveSamples() {
    BirthStore store(Db());
    std::vector<std::int64_t> ids;
    for (const SavedBirth& saved : test::SampleSavedBirths()) {
      ids.push_back(store.save(saved.birth, saved.conventions));
      store.setNote(ids.back(), saved.note);
    }
    return ids;
  }
  static void Trigger(QWidget& window, const char* item) {
    Child<QAction>(window, QString::fromLatin1(item)).trigger();
  }
  // Saves from `window` answering the question with the button `answer` (nullptr: no
  // question may come); returns the questions seen.
  static std::vector<test::ModalWatcher::Seen> SaveAnswering(QWidget& window,
                                                             const char* answer) {
    test::ModalWatcher watcher([answer](QWidget* box) {
      if (answer != nullptr) Child<QPushButton>(*box, QString::fromLatin1(answer)).click();
    });
    Trigger(window, "mnuSaveBirth");
    if (answer == nullptr) {
      EXPECT_TRUE(watcher.seen.empty()) << watcher.seen[0].text.toStdString();
    } else {
      EXPECT_EQ(watcher.seen.size(), 1u) << answer;
    }
    return watcher.seen;
  }
  static QString Status(QWidget& window) {
    return Child<QLabel>(window, QStringLiteral("lblSaveStatus")).text();
  }
  std::vector<SavedBirth> All() const { return BirthStore(Db()).all(); }

  QTemporaryDir dir;
  test::RecordedMessages boxes;
};

TEST_F(BirthsTest, SaveThenOpenByTypingGivesTheSameFormAndItsChart) {
  AppShell shell(Db());
  shell.start();
  test::BirthEntry entry;
  entry.west = true;
  entry.south = true;
  entry.dst = true;
  test::Enter(shell.frmMain(), entry);
  const BirthData typed = shell.frmMain().readBirthData();
  SaveAnswering(shell.frmMain(), nullptr);
  EXPECT_TRUE(boxes.messages.empty());  // told in the status bar, not in a box
  EXPECT_EQ(Status(shell.frmMain()),
            "\u201cASHA RAO\u201d is saved as a new birth, born 15 August 1990 06:30:15 in "
            "NEW DELHI, DELHI, INDIA.");

  test::Enter(shell.frmMain(), test::BirthEntry{.name = QStringLiteral("OTHER"), .year = 2001});
  test::ModalWatcher watcher([](QWidget* dialog) {
    auto& find = Child<QLineEdit>(*dialog, QStringLiteral("txtFindBirth"));
    QTest::keyClicks(&find, QStringLiteral("asha"));
    QTest::keyClick(&find, Qt::Key_Return);
  });
  Trigger(shell.frmMain(), "mnuOpenBirth");
  ASSERT_EQ(watcher.seen.size(), 1u);
  EXPECT_EQ(watcher.seen[0].objectName, "dlgOpenBirth");
  EXPECT_EQ(shell.frmMain().readBirthData(), typed);
  ASSERT_NE(shell.mdi(), nullptr);  // the chart is shown
  EXPECT_EQ(shell.mdi()->frmDisplay()->shownBirth()->birth, typed);
  EXPECT_EQ(shell.births().recent().size(), 1u);
}

TEST_F(BirthsTest, ABirthOfTheSameNameIsReplacedOnlyWhenTheUserSaysSoAndUndoBringsItBack) {
  AppShell shell(Db());
  shell.start();
  FrmMain& form = shell.frmMain();
  test::BirthEntry entry{.name = QStringLiteral("RAJESH KUMAR"), .year = 1988};
  test::Enter(form, entry);
  SaveAnswering(form, nullptr);
  SaveAnswering(form, nullptr);  // unchanged: nothing asked, nothing changed
  EXPECT_EQ(Status(form),
            "\u201cRAJESH KUMAR\u201d is already saved with these birth data and conventions; "
            "nothing was changed.");
  const SavedBirth born1988 = All().at(0);

  // Another client of the same name: asked; Cancel saves nothing.
  entry.year = 1992;
  test::Enter(form, entry);
  const auto asked = SaveAnswering(form, "cmdCancelSave");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text,
            "A birth named \u201cRAJESH KUMAR\u201d is already saved with other birth data.\n\n"
            "Saved: born 15 August 1988 06:30:15 in NEW DELHI, DELHI, INDIA\n"
            "Now: born 15 August 1992 06:30:15 in NEW DELHI, DELHI, INDIA\n\n"
            "Update the saved birth with the new data, or save a new birth beside it?");
  EXPECT_EQ(All(), std::vector<SavedBirth>{born1988});
  EXPECT_EQ(Status(form), "Nothing was saved.");

  // A new birth beside it; Undo removes it again.
  SaveAnswering(form, "cmdSaveAsNewBirth");
  ASSERT_EQ(All().size(), 2u);
  EXPECT_EQ(All()[0], born1988);
  EXPECT_EQ(All()[1].birth.yearNumber, 1992);
  QAction& undo = Child<QAction>(form, QStringLiteral("mnuUndoSave"));
  ASSERT_TRUE(undo.isEnabled());
  undo.trigger();
  EXPECT_EQ(All(), std::vector<SavedBirth>{born1988});
  EXPECT_EQ(Status(form), "Save undone: the new birth \u201cRAJESH KUMAR\u201d is removed.");
  EXPECT_FALSE(undo.isEnabled());

  // Updated when asked to; the status bar's link undoes it, the record as it was.
  SaveAnswering(form, "cmdUpdateBirth");
  ASSERT_EQ(All().size(), 1u);
  EXPECT_EQ(All()[0].id, born1988.id);
  EXPECT_EQ(All()[0].birth.yearNumber, 1992);
  EXPECT_EQ(Status(form),
            "The saved birth \u201cRAJESH KUMAR\u201d is updated: born 15 August 1992 06:30:15 "
            "in NEW DELHI, DELHI, INDIA (it was born 15 August 1988 06:30:15 in NEW DELHI, "
            "DELHI, INDIA).");
  auto& link = Child<LinkLabel>(form, QStringLiteral("lnkUndoSave"));
  EXPECT_FALSE(link.isHidden());
  Q_EMIT link.activated();
  EXPECT_EQ(All(), std::vector<SavedBirth>{born1988});
  EXPECT_TRUE(link.isHidden());

  // A renamed person is another birth, without a question.
  entry.name = QStringLiteral("RAVI RAO");
  test::Enter(form, entry);
  SaveAnswering(form, nullptr);
  EXPECT_EQ(All().size(), 2u);

  // A form that fails its checks is not saved: the check's message says why.
  entry.name = QStringLiteral(" ");
  test::Enter(form, entry);
  boxes.messages.clear();
  Trigger(form, "mnuSaveBirth");
  ASSERT_EQ(boxes.messages.size(), 1u);
  EXPECT_EQ(boxes.messages[0].text, "Please Enter Name");
  EXPECT_EQ(All().size(), 2u);
}

// The time moved on the strip, saved with each answer: the record read back from the
// database, and undone.
TEST_F(BirthsTest, AMovedBirthTimeIsSavedAsTheUserChoosesAndUndoRestoresTheRecord) {
  AppShell shell(Db());
  shell.start();
  test::Enter(shell.frmMain(), test::BirthEntry{});
  SaveAnswering(shell.frmMain(), nullptr);
  const SavedBirth entered = All().at(0);  // 06:30:15
  shell.frmMain().cmdRashi_Click();
  ASSERT_NE(shell.mdi(), nullptr);
  Mdi& frame = *shell.mdi();
  QWidget& strip = Child<QWidget>(*frame.frmDisplay(), QStringLiteral("birthTimeStrip"));
  strip.setFocus();
  QTest::keyClick(&strip, Qt::Key_Right);  // one second later
  const QString question =
      "The birth time was moved on the strip: 06:30:16 on 15 August 1990 is shown, 06:30:15 on "
      "15 August 1990 was entered.\n\nWhich time should be saved for \u201cASHA RAO\u201d? A "
      "rectified time is saved with the entered time kept in the birth\u2019s record.";

  EXPECT_EQ(SaveAnswering(frame, "cmdCancelSave").at(0).text, question);
  EXPECT_EQ(All(), std::vector<SavedBirth>{entered});
  SaveAnswering(frame, "cmdSaveEnteredTime");
  EXPECT_EQ(All(), std::vector<SavedBirth>{entered});  // already saved so

  SaveAnswering(frame, "cmdSaveRectifiedTime");
  ASSERT_EQ(All().size(), 1u);
  SavedBirth rectified = All()[0];
  EXPECT_EQ(rectified.id, entered.id);
  EXPECT_EQ(rectified.birth.secondNumber, 16);
  EXPECT_EQ(rectified.enteredTime, (LocalDateTime{1990, 8, 15, 6, 30, 15}));
  EXPECT_EQ(rectified.conventions, ClassicConventions());
  EXPECT_EQ(Status(frame),
            "\u201cASHA RAO\u201d is saved with the rectified time 06:30:16 on 15 August 1990; the "
            "entered time 06:30:15 on 15 August 1990 is kept in its record.");
  // Open Birth shows the entered time beside the rectified one.
  EXPECT_EQ(SavedBornText(rectified),
            "15 August 1990 06:30:16 (rectified; entered 06:30:15 on 15 August 1990)");
  Trigger(frame, "mnuUndoSave");
  EXPECT_EQ(All(), std::vector<SavedBirth>{entered});

  SaveAnswering(frame, "cmdSaveMovedAsNew");
  ASSERT_EQ(All().size(), 2u);
  EXPECT_EQ(All()[0], entered);
  EXPECT_EQ(All()[1].birth.secondNumber, 16);
  EXPECT_EQ(All()[1].enteredTime, std::nullopt);
  Trigger(frame, "mnuUndoSave");
  EXPECT_EQ(All(), std::vector<SavedBirth>{entered});

  // Rectified again, then opened: the result window says the entered time.
  SaveAnswering(frame, "cmdSaveRectifiedTime");
  shell.births().open(entered.id, &frame);
  ASSERT_NE(shell.mdi(), nullptr);
  EXPECT_EQ(Child<QLabel>(*shell.mdi()->frmDisplay(), QStringLiteral("lblMovedTime")).text(),
            "Birth time 06:30:16 on 15 August 1990 (rectified; entered 06:30:15 on 15 August "
            "1990)");
}

TEST_F(BirthsTest, TheListNarrowsAtEveryKeystrokeAndTheArrowsChoose) {
  const std::vector<std::int64_t> ids = SaveSamples();  // ASHA MEHTA, ANA SOUZA, JOHN O
  BirthStore store(Db());
  std::vector<SavedBirth> deleted;
  OpenBirthDialog dialog(store, deleted);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  auto& find = Child<QLineEdit>(dialog, QStringLiteral("txtFindBirth"));
  auto& list = Child<QTableView>(dialog, QStringLiteral("lstBirths"));
  auto& count = Child<QLabel>(dialog, QStringLiteral("lblBirthCount"));
  EXPECT_EQ(count.text(), "3 of 3");
  const struct {
    const char* typed;
    int rows;
  } keystrokes[] = {{"a", 3}, {"n", 1}, {"\b", 3}, {"s", 2}, {"h", 1}};
  for (const auto& k : keystrokes) {
    if (k.typed[0] == '\b') {
      QTest::keyClick(&find, Qt::Key_Backspace);
    } else {
      QTest::keyClicks(&find, QString::fromLatin1(k.typed));
    }
    EXPECT_EQ(list.model()->rowCount(), k.rows) << find.text().toStdString();
  }
  find.clear();
  QTest::keyClicks(&find, QStringLiteral("SÃO"));
  EXPECT_EQ(list.model()->rowCount(), 1);
  EXPECT_EQ(Child<QLineEdit>(dialog, QStringLiteral("txtBirthName")).text(), "ANA SOUZA");
  find.clear();
  QTest::keyClick(&find, Qt::Key_Down);  // the arrows move through the list from the box
  QTest::keyClick(&find, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.chosen(), ids[0]);  // the second by name: ANA, then ASHA
}

TEST_F(BirthsTest, RenameAndNoteAreKept) {
  const std::vector<std::int64_t> ids = SaveSamples();
  BirthStore store(Db());
  std::vector<SavedBirth> deleted;
  OpenBirthDialog dialog(store, deleted);
  QTest::keyClicks(&Child<QLineEdit>(dialog, QStringLiteral("txtFindBirth")), "john");
  auto& name = Child<QLineEdit>(dialog, QStringLiteral("txtBirthName"));
  auto& note = Child<QPlainTextEdit>(dialog, QStringLiteral("txtBirthNote"));
  EXPECT_EQ(note.toPlainText().toStdString(), test::SampleSavedBirths()[2].note);
  name.setText(QStringLiteral("JOHN OLIVER"));
  note.setPlainText(QStringLiteral("born at home"));
  Child<QPushButton>(dialog, QStringLiteral("cmdApplyChanges")).click();
  const SavedBirth kept = *store.find(ids[2]);
  EXPECT_EQ(kept.birth.personName, "JOHN OLIVER");
  EXPECT_EQ(kept.note, "born at home");
  // An empty name is refused, as on the form.
  name.clear();
  Child<QPushButton>(dialog, QStringLiteral("cmdApplyChanges")).click();
  ASSERT_EQ(boxes.messages.size(), 1u);
  EXPECT_EQ(boxes.messages[0].text, "Please Enter Name");
  EXPECT_EQ(store.find(ids[2])->birth.personName, "JOHN OLIVER");
}

TEST_F(BirthsTest, DeleteAsksAndUndoBringsTheBirthBack) {
  const std::vector<std::int64_t> ids = SaveSamples();
  BirthStore store(Db());
  std::vector<SavedBirth> deleted;
  OpenBirthDialog dialog(store, deleted);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  auto& list = Child<QTableView>(dialog, QStringLiteral("lstBirths"));
  auto& undo = Child<QPushButton>(dialog, QStringLiteral("cmdUndoDelete"));
  EXPECT_FALSE(undo.isEnabled());
  const SavedBirth asha = *store.find(ids[0]);
  list.setFocus();
  list.setCurrentIndex(list.model()->index(1, 0));  // ASHA MEHTA

  for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
    test::ModalWatcher watcher(
        [answer](QWidget* box) { static_cast<QMessageBox*>(box)->button(answer)->click(); });
    QTest::keyClick(&list, Qt::Key_Delete);
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].text,
              "Delete the saved birth \u201cASHA MEHTA\u201d?\n\nUndo Delete brings it back until "
              "Velquor is closed.");
  }
  EXPECT_EQ(store.count(), 2u);
  EXPECT_EQ(list.model()->rowCount(), 2);
  EXPECT_EQ(Child<QLineEdit>(dialog, QStringLiteral("txtBirthName")).text(), "JOHN O");
  ASSERT_TRUE(undo.isEnabled());
  undo.click();
  EXPECT_EQ(store.find(ids[0]), asha);  // the same id, note and times
  EXPECT_EQ(Child<QLineEdit>(dialog, QStringLiteral("txtBirthName")).text(), "ASHA MEHTA");
  EXPECT_FALSE(undo.isEnabled());
}

TEST_F(BirthsTest, RecentListsTheLastFiveOpenedSkippingDeletedOnes) {
  BirthStore store(Db());
  std::vector<std::int64_t> ids;
  for (int i = 0; i < 7; ++i) {
    SavedBirth saved = test::SampleSavedBirths()[0];
    saved.birth.personName = std::to_string(i);
    saved.birth.personName.insert(0, "P");
    ids.push_back(store.save(saved.birth, saved.conventions));
  }
  AppShell shell(Db());
  shell.start();
  QSignalSpy opened(&shell.births(), &BirthLibrary::birthOpened);
  for (const std::int64_t id : ids) shell.births().open(id, &shell.frmMain());
  shell.births().open(ids[3], &shell.frmMain());  // again: to the top
  EXPECT_EQ(opened.count(), 8);
  EXPECT_EQ(shell.births().recent(),
            (std::vector<std::int64_t>{ids[3], ids[6], ids[5], ids[4], ids[2]}));
  store.remove(ids[6]);
  QMenu& recent = Child<QMenu>(shell.frmMain(), QStringLiteral("mnuRecentBirths"));
  Q_EMIT recent.aboutToShow();
  QStringList items;
  for (const QAction* action : recent.actions()) items << action->text();
  EXPECT_EQ(items, QStringList({"&1 P3, 21 March 1985", "&2 P5, 21 March 1985",
                                "&3 P4, 21 March 1985", "&4 P2, 21 March 1985"}));
  recent.actions()[1]->trigger();
  EXPECT_EQ(shell.frmMain().readBirthData().personName, "P5");
}

TEST_F(BirthsTest, ADamagedDatabaseIsReportedLeftAloneAndChartsGoOn) {
  QFile damaged(Db());
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray(4096, 'x'));
  damaged.close();
  AppShell shell(Db());
  shell.start();
  test::Enter(shell.frmMain(), test::BirthEntry{});
  for (const char* item : {"mnuSaveBirth", "mnuOpenBirth"}) {
    boxes.messages.clear();
    Trigger(shell.frmMain(), item);
    ASSERT_EQ(boxes.messages.size(), 1u) << item;
    EXPECT_EQ(boxes.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(boxes.messages[0].text.contains(Db())) << boxes.messages[0].text.toStdString();
    EXPECT_TRUE(boxes.messages[0].text.contains("is damaged or is not a database"));
  }
  shell.frmMain().cmdRashi_Click();
  EXPECT_NE(shell.mdi(), nullptr);
  ASSERT_TRUE(damaged.open(QIODevice::ReadOnly));
  EXPECT_EQ(damaged.readAll(), QByteArray(4096, 'x'));
}


// Another program writing: the window says so (in use, never damaged) and the next item
// chosen tries again and saves, once the other program has finished.
TEST_F(BirthsTest, ABusyDatabaseIsReportedAsInUseAndTheNextTryWorks) {
  SaveSamples();
  AppShell shell(Db());
  shell.start();
  test::Enter(shell.frmMain(), test::BirthEntry{});
  {
    QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "writer");
    writer.setDatabaseName(Db());
    ASSERT_TRUE(writer.open());
    QSqlQuery query(writer);
    ASSERT_TRUE(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    boxes.messages.clear();
    Trigger(shell.frmMain(), "mnuSaveBirth");
    ASSERT_EQ(boxes.messages.size(), 1u);
    const QString text = boxes.messages[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("is in use by another program"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Try again"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("damaged"))) << text.toStdString();
    ASSERT_TRUE(query.exec(QStringLiteral("ROLLBACK")));
    query.clear();
    writer.close();
  }
  QSqlDatabase::removeDatabase("writer");
  boxes.messages.clear();
  Trigger(shell.frmMain(), "mnuSaveBirth");
  EXPECT_TRUE(boxes.messages.empty());
  EXPECT_TRUE(Status(shell.frmMain()).startsWith("\u201cASHA RAO\u201d is saved as a new birth"))
      << Status(shell.frmMain()).toStdString();
  EXPECT_EQ(BirthStore(Db()).count(), 4u);
}

}  // namespace
}  // namespace velquor
