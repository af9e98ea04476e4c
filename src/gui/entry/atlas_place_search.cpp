#include "gui/entry/atlas_place_search.h"

#include <stdexcept>
#include <string>

#include "gui/entry/frm_main.h"
#include "gui/entry/place_search_dialog.h"
#include "places/system_atlas.h"
#include "chart/validation.h"

namespace velquor {

namespace {

int NumberOf(const std::string& text, const char* what) {
  const std::optional<int> number = LeadingNumber(text);
  if (!number) throw std::invalid_argument(std::string("the birth ") + what + " is not a number");
  return *number;
}

LocalMoment BirthMomentOf(const BirthForm& form) {
  return {NumberOf(form.yearText, "year"), form.monthIndex + 1, form.dateIndex + 1,
          NumberOf(form.hourText, "hour"), NumberOf(form.minuteText, "minute"),
          NumberOf(form.secondText, "second")};
}

}  // namespace

void AtlasPlaceSearch::search(const QString& /*query: the dialog builds it from its boxes*/,
                              const QUrl& homePage) {
  const BirthForm typed = form_.readForm();
  const PlaceSearchRequest request{QString::fromStdString(typed.city),
                                   QString::fromStdString(typed.state),
                                   QString::fromStdString(typed.country), BirthMomentOf(typed)};
  auto* dialog = new PlaceSearchDialog(
      SystemAtlas(), request, PlaceFormFields::FindIn(&form_),
      [homePage](const QString& query) { WebPlaceSearch().search(query, homePage); }, &form_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

}  // namespace velquor
