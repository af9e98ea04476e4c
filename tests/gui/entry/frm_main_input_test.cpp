// The birth-data form at work: key filters, the seven checks, the place look-up, the
// chart run started from the button, the menu and Enter, and the ways out.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>

#include "chart/chart_run.h"
#include "gui/common/links.h"
#include "gui/entry/birth_form.h"
#include "support/birth_entry.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

using test::Child;
using test::RecordedMessages;

constexpr char kLetters[] = "Please Enter only Letters";
constexpr char kNumbers[] = "Only Numbers Are Accepted";

struct Typing {
  const char* box;
  const char* keys;  // typed one character at a time; "\b" is Backspace
  const char* shown;
  const char* message;  // nullptr: none
};

TEST(FrmMainInput, KeyFilters) {
  const Typing cases[] = {
      {"txtName", "a", "A", nullptr},
      {"txtName", "Ravi kumar", "RAVI KUMAR", nullptr},
      {"txtName", "AB\b", "A", nullptr},
      {"txtName", "1", "", kLetters},
      {"txtName", "@", "", kLetters},  // just below "A"
      {"txtName", "[", "", kLetters},  // "[" .. "`" lie between the two letter ranges
      {"txtName", "`", "", kLetters},
      {"txtName", "{", "", kLetters},  // just above "z"
      {"txtName", "O'", "O", kLetters},
      {"txtName", "-", "", kLetters},
      {"txtLonD", "179", "179", nullptr},
      {"txtLonD", "1794", "179", nullptr},  // at most three characters
      {"txtLonD", "-", "", kNumbers},
      {"txtLonD", ".", "", kNumbers},
      {"txtLonD", "/", "", kNumbers},  // just below "0"
      {"txtLonD", ":", "", kNumbers},  // just above "9"
      {"txtLonM", "5x", "5", kNumbers},
      {"txtLonM", "45\b", "4", nullptr},
      {"txtLatD", "905", "90", nullptr},
      {"txtLatD", " ", "", kNumbers},
      {"txtLatM", "e", "", kNumbers},
      {"txtLatM", "59", "59", nullptr},
  };
  for (const Typing& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " <- " + c.keys);
    RecordedMessages boxes;
    BirthForm form;
    QLineEdit& box = Child<QLineEdit>(form, QString::fromLatin1(c.box));
    for (const char* key = c.keys; *key != '\0'; ++key) {
      if (*key == '\b')
        QTest::keyClick(&box, Qt::Key_Backspace);
      else
        QTest::keyClicks(&box, QString(QChar::fromLatin1(*key)));
    }
    EXPECT_EQ(box.text(), QString::fromLatin1(c.shown));
    if (c.message == nullptr) {
      EXPECT_TRUE(boxes.messages.empty());
    } else {
      ASSERT_EQ(boxes.messages.size(), 1u);
      EXPECT_EQ(boxes.messages[0].text, c.message);
      EXPECT_EQ(boxes.messages[0].icon,
                c.message == kLetters ? MessageIcon::Information : MessageIcon::Critical);
    }
  }
}

TEST(FrmMainInput, RealFilterMessageCarriesTheProgramTitle) {
  BirthForm form;
  test::ModalWatcher watcher;
  QTest::keyClicks(&Child<QLineEdit>(form, QStringLiteral("txtLonD")), QStringLiteral("-"));
  ASSERT_EQ(watcher.seen.size(), 1u);
  EXPECT_EQ(watcher.seen[0].title, "Velquor v1.25");
  EXPECT_EQ(watcher.seen[0].text, kNumbers);
  EXPECT_EQ(watcher.seen[0].icon, QMessageBox::Critical);
}

TEST(FrmMainInput, PastedTextBypassesTheFilter) {
  RecordedMessages boxes;
  BirthForm form;
  QLineEdit& box = Child<QLineEdit>(form, QStringLiteral("txtName"));
  QApplication::clipboard()->setText(QStringLiteral("ASHA 2"));
  QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box.text(), "ASHA 2");
  EXPECT_TRUE(boxes.messages.empty());
}

// The tests that chart without a form take the entry's birth data from BirthDataOf: it is
// what the form reads, field for field, in both hemispheres and at the ends of the lists.
TEST(FrmMainInput, TheFormReadsAnEntryAsItsBirthData) {
  test::BirthEntry far;
  far.name = QStringLiteral("ANA SOUZA");
  far.day = 31;
  far.monthIndex = 11;
  far.year = 2050;
  far.hour = 23;
  far.minute = 59;
  far.second = 59;
  far.lonDeg = QStringLiteral("179");
  far.lonMin = QStringLiteral("59");
  far.latDeg = QStringLiteral("89");
  far.latMin = QStringLiteral("0");
  far.west = far.south = far.dst = true;
  far.city = QStringLiteral("SÃO PAULO");
  far.state = far.country = QString();
  far.zoneIndex = 70;
  test::BirthEntry first = far;
  first.day = 1;
  first.monthIndex = 0;
  first.year = 1901;
  first.hour = first.minute = first.second = 0;
  first.zoneIndex = 0;
  for (const test::BirthEntry& entry : {test::BirthEntry{}, far, first}) {
    SCOPED_TRACE(entry.name.toStdString() + " " + std::to_string(entry.year));
    BirthForm form;
    test::Enter(form, entry);
    EXPECT_EQ(form.readBirthData(), test::BirthDataOf(entry));
  }
}

