#include "gui/entry/atlas_place_search.h"

#include "chart/birth_data.h"
#include "chart/birth_instant.h"
#include "gui/entry/birth_form.h"
#include "gui/entry/place_search_dialog.h"
#include "places/system_atlas.h"

namespace velquor {

void AtlasPlaceSearch::search(const QString& /*query: the dialog builds it from its boxes*/,
                              const QUrl& homePage) {
  const BirthData typed = form_.readBirthData();
  const PlaceSearchRequest request{QString::fromStdString(typed.cityText),
                                   QString::fromStdString(typed.stateText),
                                   QString::fromStdString(typed.countryText), BirthMomentOf(typed)};
  auto* dialog = new PlaceSearchDialog(
      SystemAtlas(), request, PlaceFormFields::FindIn(&form_),
      [homePage](const QString& query) { WebPlaceSearch().search(query, homePage); }, &form_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

}  // namespace velquor
