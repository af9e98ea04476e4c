#include "gui/entry/place_search_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>

#include "chart/validation.h"
#include "gui/common/named_widget.h"
#include "places/place_coordinates.h"

namespace velquor {

namespace {

enum Column { kCity, kState, kCountry, kLatitude, kLongitude, kZone, kColumnCount };

QString Text(const std::string& text) { return QString::fromStdString(text); }

// "25° 19' N": the place's coordinate as the form will hold it.
QString AngleText(double degrees, QChar positive, QChar negative) {
  const DegreesMinutes angle = RoundToMinute(degrees);
  return QStringLiteral("%1° %2' %3")
      .arg(angle.degrees)
      .arg(angle.minutes, 2, 10, QLatin1Char('0'))
      .arg(angle.negative ? negative : positive);
}

QString MatchCountText(const PlaceSearchResult& result) {
  if (result.totalMatches == 0) {
    return QStringLiteral("No place in the atlas matches. Try \"Search the web\".");
  }
  QString text = result.totalMatches == 1
                     ? QStringLiteral("1 place matches.")
                     : QStringLiteral("%1 places match.").arg(result.totalMatches);
  if (result.matches.size() < result.totalMatches) {
    text = QStringLiteral("%1 places match; the first %2 are listed.")
               .arg(result.totalMatches)
               .arg(result.matches.size());
  }
  for (const std::string& region : result.unmatchedRegions) {
    text += QStringLiteral(" None of them lies in \"%1\", so it was left out.").arg(Text(region));
  }
  return text;
}

}  // namespace

PlaceSearchDialog::PlaceSearchDialog(SharedAtlas atlas, const PlaceSearchRequest& request,
                                     const PlaceFormFields& form, WebSearch webSearch,
                                     QWidget* parent)
    : QDialog(parent),
      atlas_(std::move(atlas)),
      birth_(request.birth),
      form_(form),
      webSearch_(std::move(webSearch)) {
  setObjectName(QStringLiteral("frmPlaceSearch"));
  setWindowTitle(QStringLiteral("Find Latitude and Longitude"));
  buildWidgets(request);

  if (atlas_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
    atlasReady();
    return;
  }
  lblAtlasStatus_->setText(QStringLiteral("Reading the atlas of places…"));
  connect(&atlasWatcher_, &QFutureWatcher<void>::finished, this, &PlaceSearchDialog::atlasReady);
  // The reading runs on a thread of its own; this only waits for it off the interface thread.
  atlasWatcher_.setFuture(QtConcurrent::run([pending = atlas_] { pending.wait(); }));
}

void PlaceSearchDialog::buildWidgets(const PlaceSearchRequest& request) {
  txtPlaceCity_ = Named<QLineEdit>("txtPlaceCity", request.city);
  txtPlaceState_ = Named<QLineEdit>("txtPlaceState", request.state);
  txtPlaceCountry_ = Named<QLineEdit>("txtPlaceCountry", request.country);
  auto* query = new QGridLayout;
  const std::pair<const char*, QLineEdit*> boxes[] = {
      {"City", txtPlaceCity_}, {"State", txtPlaceState_}, {"Country", txtPlaceCountry_}};
  int column = 0;
  for (const auto& [caption, box] : boxes) {
    auto* label = new QLabel(QString::fromLatin1(caption));
    label->setBuddy(box);
    query->addWidget(label, 0, column++);
    query->addWidget(box, 0, column);
    query->setColumnStretch(column++, 1);
    connect(box, &QLineEdit::textChanged, this, &PlaceSearchDialog::search);
  }

  lstPlaces_ = Named<QTreeWidget>("lstPlaces");
  lstPlaces_->setColumnCount(kColumnCount);
  lstPlaces_->setHeaderLabels({QStringLiteral("City"), QStringLiteral("State"),
                               QStringLiteral("Country"), QStringLiteral("Latitude"),
                               QStringLiteral("Longitude"), QStringLiteral("Time zone")});
  lstPlaces_->setRootIsDecorated(false);
  lstPlaces_->setUniformRowHeights(true);
  lstPlaces_->setAllColumnsShowFocus(true);
  lstPlaces_->header()->setStretchLastSection(false);
  lstPlaces_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  lstPlaces_->header()->setSectionResizeMode(kState, QHeaderView::Stretch);
  connect(lstPlaces_, &QTreeWidget::currentItemChanged, this, &PlaceSearchDialog::showSuggestion);
  connect(lstPlaces_, &QTreeWidget::itemActivated, this, &PlaceSearchDialog::useSelectedPlace);

  lblAtlasStatus_ = Named<QLabel>("lblAtlasStatus");
  lblAtlasStatus_->setWordWrap(true);

  lblZoneSuggestion_ = Named<QLabel>("lblZoneSuggestion");
  lblZoneSuggestion_->setWordWrap(true);
  chkSetZone_ = Named<QCheckBox>("chkSetZone", QStringLiteral("Also set the time zone"));
  chkSetZone_->setChecked(true);
  connect(chkSetZone_, &QCheckBox::toggled, this, &PlaceSearchDialog::updateUse);
  optFoldFirst_ = Named<QRadioButton>("optFoldFirst");
  optFoldSecond_ = Named<QRadioButton>("optFoldSecond");
  auto* zone = Named<QGroupBox>("fraZoneSuggestion", QStringLiteral("Time zone at birth"));
  auto* zoneLayout = new QVBoxLayout(zone);
  zoneLayout->addWidget(lblZoneSuggestion_);
  for (QRadioButton* reading : {optFoldFirst_, optFoldSecond_}) {
    reading->setVisible(false);
    connect(reading, &QRadioButton::toggled, this, &PlaceSearchDialog::updateUse);
    zoneLayout->addWidget(reading);
  }
  zoneLayout->addWidget(chkSetZone_);

  auto* cmdSearchWeb = Named<QPushButton>("cmdSearchWeb", QStringLiteral("Search the web"));
  cmdUse_ = Named<QPushButton>("cmdUse", QStringLiteral("Use"));
  cmdUse_->setDefault(true);
  auto* cmdCancel = Named<QPushButton>("cmdCancel", QStringLiteral("Cancel"));
  connect(cmdSearchWeb, &QPushButton::clicked, this, &PlaceSearchDialog::searchWeb);
  connect(cmdUse_, &QPushButton::clicked, this, &PlaceSearchDialog::useSelectedPlace);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdSearchWeb);
  buttons->addStretch();
  buttons->addWidget(cmdUse_);
  buttons->addWidget(cmdCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(query);
  layout->addWidget(lstPlaces_, 1);
  layout->addWidget(lblAtlasStatus_);
  layout->addWidget(zone);
  layout->addLayout(buttons);
  resize(820, 460);
  showSuggestion();
}

void PlaceSearchDialog::atlasReady() {
  try {
    readyAtlas_ = atlas_.get().get();
  } catch (const std::exception& error) {
    lblAtlasStatus_->setText(
        QStringLiteral("The atlas of places could not be read: %1. Try \"Search the web\".")
            .arg(QString::fromUtf8(error.what())));
    return;
  }
  search();
}

void PlaceSearchDialog::search() {
  if (readyAtlas_ == nullptr) return;  // searched again once the atlas is read
  const PlaceQuery query{
      txtPlaceCity_->text().toStdString(),
      {txtPlaceState_->text().toStdString(), txtPlaceCountry_->text().toStdString()}};
  const PlaceSearchResult result = readyAtlas_->Search(query, kMaxListed);

  lstPlaces_->clear();
  listed_.clear();
  listedAs_.clear();
  for (const PlaceMatch& match : result.matches) {
    listed_.push_back(match.place);
    listedAs_.push_back(match.otherName);
  }
  for (std::size_t i = 0; i < listed_.size(); ++i) {
    const Place* place = listed_[i];
    auto* item = new QTreeWidgetItem(lstPlaces_);
    item->setText(kCity, listedAs_[i].empty()
                             ? Text(place->city)
                             : QStringLiteral("%1 → %2").arg(
                                   QString::fromUtf8(listedAs_[i].data(),
                                                     static_cast<qsizetype>(listedAs_[i].size())),
                                   Text(place->city)));
    item->setText(kState, Text(place->state));
    item->setText(kCountry, Text(place->country));
    item->setText(kLatitude, AngleText(place->latitude, u'N', u'S'));
    item->setText(kLongitude, AngleText(place->longitude, u'E', u'W'));
    item->setText(kZone, Text(place->timeZone));
  }
  lblAtlasStatus_->setText(query.city.find_first_not_of(' ') == std::string::npos
                               ? QStringLiteral("Type a city to search the atlas.")
                               : MatchCountText(result));
  if (!listed_.empty()) lstPlaces_->setCurrentItem(lstPlaces_->topLevelItem(0));
  showSuggestion();
}

const Place* PlaceSearchDialog::selectedPlace() const {
  const int row = lstPlaces_->indexOfTopLevelItem(lstPlaces_->currentItem());
  return row >= 0 ? listed_[static_cast<std::size_t>(row)] : nullptr;
}

void PlaceSearchDialog::showSuggestion() {
  const Place* place = selectedPlace();
  for (QRadioButton* reading : {optFoldFirst_, optFoldSecond_}) {
    // Unchecked, so that the user chooses again for each place.
    reading->setAutoExclusive(false);
    reading->setChecked(false);
    reading->setAutoExclusive(true);
    reading->setVisible(false);
  }
  if (place == nullptr) {
    suggestion_.reset();
    lblZoneSuggestion_->setText(QStringLiteral("Choose a place to see its time zone."));
    chkSetZone_->setEnabled(false);
    updateUse();
    return;
  }
  suggestion_ = SuggestZone(place->timeZone, birth_);
  if (suggestion_->outcome == ZoneSuggestion::Outcome::RepeatedClockTime) {
    lblZoneSuggestion_->setText(
        QStringLiteral("The clocks showed %1 twice on %2, when they were put back. "
                       "Which was the time of birth?")
            .arg(QStringLiteral("%1:%2:%3")
                     .arg(birth_.hour, 2, 10, QLatin1Char('0'))
                     .arg(birth_.minute, 2, 10, QLatin1Char('0'))
                     .arg(birth_.second, 2, 10, QLatin1Char('0')),
                 Text(DateText(birth_.year, birth_.month, birth_.day))));
    optFoldFirst_->setText(QStringLiteral("The first: ") +
                           Text(ReadingText(suggestion_->readings[0])));
    optFoldSecond_->setText(QStringLiteral("The second: ") +
                            Text(ReadingText(suggestion_->readings[1])));
    optFoldFirst_->setVisible(true);
    optFoldSecond_->setVisible(true);
    chkSetZone_->setEnabled(true);
    updateUse();
    return;
  }
  const bool hasRow = suggestion_->row.has_value();
  lblZoneSuggestion_->setText(
      hasRow ? Text(suggestion_->text)
             : Text(suggestion_->text) +
                   QStringLiteral("; the time zone on the form is left as it is."));
  chkSetZone_->setEnabled(hasRow);
  updateUse();
}

const ZoneSuggestion* PlaceSearchDialog::chosenReading() const {
  if (!suggestion_) return nullptr;
  if (suggestion_->outcome != ZoneSuggestion::Outcome::RepeatedClockTime) {
    return suggestion_->row ? &*suggestion_ : nullptr;
  }
  const ZoneSuggestion* chosen = nullptr;
  if (optFoldFirst_->isChecked()) chosen = &suggestion_->readings[0];
  if (optFoldSecond_->isChecked()) chosen = &suggestion_->readings[1];
  return chosen != nullptr && chosen->row ? chosen : nullptr;
}

// "Use" waits for the user's choice between the readings of a repeated clock time, unless
// the zone is to be left alone.
void PlaceSearchDialog::updateUse() {
  const bool repeated =
      suggestion_ && suggestion_->outcome == ZoneSuggestion::Outcome::RepeatedClockTime;
  const bool waitsForChoice = repeated && chkSetZone_->isChecked() && !optFoldFirst_->isChecked() &&
                              !optFoldSecond_->isChecked();
  cmdUse_->setEnabled(selectedPlace() != nullptr && !waitsForChoice);
}

void PlaceSearchDialog::useSelectedPlace() {
  const Place* place = selectedPlace();
  if (place == nullptr || !cmdUse_->isEnabled()) return;
  const DegreesMinutes latitude = RoundToMinute(place->latitude);
  const DegreesMinutes longitude = RoundToMinute(place->longitude);
  form_.latDegrees->setText(QString::number(latitude.degrees));
  form_.latMinutes->setText(QString::number(latitude.minutes));
  (latitude.negative ? form_.south : form_.north)->setChecked(true);
  form_.lonDegrees->setText(QString::number(longitude.degrees));
  form_.lonMinutes->setText(QString::number(longitude.minutes));
  (longitude.negative ? form_.west : form_.east)->setChecked(true);
  form_.city->setText(Text(place->city));
  form_.state->setText(Text(place->state));
  form_.country->setText(Text(place->country));
  const ZoneSuggestion* reading = chosenReading();
  if (chkSetZone_->isChecked() && reading != nullptr) {
    form_.zone->setCurrentIndex(*reading->row);
    form_.daylightSaving->setChecked(reading->daylightSaving);
  }
  accept();
}

void PlaceSearchDialog::searchWeb() {
  BirthData place;
  place.cityText = txtPlaceCity_->text().toStdString();
  place.stateText = txtPlaceState_->text().toStdString();
  place.countryText = txtPlaceCountry_->text().toStdString();
  try {
    webSearch_(Text(PlaceQueryText(place)));
  } catch (const std::exception& error) {
    lblAtlasStatus_->setText(QStringLiteral("The web search could not be opened: %1.")
                                 .arg(QString::fromUtf8(error.what())));
  }
}

}  // namespace velquor
