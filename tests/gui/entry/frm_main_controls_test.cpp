// The birth-data form as loaded: its controls, lists, defaults, tab order and the names a
// screen reader announces.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include "chart/time_zones.h"
#include "gui/entry/birth_form.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;

struct Control {
  const char* name;
  const char* kind;
  const char* caption;  // "text" or, for a frame, "title"
};

TEST(FrmMainControls, NamesKindsAndCaptions) {
  const Control controls[] = {
      {"Frame6", "QGroupBox", "Personal Details"},
      {"Label13", "QLabel", "Name"},
      {"Label5", "QLabel", "Date of Birth"},
      {"Label1", "QLabel", "Time of Birth"},
      {"Label12", "QLabel", "HH:MM:SS"},
      {"cmdRashi", "QPushButton", "Get My Pranapada Lagna"},
      {"Frame2", "QGroupBox", "Place Details"},
      {"Label54", "QLabel", "City"},
      {"Label55", "QLabel", "State"},
      {"Label4", "QLabel", "Country"},
      {"cmdBrowser", "QPushButton", "Click for Latitude && Longitude"},
      {"fraZone", "QGroupBox", "Zone"},
      {"chkDST", "QCheckBox", "Daylight Saving Time"},
      {"Frame4", "QGroupBox", "Longitude"},
      {"Label6", "QLabel", "Deg"},
      {"Label8", "QLabel", "Min"},
      {"optLong_0", "QRadioButton", "East"},
      {"optLong_1", "QRadioButton", "West"},
      {"Frame3", "QGroupBox", "Latitude"},
      {"Label7", "QLabel", "Deg"},
      {"Label9", "QLabel", "Min"},
      {"optLat_0", "QRadioButton", "North"},
      {"optLat_1", "QRadioButton", "South"},
      {"Label2", "QLabel", "Know more about your energy in life with Velquor"},
  };
  BirthForm form;
  EXPECT_EQ(form.objectName(), "frmMain");
  EXPECT_EQ(form.windowTitle(), "Velquor v1.25");
  for (const Control& c : controls) {
    SCOPED_TRACE(c.name);
    QWidget& widget = Child<QWidget>(form, QString::fromLatin1(c.name));
    EXPECT_TRUE(widget.inherits(c.kind)) << widget.metaObject()->className();
    const char* property = widget.inherits("QGroupBox") ? "title" : "text";
    EXPECT_EQ(widget.property(property).toString(), QString::fromLatin1(c.caption));
  }
  for (const char* link : {"lblFullBrand", "lblCobrand", "Label61"})
    EXPECT_FALSE(Child<QLabel>(form, QString::fromLatin1(link)).text().isEmpty()) << link;
}

// The number boxes' lengths are kept as the user types and pastes:
// FrmMainKeyboard.TypedDigitsBeyondABoxsLengthAreRefused.
TEST(FrmMainControls, BoxesStartEmptyWithTheirLimits) {
  BirthForm form;
  for (const char* name : {"txtName", "txtMCity", "txtMState", "txtMCountry", "txtLonD", "txtLonM",
                           "txtLatD", "txtLatM"})
    EXPECT_TRUE(Child<QLineEdit>(form, QString::fromLatin1(name)).text().isEmpty()) << name;
  for (const char* name : {"txtName", "txtMCity", "txtMState", "txtMCountry"})
    EXPECT_EQ(Child<QLineEdit>(form, QString::fromLatin1(name)).maxLength(), 32767) << name;
  EXPECT_FALSE(Child<QCheckBox>(form, QStringLiteral("chkDST")).isChecked());
  EXPECT_TRUE(Child<QRadioButton>(form, QStringLiteral("optLong_0")).isChecked());
  EXPECT_FALSE(Child<QRadioButton>(form, QStringLiteral("optLong_1")).isChecked());
  EXPECT_TRUE(Child<QRadioButton>(form, QStringLiteral("optLat_0")).isChecked());
  EXPECT_FALSE(Child<QRadioButton>(form, QStringLiteral("optLat_1")).isChecked());
}

struct ComboList {
  const char* name;
  int count;
  const char* first;
  const char* last;
};

TEST(FrmMainControls, ListsAndTheirDefaults) {
  const ComboList lists[] = {
      {"cboMonth", 12, "January", "December"},
      {"cboDate", 31, "1", "31"},
      {"cboYear", 150, "1901", "2050"},
      {"cboHH", 24, "0", "23"},
      {"cboMM", 60, "0", "59"},
      {"cboSS", 60, "0", "59"},
  };
  BirthForm form;
  for (const ComboList& list : lists) {
    SCOPED_TRACE(list.name);
    const QComboBox& combo = Child<QComboBox>(form, QString::fromLatin1(list.name));
    ASSERT_EQ(combo.count(), list.count);
    EXPECT_EQ(combo.itemText(0), list.first);
    EXPECT_EQ(combo.itemText(list.count - 1), list.last);
    EXPECT_EQ(combo.currentIndex(), 0);
  }
  const QComboBox& month = Child<QComboBox>(form, QStringLiteral("cboMonth"));
  EXPECT_EQ(month.itemText(1), "February");
  EXPECT_EQ(month.itemText(8), "September");
  // Plain numbers without leading zeros.
  EXPECT_EQ(Child<QComboBox>(form, QStringLiteral("cboMM")).itemText(7), "7");
}

