// The form as used from the keyboard and by a screen reader: numbers typed into the lists,
// boxes that show the number the chart reads, and the accessible name and value of every
// box.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "chart/validation.h"
#include "gui/entry/birth_form.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

struct TypedInList {
  const char* list;
  const char* keys;  // typed in quick succession; '|' is a pause longer than the interval
  const char* selected;
};

TEST(FrmMainKeyboard, ListsSelectTheNumberTyped) {
  const TypedInList cases[] = {
      {"cboDate", "1", "1"},       {"cboDate", "15", "15"},  {"cboDate", "3", "3"},
      {"cboDate", "31", "31"},     {"cboDate", "45", "5"},   {"cboDate", "1|5", "5"},
      {"cboYear", "1985", "1985"}, {"cboYear", "2", "2000"}, {"cboYear", "19", "1901"},
      {"cboHH", "7", "7"},         {"cboHH", "23", "23"},    {"cboHH", "29", "9"},
      {"cboMM", "5", "5"},         {"cboMM", "50", "50"},    {"cboMM", "05", "5"},
      {"cboSS", "0", "0"},         {"cboSS", "59", "59"},    {"cboSS", "4|4", "4"},
  };
  QApplication::setKeyboardInputInterval(150);  // a short pause suffices for '|'
  for (const TypedInList& c : cases) {
    SCOPED_TRACE(std::string(c.list) + " typed " + c.keys);
    BirthForm form;
    auto& list = Child<QComboBox>(form, QString::fromLatin1(c.list));
    list.setCurrentIndex(list.count() / 2);  // not at the first entry, where a search starts
    for (const char* key = c.keys; *key != '\0'; ++key) {
      if (*key == '|')
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
      else
        QTest::keyClicks(&list, QString(QChar::fromLatin1(*key)));
    }
    EXPECT_EQ(list.currentText(), c.selected);
  }
}

struct Pasted {
  const char* box;
  const char* before;
  const char* pasted;
  const char* shown;
};

// What a box shows after a paste is what the chart reads from it.
TEST(FrmMainKeyboard, BoxesShowTheNumberTheChartReads) {
  const Pasted cases[] = {
      {"txtLonD", "", "7x7", "7"},    {"txtLatM", "", " 12", "12"},  {"txtLatM", "", "4x", "4"},
      {"txtLonM", "", "\t30'", "30"}, {"txtLonD", "", "123", "123"}, {"txtLatD", "", "123", ""},
      {"txtLatD", "28", "abc", "28"}, {"txtLonD", "", "  ", ""},     {"txtLatM", "3", "5", "35"},
  };
  test::RecordedMessages messages;
  for (const Pasted& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " pasted \"" + c.pasted + "\"");
    BirthForm form;
    auto& box = Child<QLineEdit>(form, QString::fromLatin1(c.box));
    box.setText(QString::fromLatin1(c.before));
    box.end(false);
    QApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), c.shown);
    const std::optional<int> read = LeadingNumber(box.text().toStdString());
    const std::optional<int> shown = LeadingNumber(c.shown);
    EXPECT_EQ(read, shown);
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST(FrmMainKeyboard, TypedDigitsBeyondABoxsLengthAreRefused) {
  const std::pair<const char*, const char*> boxes[] = {
      {"txtLonD", "179"}, {"txtLonM", "59"}, {"txtLatD", "89"}, {"txtLatM", "59"}};
  for (const auto& [name, kept] : boxes) {
    BirthForm form;
    auto& box = Child<QLineEdit>(form, QString::fromLatin1(name));
    QTest::keyClicks(&box, QString::fromLatin1(kept) + QStringLiteral("9"));
    EXPECT_EQ(box.text(), kept) << name;
  }
}

// Every box is read by its own name and, when empty, as empty.
TEST(FrmMainKeyboard, BoxesAccessibleNamesAndValues) {
  const std::pair<const char*, const char*> controls[] = {
      {"txtName", "Name"},
      {"txtMCity", "City"},
      {"txtMState", "State"},
      {"txtMCountry", "Country"},
      {"txtLonD", "Longitude degrees"},
      {"txtLonM", "Longitude minutes"},
      {"txtLatD", "Latitude degrees"},
      {"txtLatM", "Latitude minutes"},
  };
  BirthForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  for (const auto& [name, accessibleName] : controls) {
    SCOPED_TRACE(name);
    auto& box = Child<QLineEdit>(form, QString::fromLatin1(name));
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Name), accessibleName);
    EXPECT_TRUE(box.placeholderText().isEmpty());
    EXPECT_TRUE(reader->text(QAccessible::Value).isEmpty());
  }
}

}  // namespace
}  // namespace velquor
