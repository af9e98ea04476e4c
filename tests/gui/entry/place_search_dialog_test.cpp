// The place search on the real birth-data form: what the dialog lists and suggests, and what
// "Use" writes into the form's own boxes.
#include "gui/entry/place_search_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <QUrlQuery>
#include <future>
#include <memory>

#include "chart/time_zones.h"
#include "gui/entry/birth_form.h"
#include "places/place_names.h"
#include "support/birth_entry.h"
#include "support/gui_test_support.h"
#include "support/small_atlas.h"

namespace velquor {
namespace {

using test::Child;

SharedAtlas ReadyAtlas(std::vector<Place> places) {
  std::promise<std::shared_ptr<const PlaceAtlas>> promise;
  promise.set_value(std::make_shared<const PlaceAtlas>(std::move(places)));
  return promise.get_future().share();
}

SharedAtlas TestAtlas() {
  std::vector<Place> places = test::SmallAtlasPlaces();
  // On a minute's edge: 40° 59.9994' rounds to 41° 0'.
  places.push_back(
      {"Edgeton", "Nowhere", "Testland", "TL", "America/New_York", 40.99999, -73.99999, 1000});
  return ReadyAtlas(std::move(places));
}

// The form with an entry whose place and zone the place search must replace.
class PlaceSearchOnTheForm : public ::testing::Test {
 protected:
  void SetUp() override {
    test::Enter(form, test::BirthEntry{});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }

  // Opens the dialog over the form as its place look-up does, with a given atlas.
  void open(const QString& city, const QString& state, const QString& country, LocalDateTime birth,
            SharedAtlas atlas = TestAtlas()) {
    dialog = std::make_unique<PlaceSearchDialog>(
        std::move(atlas), PlaceSearchRequest{city, state, country, birth},
        PlaceFormFields::FindIn(&form), [this](const QString& query) { webQueries << query; },
        &form);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  }

  QString formText(const char* name) const {
    return Child<QLineEdit>(form, QString::fromLatin1(name)).text();
  }
  bool formChecked(const char* name) const {
    return Child<QAbstractButton>(form, QString::fromLatin1(name)).isChecked();
  }
  int formZone() const {
    return Child<QComboBox>(form, QStringLiteral("cmbTimeZone")).currentIndex();
  }

  template <typename Widget>
  Widget& inDialog(const char* name) const {
    return Child<Widget>(*dialog, QString::fromLatin1(name));
  }
  QString label(const char* name) const { return inDialog<QLabel>(name).text(); }
  QTreeWidget& list() const { return inDialog<QTreeWidget>("lstPlaces"); }
  void click(const char* button) const {
    QTest::mouseClick(&inDialog<QPushButton>(button), Qt::LeftButton);
  }

