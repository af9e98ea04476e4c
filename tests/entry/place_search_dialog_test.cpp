#include "entry/place_search_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <future>
#include <memory>

#include "entry/time_zones.h"

namespace velquor {
namespace {

// The boxes of the birth-data form under their names, as the place search finds them.
class FormStandIn : public QWidget {
 public:
  FormStandIn() {
    auto* layout = new QVBoxLayout(this);
    for (const char* name : {"txtMCity", "txtMState", "txtMCountry", "txtLatD", "txtLatM",
                             "txtLonD", "txtLonM"}) {
      layout->addWidget(Named(name, new QLineEdit));
    }
    for (const char* group : {"optLat", "optLong"}) {
      auto* box = new QWidget;  // each pair of option buttons is exclusive within its parent
      auto* pair = new QVBoxLayout(box);
      for (int i = 0; i < 2; ++i) {
        pair->addWidget(Named(QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(i),
                              new QRadioButton));
      }
      box->findChildren<QRadioButton*>().front()->setChecked(true);
      layout->addWidget(box);
    }
    auto* zone = Named("cmbTimeZone", new QComboBox);
    for (const auto& row : TimeZoneTable()) zone->addItem(QString::fromLatin1(row.label.data(), static_cast<qsizetype>(row.label.size())));
    zone->setCurrentIndex(kDefaultTimeZoneIndex);
    layout->addWidget(zone);
    layout->addWidget(Named("chkDST", new QCheckBox));
  }

  QString text(const char* name) const { return findChild<QLineEdit*>(QLatin1String(name))->text(); }
  bool checked(const char* name) const {
    return findChild<QAbstractButton*>(QLatin1String(name))->isChecked();
  }
  int zoneIndex() const { return findChild<QComboBox*>(QStringLiteral("cmbTimeZone"))->currentIndex(); }

 private:
  template <typename Widget>
  static Widget* Named(const QString& name, Widget* widget) {
    widget->setObjectName(name);
    return widget;
  }
  template <typename Widget>
  static Widget* Named(const char* name, Widget* widget) {
    return Named(QString::fromLatin1(name), widget);
  }
};

SharedAtlas ReadyAtlas(std::vector<Place> places) {
  std::promise<std::shared_ptr<const PlaceAtlas>> promise;
  promise.set_value(std::make_shared<const PlaceAtlas>(std::move(places)));
  return promise.get_future().share();
}

SharedAtlas TestAtlas() {
  return ReadyAtlas({
      {"Varanasi", "State of Uttar Pradesh", "India", "IN", "Asia/Kolkata", 25.31668, 83.01041, 1164404},
      {"Kathmandu", "Bagmati Province", "Nepal", "NP", "Asia/Kathmandu", 27.70169, 85.3206, 1442271},
      {"São Paulo", "São Paulo", "Brazil", "BR", "America/Sao_Paulo", -23.5475, -46.63611, 10021295},
      {"Springfield", "Missouri", "United States of America", "US", "America/Chicago", 37.21533, -93.29824, 166810},
      {"Springfield", "Massachusetts", "United States of America", "US", "America/New_York", 42.10148, -72.58981, 154341},
      // On a minute's edge: 40° 59.9994' rounds to 41° 0'.
      {"Edgeton", "Nowhere", "Testland", "TL", "America/New_York", 40.99999, -73.99999, 1000},
  });
}

class PlaceSearchDialogTest : public ::testing::Test {
 protected:
  // Opens the dialog over the stand-in form as cmdBrowser would, with the form's place and
  // birth moment.
  void open(const QString& city, const QString& state, const QString& country,
            LocalMoment birth, SharedAtlas atlas = TestAtlas()) {
    dialog = std::make_unique<PlaceSearchDialog>(
        std::move(atlas), PlaceSearchRequest{city, state, country, birth},
        PlaceFormFields::FindIn(&form),
        [this](const QString& query) { webQueries << query; });
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  }