TEST(FrmMainControls, TimeZoneListInTableOrderWithGreenwichSelected) {
  BirthForm form;
  const QComboBox& zones = Child<QComboBox>(form, QStringLiteral("cmbTimeZone"));
  ASSERT_EQ(zones.count(), 71);
  for (int i = 0; i < zones.count(); ++i) {
    const std::string_view label = TimeZoneTable()[static_cast<std::size_t>(i)].label;
    EXPECT_EQ(zones.itemText(i).toStdString(), label) << "row " << i;
  }
  EXPECT_EQ(zones.currentIndex(), 29);
  EXPECT_EQ(zones.currentText(), "Greenwich Mean Time,GMT,0.0");
  EXPECT_EQ(form.readBirthData().zoneIndex, 29);
}

TEST(FrmMainControls, TabWalksTheFormTopToBottom) {
  BirthForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QWidget& name = Child<QWidget>(form, QStringLiteral("txtName"));
  name.setFocus();
  // An option pair is one stop: Tab lands on its selected button.
  const QStringList expected = {"txtName",    "cboDate",     "cboMonth", "cboYear",   "cboHH",
                                "cboMM",      "cboSS",       "txtMCity", "txtMState", "txtMCountry",
                                "cmdBrowser", "cmbTimeZone", "chkDST",   "txtLonD",   "txtLonM",
                                "optLong_0",  "txtLatD",     "txtLatM",  "optLat_0",  "cmdRashi"};
  QStringList visited = {QApplication::focusWidget()->objectName()};
  for (qsizetype i = 1; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, expected);
}

TEST(FrmMainControls, EveryInputHasItsOwnAccessibleName) {
  // The lists' accessible names are checked through their interfaces below.
  BirthForm form;
  QSet<QString> names;
  int count = 0;
  for (const QWidget* input : form.findChildren<QWidget*>()) {
    const bool isInput = input->inherits("QLineEdit") || input->inherits("QComboBox");
    if (!isInput || input->parent()->inherits("QComboBox")) continue;  // not a list's own parts
    EXPECT_FALSE(input->accessibleName().isEmpty()) << input->objectName().toStdString();
    names.insert(input->accessibleName());
    ++count;
  }
  EXPECT_EQ(count, 15);
  EXPECT_EQ(names.size(), count) << "two inputs announce the same name";
  const QAccessibleInterface* name =
      QAccessible::queryAccessibleInterface(&Child<QWidget>(form, QStringLiteral("txtName")));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(QAccessible::Name), "Name");
  EXPECT_EQ(Child<QLabel>(form, QStringLiteral("Label13")).buddy(),
            &Child<QWidget>(form, QStringLiteral("txtName")));
}

TEST(FrmMainControls, ListsAnnounceTheirOwnNameAndTheirEntryAsValue) {
  struct List {
    const char* name;
    const char* accessibleName;
    int index;  // chosen before reading, so that no two lists show the same entry
  };
  const List lists[] = {
      {"cboDate", "Day of birth", 14},  {"cboMonth", "Month of birth", 7},
      {"cboYear", "Year of birth", 89}, {"cboHH", "Hour of birth", 6},
      {"cboMM", "Minute of birth", 30}, {"cboSS", "Second of birth", 45},
      {"cmbTimeZone", "Time zone", 3},
  };
  BirthForm form;
  for (const List& list : lists) {
    auto& combo = Child<QComboBox>(form, QString::fromLatin1(list.name));
    combo.setCurrentIndex(list.index);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&combo);
    ASSERT_NE(iface, nullptr) << list.name;
    EXPECT_EQ(iface->role(), QAccessible::ComboBox) << list.name;
    EXPECT_EQ(iface->text(QAccessible::Name), list.accessibleName) << list.name;
    EXPECT_EQ(iface->text(QAccessible::Value), combo.currentText()) << list.name;
    EXPECT_FALSE(combo.currentText().isEmpty()) << list.name;
    // The drop-down view stays reachable as the list's child, where the entries are read.
    ASSERT_EQ(iface->childCount(), 1) << list.name;
    EXPECT_EQ(iface->child(0)->object(), static_cast<QObject*>(combo.view())) << list.name;
    // There the current entry is the selected one, also while the view is closed.
    EXPECT_TRUE(combo.view()->selectionModel()->isSelected(combo.model()->index(list.index, 0)))
        << list.name;
  }
}

}  // namespace
}  // namespace velquor
