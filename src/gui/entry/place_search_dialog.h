// The place search: looks the place typed on the birth-data form up in the offline atlas,
// lists the candidates with their coordinates and time zones, suggests the form's time zone
// for the birth moment, and fills the form only when the user presses "Use". Places the
// atlas lacks can be searched on the web.
#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "astro/date_time.h"
#include "gui/entry/place_form_fields.h"
#include "places/place_atlas.h"
#include "places/system_atlas.h"
#include "places/zone_suggestion.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace velquor {

struct PlaceSearchRequest {
  QString city, state, country;  // as typed on the form
  LocalDateTime birth;           // the form's birth date and clock time
};

class PlaceSearchDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens the web search for the query text of the dialog's city, state and country.
  using WebSearch = std::function<void(const QString& query)>;

  // The atlas may still be being read; the dialog searches as soon as it is ready.
  PlaceSearchDialog(SharedAtlas atlas, const PlaceSearchRequest& request,
                    const PlaceFormFields& form, WebSearch webSearch, QWidget* parent = nullptr);

  // Most places listed at once; the status says how many more matched.
  static constexpr std::size_t kMaxListed = 100;

 private:
  void buildWidgets(const PlaceSearchRequest& request);
  void atlasReady();
  void search();
  void showSuggestion();
  void useSelectedPlace();
  void searchWeb();
  void updateUse();
  const Place* selectedPlace() const;
  // The reading whose row "Use" sets: the suggestion, or for a clock time that happened
  // twice the reading the user chose; null when there is none (yet).
  const ZoneSuggestion* chosenReading() const;

  SharedAtlas atlas_;
  const PlaceAtlas* readyAtlas_ = nullptr;  // set once the atlas has been read
  QFutureWatcher<void> atlasWatcher_;
  LocalDateTime birth_;
  PlaceFormFields form_;
  WebSearch webSearch_;
  std::vector<const Place*> listed_;          // the rows of the list, in order
  std::vector<std::string_view> listedAs_;    // the other name each was found by, or empty
  std::optional<ZoneSuggestion> suggestion_;  // for the selected place

  QLineEdit* txtPlaceCity_ = nullptr;
  QLineEdit* txtPlaceState_ = nullptr;
  QLineEdit* txtPlaceCountry_ = nullptr;
  QTreeWidget* lstPlaces_ = nullptr;
  QLabel* lblAtlasStatus_ = nullptr;
  QLabel* lblZoneSuggestion_ = nullptr;
  QCheckBox* chkSetZone_ = nullptr;
  QRadioButton* optFoldFirst_ = nullptr;  // the readings of a clock time that happened twice
  QRadioButton* optFoldSecond_ = nullptr;
  QPushButton* cmdUse_ = nullptr;
};

}  // namespace velquor