  template <typename Widget>
  Widget* child(const char* name) const {
    auto* widget = dialog->findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString label(const char* name) const { return child<QLabel>(name)->text(); }
  QTreeWidget* list() const { return child<QTreeWidget>("lstPlaces"); }
  void click(const char* button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

  FormStandIn form;
  std::unique_ptr<PlaceSearchDialog> dialog;
  QStringList webQueries;
};

TEST_F(PlaceSearchDialogTest, UseFillsThePlaceTheCoordinatesAndTheZone) {
  struct Case {
    QString city, state, country;
    LocalMoment birth;
    const char *latD, *latM, *latChoice, *lonD, *lonM, *lonChoice;
    QString cityFilled;
    int zoneIndex;
    bool dst;
  };
  const Case cases[] = {
      {"varanasi", "UP", "India", {1990, 8, 15, 6, 30, 0}, "25", "19", "optLat_0", "83", "1",
       "optLong_0", "Varanasi", 34, false},
      // Southern summer: Brazil kept daylight saving in January 1990.
      {"Sao Paulo", "", "", {1990, 1, 15, 12, 0, 0}, "23", "33", "optLat_1", "46", "38",
       "optLong_1", "São Paulo", 14, true},
      {"Springfield", "Massachusetts", "USA", {1976, 7, 4, 6, 30, 0}, "42", "6", "optLat_0",
       "72", "35", "optLong_1", "Springfield", 27, true},
      {"Edgeton", "", "", {1976, 1, 15, 6, 30, 0}, "41", "0", "optLat_0", "74", "0",
       "optLong_1", "Edgeton", 27, false},
  };
  for (const auto& c : cases) {
    open(c.city, c.state, c.country, c.birth);
    click("cmdUse");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(form.text("txtLatD"), c.latD) << c.city.toStdString();
    EXPECT_EQ(form.text("txtLatM"), c.latM) << c.city.toStdString();
    EXPECT_TRUE(form.checked(c.latChoice)) << c.city.toStdString();
    EXPECT_EQ(form.text("txtLonD"), c.lonD) << c.city.toStdString();
    EXPECT_EQ(form.text("txtLonM"), c.lonM) << c.city.toStdString();
    EXPECT_TRUE(form.checked(c.lonChoice)) << c.city.toStdString();
    EXPECT_EQ(form.text("txtMCity"), c.cityFilled);
    EXPECT_EQ(form.zoneIndex(), c.zoneIndex) << c.city.toStdString();
    EXPECT_EQ(form.checked("chkDST"), c.dst) << c.city.toStdString();
  }
}

TEST_F(PlaceSearchDialogTest, ShowsTheZoneSuggestionInWords) {
  open("Varanasi", "Uttar Pradesh", "India", {1990, 8, 15, 6, 30, 0});
  EXPECT_EQ(list()->topLevelItemCount(), 1);
  EXPECT_EQ(list()->topLevelItem(0)->text(3), QStringLiteral("25° 19' N"));
  EXPECT_EQ(list()->topLevelItem(0)->text(4), QStringLiteral("83° 01' E"));
  EXPECT_EQ(label("lblZoneSuggestion"),
            QStringLiteral("Indian Time, IST, +5.3, no daylight saving on 15 August 1990"));
  EXPECT_TRUE(child<QCheckBox>("chkSetZone")->isChecked());
  EXPECT_EQ(child<QCheckBox>("chkSetZone")->text(), QStringLiteral("Also set the time zone"));
}

TEST_F(PlaceSearchDialogTest, NothingIsFilledUnlessTheUserChooses) {
  open("Varanasi", "UP", "India", {1990, 8, 15, 6, 30, 0});
  click("cmdCancel");
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(form.text("txtLatD"), QString());
  EXPECT_EQ(form.text("txtMCity"), QString());
  EXPECT_EQ(form.zoneIndex(), kDefaultTimeZoneIndex);
}

TEST_F(PlaceSearchDialogTest, UntickedZoneBoxLeavesTheZoneAlone) {
  open("Springfield", "Massachusetts", "", {1976, 7, 4, 6, 30, 0});
  child<QCheckBox>("chkSetZone")->setChecked(false);
  click("cmdUse");
  EXPECT_EQ(form.text("txtLatD"), QStringLiteral("42"));
  EXPECT_EQ(form.zoneIndex(), kDefaultTimeZoneIndex);
  EXPECT_FALSE(form.checked("chkDST"));
}

TEST_F(PlaceSearchDialogTest, AnOffsetWithoutARowLeavesTheZoneAlone) {
  open("Kathmandu", "", "Nepal", {1990, 8, 15, 12, 0, 0});
  EXPECT_EQ(label("lblZoneSuggestion"),
            QStringLiteral("No time zone in the list has +5:45, the standard time of "
                           "Asia/Kathmandu on 15 August 1990; the time zone on the form is "
                           "left as it is."));
  EXPECT_FALSE(child<QCheckBox>("chkSetZone")->isEnabled());
  click("cmdUse");
  EXPECT_EQ(form.text("txtLatD"), QStringLiteral("27"));
  EXPECT_EQ(form.zoneIndex(), kDefaultTimeZoneIndex);
}

TEST_F(PlaceSearchDialogTest, TypingSearchesAgainAndTheUserPicksARow) {
  open("x", "", "", {1976, 7, 4, 6, 30, 0});
  EXPECT_EQ(list()->topLevelItemCount(), 0);
  EXPECT_FALSE(child<QPushButton>("cmdUse")->isEnabled());
  EXPECT_EQ(label("lblAtlasStatus"),
            QStringLiteral("No place in the atlas matches. Try \"Search the web\"."));

  auto* city = child<QLineEdit>("txtPlaceCity");
  city->clear();
  QTest::keyClicks(city, "spring");
  ASSERT_EQ(list()->topLevelItemCount(), 2);
  EXPECT_EQ(label("lblAtlasStatus"), QStringLiteral("2 places match."));
  EXPECT_EQ(list()->topLevelItem(0)->text(1), QStringLiteral("Missouri"));  // larger first

  list()->setCurrentItem(list()->topLevelItem(1));
  EXPECT_EQ(label("lblZoneSuggestion"),
            QStringLiteral("Eastern Standard Time,EST,-5.0, with daylight saving on 4 July 1976"));
  QTest::keyClick(list(), Qt::Key_Return);  // the chosen row, not the first
  EXPECT_EQ(form.text("txtMState"), QStringLiteral("Massachusetts"));
  EXPECT_EQ(form.zoneIndex(), 27);
  EXPECT_TRUE(form.checked("chkDST"));
}

TEST_F(PlaceSearchDialogTest, RegionsTheAtlasLacksAreSaid) {
  open("Springfield", "Narnia", "", {1990, 1, 1, 0, 0, 0});
  EXPECT_EQ(label("lblAtlasStatus"),
            QStringLiteral("2 places match. None of them lies in \"Narnia\", so it was left out."));
}

TEST_F(PlaceSearchDialogTest, SearchTheWebUsesTheExactQueryText) {
  open("São Paulo", " ", "Brazil", {1990, 1, 1, 0, 0, 0});
  click("cmdSearchWeb");
  EXPECT_EQ(webQueries, QStringList{QStringLiteral("São Paulo   Brazil Latitude Longitude")});
  EXPECT_TRUE(dialog->isVisible());  // the user may still choose from the atlas
}

TEST_F(PlaceSearchDialogTest, SearchesOnceTheAtlasHasBeenRead) {
  std::promise<std::shared_ptr<const PlaceAtlas>> reading;
  open("Varanasi", "", "", {1990, 8, 15, 6, 30, 0}, reading.get_future().share());
  EXPECT_EQ(label("lblAtlasStatus"), QStringLiteral("Reading the atlas of places…"));
  EXPECT_FALSE(child<QPushButton>("cmdUse")->isEnabled());

  reading.set_value(TestAtlas().get());
  EXPECT_TRUE(QTest::qWaitFor([this] { return list()->topLevelItemCount() == 1; }, 5000));
  EXPECT_TRUE(child<QPushButton>("cmdUse")->isEnabled());
}

TEST_F(PlaceSearchDialogTest, AFailedAtlasSaysSo) {
  std::promise<std::shared_ptr<const PlaceAtlas>> reading;
  reading.set_exception(std::make_exception_ptr(AtlasError("The system's atlas (libgeonames) holds no cities")));
  open("Varanasi", "", "", {1990, 8, 15, 6, 30, 0}, reading.get_future().share());
  EXPECT_EQ(label("lblAtlasStatus"),
            QStringLiteral("The atlas of places could not be read: The system's atlas "
                           "(libgeonames) holds no cities. Try \"Search the web\"."));
  EXPECT_FALSE(child<QPushButton>("cmdUse")->isEnabled());
}

TEST_F(PlaceSearchDialogTest, FindsPlacesInTheSystemAtlas) {
  open("New Delhi", "Delhi", "India", {1990, 8, 15, 6, 30, 0}, SystemAtlas());
  ASSERT_TRUE(QTest::qWaitFor([this] { return list()->topLevelItemCount() > 0; }, 20000));
  EXPECT_EQ(list()->topLevelItem(0)->text(0), QStringLiteral("New Delhi"));
  click("cmdUse");
  EXPECT_EQ(form.text("txtLatD"), QStringLiteral("28"));
  EXPECT_EQ(form.text("txtLonD"), QStringLiteral("77"));
  EXPECT_EQ(form.zoneIndex(), 34);
}

}  // namespace
}  // namespace velquor