// A form with a valid entry, shown, so that the checks can move the focus.
class FilledForm : public ::testing::Test {
 public:
  QLineEdit& box(const char* name) { return Child<QLineEdit>(form, QString::fromLatin1(name)); }
  QComboBox& list(const char* name) { return Child<QComboBox>(form, QString::fromLatin1(name)); }

 protected:
  void SetUp() override {
    test::Enter(form, test::BirthEntry{});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  RecordedMessages boxes;
  BirthForm form;
};

struct Check {
  const char* what;
  std::function<void(FilledForm&)> spoil;
  const char* message;
  MessageIcon icon;
  const char* focus;  // where the focus ends; the focus was on cboYear before
};

class FrmMainChecks : public FilledForm {
 protected:
  void run(const Check& check) {
    SCOPED_TRACE(check.what);
    check.spoil(*this);
    list("cboYear").setFocus();
    QSignalSpy charts(&form, &BirthForm::chartReady);
    Child<QPushButton>(form, QStringLiteral("cmdRashi")).click();
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, check.message);
    EXPECT_EQ(boxes.messages[0].icon, check.icon);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), check.focus);
    EXPECT_EQ(charts.count(), 0);
    EXPECT_TRUE(form.isVisible());
  }
};

TEST_F(FrmMainChecks, EachCheckWithItsMessageIconAndFocus) {
  const auto setText = [](const char* name, const char* text) {
    return [=](FilledForm& f) { f.box(name).setText(QString::fromLatin1(text)); };
  };
  const auto setDate = [](int monthIndex, int day, int year) {
    return [=](FilledForm& f) {
      f.list("cboMonth").setCurrentIndex(monthIndex);
      f.list("cboDate").setCurrentIndex(day - 1);
      f.list("cboYear").setCurrentIndex(year - 1901);
    };
  };
  const Check checks[] = {
      {"blank name", setText("txtName", "   "), "Please Enter Name", MessageIcon::Critical,
       "txtName"},
      {"no longitude degrees", setText("txtLonD", ""),
       "Please Enter Value Between 0 And 179 in the Degree of Longitude", MessageIcon::Critical,
       "txtLonD"},
      {"longitude 180", setText("txtLonD", "180"),
       "Please Enter Value Between 0 And 179 in the Degree of Longitude", MessageIcon::Critical,
       "txtLonD"},
      {"longitude minutes 60", setText("txtLonM", "60"),
       "Please Enter Value Between 0 And 59 in the  Minute of Longitude", MessageIcon::Critical,
       "txtLonM"},
      {"latitude 90", setText("txtLatD", "90"),
       "Please Enter Value Between 0 And 89 in the Degree of Latitude", MessageIcon::Critical,
       "txtLatD"},
      {"no latitude minutes", setText("txtLatM", " "),
       "Please Enter Value Between 0 And 59 in the  Minute of Latitude", MessageIcon::Critical,
       "txtLatM"},
      {"29 February 1999", setDate(1, 29, 1999), "Please Enter Correct Date Or Month!",
       MessageIcon::Information, "cboYear"},
      {"30 February 2000", setDate(1, 30, 2000), "Please Enter Correct Date Or Month!",
       MessageIcon::Information, "cboYear"},
      {"31 April", setDate(3, 31, 1990), "Please Enter Correct Date Or Month !",
       MessageIcon::Information, "cboYear"},
      {"31 November", setDate(10, 31, 1990), "Please Enter Correct Date Or Month !",
       MessageIcon::Information, "cboYear"},
  };
  for (const Check& check : checks) {
    boxes.messages.clear();
    test::Enter(form, test::BirthEntry{});
    run(check);
  }
}

TEST_F(FilledForm, ValidDatesRunTheChart) {
  const std::pair<int, int> dates[] = {{1, 29}, {2, 31}};  // 29 February 2000, 31 March
  for (const auto& [monthIndex, day] : dates) {
    list("cboYear").setCurrentIndex(2000 - 1901);
    list("cboMonth").setCurrentIndex(monthIndex);
    list("cboDate").setCurrentIndex(day - 1);
    QSignalSpy charts(&form, &BirthForm::chartReady);
    Child<QPushButton>(form, QStringLiteral("cmdRashi")).click();
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(charts.count(), 1) << "month index " << monthIndex << " day " << day;
  }
}