  BirthForm form;
  std::unique_ptr<PlaceSearchDialog> dialog;
  QStringList webQueries;
};

TEST_F(PlaceSearchOnTheForm, UseFillsThePlaceTheCoordinatesAndTheZone) {
  struct Case {
    QString city, state, country;
    LocalDateTime birth;
    const char *latD, *latM, *latChoice, *lonD, *lonM, *lonChoice;
    QString cityFilled;
    int zoneIndex;
    bool dst;
  };
  const Case cases[] = {
      {"varanasi",
       "UP",
       "India",
       {1990, 8, 15, 6, 30, 0},
       "25",
       "19",
       "optLat_0",
       "83",
       "1",
       "optLong_0",
       "Varanasi",
       34,
       false},
      // Southern summer: Brazil kept daylight saving in January 1990.
      {"Sao Paulo",
       "",
       "",
       {1990, 1, 15, 12, 0, 0},
       "23",
       "33",
       "optLat_1",
       "46",
       "38",
       "optLong_1",
       "São Paulo",
       14,
       true},
      {"Springfield",
       "Massachusetts",
       "USA",
       {1976, 7, 4, 6, 30, 0},
       "42",
       "6",
       "optLat_0",
       "72",
       "35",
       "optLong_1",
       "Springfield",
       27,
       true},
      {"Edgeton",
       "",
       "",
       {1976, 1, 15, 6, 30, 0},
       "41",
       "0",
       "optLat_0",
       "74",
       "0",
       "optLong_1",
       "Edgeton",
       27,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.city.toStdString());
    open(c.city, c.state, c.country, c.birth);
    click("cmdUse");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(formText("txtLatD"), c.latD);
    EXPECT_EQ(formText("txtLatM"), c.latM);
    EXPECT_TRUE(formChecked(c.latChoice));
    EXPECT_EQ(formText("txtLonD"), c.lonD);
    EXPECT_EQ(formText("txtLonM"), c.lonM);
    EXPECT_TRUE(formChecked(c.lonChoice));
    EXPECT_EQ(formText("txtMCity"), c.cityFilled);
    EXPECT_EQ(formZone(), c.zoneIndex);
    EXPECT_EQ(formChecked("chkDST"), c.dst);
  }
}

TEST_F(PlaceSearchOnTheForm, ShowsTheCandidatesAndTheZoneSuggestionInWords) {
  open("Varanasi", "Uttar Pradesh", "India", {1990, 8, 15, 6, 30, 0});
  ASSERT_EQ(list().topLevelItemCount(), 1);
  const QStringList row = {
      "Varanasi", "State of Uttar Pradesh", "India", "25° 19' N", "83° 01' E", "Asia/Kolkata"};
  for (int column = 0; column < row.size(); ++column) {
    EXPECT_EQ(list().topLevelItem(0)->text(column), row[column]);
  }
  EXPECT_EQ(label("lblZoneSuggestion"),
            QStringLiteral("Indian Time, IST, +5.3, no daylight saving on 15 August 1990"));
  EXPECT_TRUE(inDialog<QCheckBox>("chkSetZone").isChecked());
  EXPECT_EQ(inDialog<QCheckBox>("chkSetZone").text(), QStringLiteral("Also set the time zone"));
}

TEST_F(PlaceSearchOnTheForm, NothingIsFilledUnlessTheUserChooses) {
  const BirthData before = form.readBirthData();
  open("Varanasi", "UP", "India", {1990, 8, 15, 6, 30, 0});
  click("cmdCancel");
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(form.readBirthData(), before);
  EXPECT_EQ(formZone(), test::BirthEntry{}.zoneIndex);
}

TEST_F(PlaceSearchOnTheForm, UntickedZoneBoxLeavesTheZoneAlone) {
  open("Springfield", "Massachusetts", "", {1976, 7, 4, 6, 30, 0});
  inDialog<QCheckBox>("chkSetZone").setChecked(false);
  click("cmdUse");
  EXPECT_EQ(formText("txtLatD"), QStringLiteral("42"));
  EXPECT_EQ(formZone(), test::BirthEntry{}.zoneIndex);
  EXPECT_FALSE(formChecked("chkDST"));
}

TEST_F(PlaceSearchOnTheForm, AnOffsetWithoutARowLeavesTheZoneAlone) {
  open("Kathmandu", "", "Nepal", {1990, 8, 15, 12, 0, 0});
  EXPECT_EQ(label("lblZoneSuggestion"),
            QStringLiteral("No time zone in the list has +5:45, the standard time of "
                           "Asia/Kathmandu on 15 August 1990; the time zone on the form is "
                           "left as it is."));
  EXPECT_FALSE(inDialog<QCheckBox>("chkSetZone").isEnabled());
  click("cmdUse");
  EXPECT_EQ(formText("txtLatD"), QStringLiteral("27"));
  EXPECT_EQ(formZone(), test::BirthEntry{}.zoneIndex);
}

TEST_F(PlaceSearchOnTheForm, TypingSearchesAgainAndTheUserPicksARow) {
  open("x", "", "", {1976, 7, 4, 6, 30, 0});
  EXPECT_EQ(list().topLevelItemCount(), 0);
  EXPECT_FALSE(inDialog<QPushButton>("cmdUse").isEnabled());
  EXPECT_EQ(label("lblAtlasStatus"),
            QStringLiteral("No place in the atlas matches. Try \"Search the web\"."));

  auto& city = inDialog<QLineEdit>("txtPlaceCity");
  city.clear();
  QTest::keyClicks(&city, "spring");
  ASSERT_EQ(list().topLevelItemCount(), 2);
  EXPECT_EQ(label("lblAtlasStatus"), QStringLiteral("2 places match."));
  EXPECT_EQ(list().topLevelItem(0)->text(1), QStringLiteral("Missouri"));  // larger first

  list().setCurrentItem(list().topLevelItem(1));
  EXPECT_EQ(label("lblZoneSuggestion"),
            QStringLiteral("Eastern Standard Time,EST,-5.0, with daylight saving on 4 July 1976"));
  QTest::keyClick(&list(), Qt::Key_Return);  // the chosen row, not the first
  EXPECT_EQ(formText("txtMState"), QStringLiteral("Massachusetts"));
  EXPECT_EQ(formZone(), 27);
  EXPECT_TRUE(formChecked("chkDST"));
}

// A clock time that happened twice: the dialog asks which, and "Use" waits for the answer.
TEST_F(PlaceSearchOnTheForm, ARepeatedClockTimeAsksWhichReadingWasMeant) {
  struct Case {
    const char* reading;
    bool dst;
  };
  for (const Case& c : {Case{"optFoldFirst", true}, Case{"optFoldSecond", false}}) {
    SCOPED_TRACE(c.reading);
    open("Springfield", "Massachusetts", "", {2024, 11, 3, 1, 30, 0});
    EXPECT_EQ(label("lblZoneSuggestion"),
              QStringLiteral("The clocks showed 01:30:00 twice on 3 November 2024, when they "
                             "were put back. Which was the time of birth?"));
    EXPECT_EQ(inDialog<QRadioButton>("optFoldFirst").text(),
              QStringLiteral("The first: EDT -4:00, Eastern Standard Time,EST,-5.0 with "
                             "daylight saving"));
    EXPECT_EQ(inDialog<QRadioButton>("optFoldSecond").text(),
              QStringLiteral("The second: EST -5:00, Eastern Standard Time,EST,-5.0 without "
                             "daylight saving"));
    EXPECT_TRUE(inDialog<QRadioButton>("optFoldFirst").isVisible());
    EXPECT_FALSE(inDialog<QPushButton>("cmdUse").isEnabled());
    QTest::keyClick(&list(), Qt::Key_Return);  // nothing happens before the choice
    EXPECT_TRUE(dialog->isVisible());

    inDialog<QRadioButton>(c.reading).click();
    ASSERT_TRUE(inDialog<QPushButton>("cmdUse").isEnabled());
    click("cmdUse");
    EXPECT_EQ(formZone(), 27);
    EXPECT_EQ(formChecked("chkDST"), c.dst);
  }
}

TEST_F(PlaceSearchOnTheForm, ARepeatedClockTimeCanLeaveTheZoneAlone) {
  open("Varanasi", "", "", {1945, 10, 14, 23, 30, 0});
  EXPECT_FALSE(inDialog<QPushButton>("cmdUse").isEnabled());
  inDialog<QCheckBox>("chkSetZone").setChecked(false);
  ASSERT_TRUE(inDialog<QPushButton>("cmdUse").isEnabled());
  click("cmdUse");
  EXPECT_EQ(formText("txtLatD"), QStringLiteral("25"));
  EXPECT_EQ(formZone(), test::BirthEntry{}.zoneIndex);
}

TEST_F(PlaceSearchOnTheForm, AClockTimeThatHappenedOnceAsksNothing) {
  // The hour after the repeated one, and a skipped time, which stays refused.
  open("Springfield", "Massachusetts", "", {2024, 11, 3, 2, 30, 0});
  EXPECT_FALSE(inDialog<QRadioButton>("optFoldFirst").isVisible());
  EXPECT_TRUE(inDialog<QPushButton>("cmdUse").isEnabled());
  open("Springfield", "Massachusetts", "", {2024, 3, 10, 2, 30, 0});
  EXPECT_EQ(label("lblZoneSuggestion"),
            QStringLiteral("The clocks of America/New_York on 10 March 2024 skipped 02:30:00 "
                           "when they were put forward; the time zone on the form is left as "
                           "it is."));
  EXPECT_FALSE(inDialog<QRadioButton>("optFoldFirst").isVisible());
  EXPECT_FALSE(inDialog<QCheckBox>("chkSetZone").isEnabled());
}

TEST_F(PlaceSearchOnTheForm, APlaceFoundByAnotherNameShowsItsCurrentName) {
  std::promise<std::shared_ptr<const PlaceAtlas>> reading;
  reading.set_value(std::make_shared<const PlaceAtlas>(AtlasWithOtherNames(
      {{"Mumbai", "Maharashtra", "India", "IN", "Asia/Kolkata", 19.07283, 72.88261, 12691836}})));
  open("bombay", "", "", {1990, 8, 15, 6, 30, 0}, reading.get_future().share());
  ASSERT_EQ(list().topLevelItemCount(), 1);
  EXPECT_EQ(list().topLevelItem(0)->text(0), QStringLiteral("Bombay → Mumbai"));
  click("cmdUse");
  EXPECT_EQ(formText("txtMCity"), QStringLiteral("Mumbai"));
}

TEST_F(PlaceSearchOnTheForm, SearchTheWebUsesTheExactQueryText) {
  open("São Paulo", " ", "Brazil", {1990, 1, 1, 0, 0, 0});
  click("cmdSearchWeb");
  EXPECT_EQ(webQueries, QStringList{QStringLiteral("São Paulo   Brazil Latitude Longitude")});
  EXPECT_TRUE(dialog->isVisible());  // the user may still choose from the atlas
}

TEST_F(PlaceSearchOnTheForm, SearchesOnceTheAtlasHasBeenRead) {
  std::promise<std::shared_ptr<const PlaceAtlas>> reading;
  open("Varanasi", "", "", {1990, 8, 15, 6, 30, 0}, reading.get_future().share());
  EXPECT_EQ(label("lblAtlasStatus"), QStringLiteral("Reading the atlas of places…"));
  EXPECT_FALSE(inDialog<QPushButton>("cmdUse").isEnabled());

  reading.set_value(TestAtlas().get());
  EXPECT_TRUE(QTest::qWaitFor([this] { return list().topLevelItemCount() == 1; }, 5000));
  EXPECT_TRUE(inDialog<QPushButton>("cmdUse").isEnabled());
}

TEST_F(PlaceSearchOnTheForm, AFailedAtlasSaysSo) {
  std::promise<std::shared_ptr<const PlaceAtlas>> reading;
  reading.set_exception(
      std::make_exception_ptr(AtlasError("The system's atlas (libgeonames) holds no cities")));
  open("Varanasi", "", "", {1990, 8, 15, 6, 30, 0}, reading.get_future().share());
  EXPECT_EQ(label("lblAtlasStatus"),
            QStringLiteral("The atlas of places could not be read: The system's atlas "
                           "(libgeonames) holds no cities. Try \"Search the web\"."));
  EXPECT_FALSE(inDialog<QPushButton>("cmdUse").isEnabled());
}

// The whole road: the form's button, its checks, the dialog over the system's atlas, the
// birth moment from the form's lists, and the web search of the exact query.
TEST_F(PlaceSearchOnTheForm, TheFormsButtonOpensTheSearchOfTheSystemAtlas) {
  test::BirthEntry entry;
  entry.city = QStringLiteral("Varanasi");
  entry.state = QStringLiteral("Uttar Pradesh");
  entry.country = QStringLiteral("India");
  entry.zoneIndex = kDefaultTimeZoneIndex;
  entry.latDeg = entry.latMin = entry.lonDeg = entry.lonMin = QString();
  test::Enter(form, entry);
  Child<QPushButton>(form, QStringLiteral("cmdBrowser")).click();

  auto* opened = form.findChild<PlaceSearchDialog*>();
  ASSERT_NE(opened, nullptr);
  QTreeWidget& places = Child<QTreeWidget>(*opened, QStringLiteral("lstPlaces"));
  ASSERT_TRUE(QTest::qWaitFor([&places] { return places.topLevelItemCount() > 0; }, 20000));
  EXPECT_EQ(Child<QLabel>(*opened, QStringLiteral("lblZoneSuggestion")).text(),
            QStringLiteral("Indian Time, IST, +5.3, no daylight saving on 15 August 1990"));

  {
    test::OpenedPages pages;
    Child<QPushButton>(*opened, QStringLiteral("cmdSearchWeb")).click();
    ASSERT_EQ(pages.urls.size(), 1u);
    EXPECT_EQ(QUrlQuery(pages.urls[0]).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
              QStringLiteral("Varanasi Uttar Pradesh India Latitude Longitude"));
  }

  Child<QPushButton>(*opened, QStringLiteral("cmdUse")).click();
  EXPECT_EQ(formText("txtLatD"), QStringLiteral("25"));
  EXPECT_EQ(formText("txtLatM"), QStringLiteral("19"));
  EXPECT_EQ(formText("txtLonD"), QStringLiteral("83"));
  EXPECT_EQ(formText("txtLonM"), QStringLiteral("1"));
  EXPECT_EQ(formText("txtMState"), QStringLiteral("State of Uttar Pradesh"));
  EXPECT_EQ(formZone(), 34);
  EXPECT_FALSE(formChecked("chkDST"));
}

TEST_F(PlaceSearchOnTheForm, TheChecksComeBeforeTheSearch) {
  test::RecordedMessages boxes;
  Child<QLineEdit>(form, QStringLiteral("txtMState")).clear();
  Child<QPushButton>(form, QStringLiteral("cmdBrowser")).click();
  ASSERT_EQ(boxes.messages.size(), 1u);
  EXPECT_EQ(boxes.messages[0].text, QStringLiteral("Please Enter State"));
  EXPECT_EQ(form.findChild<PlaceSearchDialog*>(), nullptr);
}

}  // namespace
}  // namespace velquor
