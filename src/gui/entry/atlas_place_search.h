// The form's place look-up: the place-search dialog over the offline atlas, with the web
// search for places the atlas lacks.
#pragma once

#include "gui/entry/place_search.h"

namespace velquor {

class BirthForm;

class AtlasPlaceSearch final : public PlaceSearch {
 public:
  explicit AtlasPlaceSearch(BirthForm& form) : form_(form) {}

  // Opens the dialog over the form, window-modal, searching the city, state and country as
  // typed; its zone suggestion is for the birth date and time on the form. The query is
  // what "Search the web" looks for while the dialog's boxes are unchanged.
  void search(const QString& query, const QUrl& homePage) override;

 private:
  BirthForm& form_;
};

}  // namespace velquor