TEST_F(FilledForm, ButtonMenuAndEnterRunTheSameChart) {
  const ChartOutcome expected = RunChart(form.readBirthData());
  ASSERT_TRUE(expected.chart.has_value()) << expected.stopMessage;

  QSignalSpy charts(&form, &BirthForm::chartReady);
  Child<QPushButton>(form, QStringLiteral("cmdRashi")).click();
  Child<QAction>(form, QStringLiteral("mnuNext")).trigger();
  for (const char* focus : {"txtLonM", "cboMonth", "txtName"}) {
    QWidget& field = Child<QWidget>(form, QString::fromLatin1(focus));
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_Return);
  }
  ASSERT_EQ(charts.count(), 5);
  for (const QList<QVariant>& emitted : charts) {
    const auto chart = emitted.at(0).value<ChartResult>();
    EXPECT_EQ(chart.PositionTexts, expected.chart->PositionTexts);
    EXPECT_EQ(chart.SpecialCells, expected.chart->SpecialCells);
    EXPECT_EQ(chart.HouseText, expected.chart->HouseText);
  }
  EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(FilledForm, PolarDayStopsWithAMessageAndKeepsTheForm) {
  test::BirthEntry polar;
  polar.latDeg = QStringLiteral("78");
  polar.latMin = QStringLiteral("13");
  polar.lonDeg = QStringLiteral("15");
  polar.lonMin = QStringLiteral("38");
  polar.monthIndex = 5;  // 21 June: the Sun does not set at Longyearbyen
  polar.day = 21;
  polar.zoneIndex = 20;
  test::Enter(form, polar);
  const BirthData before = form.readBirthData();
  const ChartOutcome expected = RunChart(before);
  ASSERT_FALSE(expected.chart.has_value());

  QSignalSpy charts(&form, &BirthForm::chartReady);
  Child<QPushButton>(form, QStringLiteral("cmdRashi")).click();
  ASSERT_EQ(boxes.messages.size(), 1u);
  EXPECT_EQ(boxes.messages[0].text.toStdString(), expected.stopMessage);
  EXPECT_EQ(charts.count(), 0);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.readBirthData(), before);
}

// Records what the form hands to the place look-up.
class RecordedSearch final : public PlaceSearch {
 public:
  struct Call {
    QString query;
    QUrl homePage;
  };
  explicit RecordedSearch(std::vector<Call>& calls) : calls_(calls) {}
  void search(const QString& query, const QUrl& homePage) override {
    calls_.push_back({query, homePage});
  }

 private:
  std::vector<Call>& calls_;
};

struct PlaceCase {
  const char* city;
  const char* state;
  const char* country;
  const char* message;  // nullptr: the query goes out
  const char* focusOrQuery;
};

TEST_F(FilledForm, PlaceLookUpChecksThenHandsOnTheQuery) {
  const PlaceCase cases[] = {
      {"", "", "", "Please Enter City", "txtMCity"},
      {"PARIS", "", "", "Please Enter State", "txtMState"},
      {"PARIS", "IDF", "", "Please Enter Country", "txtMCountry"},
      {"PARIS", " ", "FRANCE", nullptr, "PARIS   FRANCE Latitude Longitude"},
      {"SAO PAULO", "SP", "BRAZIL", nullptr, "SAO PAULO SP BRAZIL Latitude Longitude"},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.focusOrQuery);
    std::vector<RecordedSearch::Call> calls;
    form.setPlaceSearch(std::make_unique<RecordedSearch>(calls));
    boxes.messages.clear();
    box("txtMCity").setText(QString::fromLatin1(c.city));
    box("txtMState").setText(QString::fromLatin1(c.state));
    box("txtMCountry").setText(QString::fromLatin1(c.country));
    list("cboYear").setFocus();
    Child<QPushButton>(form, QStringLiteral("cmdBrowser")).click();
    if (c.message != nullptr) {
      ASSERT_EQ(boxes.messages.size(), 1u);
      EXPECT_EQ(boxes.messages[0].text, c.message);
      EXPECT_EQ(boxes.messages[0].icon, MessageIcon::Information);
      EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focusOrQuery);
      EXPECT_TRUE(calls.empty());
    } else {
      EXPECT_TRUE(boxes.messages.empty());
      ASSERT_EQ(calls.size(), 1u);
      EXPECT_EQ(calls[0].query, c.focusOrQuery);
      EXPECT_EQ(calls[0].homePage, PageUrl(PageRole::HomePage));
    }
  }
}

class FailingSearch final : public PlaceSearch {
 public:
  void search(const QString&, const QUrl&) override { throw std::runtime_error("no browser here"); }
};

TEST_F(FilledForm, AFailingLookUpIsReportedAndTheFormStays) {
  form.setPlaceSearch(std::make_unique<FailingSearch>());
  Child<QPushButton>(form, QStringLiteral("cmdBrowser")).click();
  ASSERT_EQ(boxes.messages.size(), 1u);
  EXPECT_EQ(boxes.messages[0].text, "The action could not be completed: no browser here");
  EXPECT_EQ(boxes.messages[0].icon, MessageIcon::Critical);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(box("txtMCity").text(), "NEW DELHI");
}

TEST(FrmMainExit, ExitItemAndCloseBoxEndTheProgram) {
  BirthForm form;
  form.show();
  QSignalSpy shutDown(&form, &BirthForm::shutDownRequested);
  Child<QAction>(form, QStringLiteral("mnuExit")).trigger();
  EXPECT_EQ(shutDown.count(), 1);
  form.close();
  EXPECT_EQ(shutDown.count(), 2);
}

}  // namespace
}  // namespace velquor
