// The place look-up behind the form's "Click for Latitude && Longitude" button: it is handed
// the place query and helps the user to the latitude and longitude. The form reads nothing
// back: the atlas search (atlas_place_search.h) fills the form's boxes itself when the user
// chooses a place, the web search leaves the typing to the user.
#pragma once

#include <QString>
#include <QUrl>

namespace velquor {

class PlaceSearch {
 public:
  virtual ~PlaceSearch() = default;
  // `query`: city, state and country followed by " Latitude Longitude". `homePage`: the
  // maker's home page, for a look-up that shows its own page. Throws std::runtime_error
  // when the look-up cannot be shown.
  virtual void search(const QString& query, const QUrl& homePage) = 0;
};

// The first look-up: a web search for the query in the default browser. The address is the
// build setting VELQUOR_PLACE_SEARCH_URL followed by the URL-encoded query.
class WebPlaceSearch final : public PlaceSearch {
 public:
  void search(const QString& query, const QUrl& homePage) override;
};

// The search address for a query (exposed for tests).
QUrl WebSearchUrl(const QString& query);

}  // namespace velquor
