#include "gui/entry/place_form_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <stdexcept>

namespace velquor {

namespace {

template <typename Widget>
Widget* Find(QWidget* form, const char* name) {
  auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) {
    throw std::logic_error(std::string("The birth-data form has no ") + name);
  }
  return widget;
}

}  // namespace

PlaceFormFields PlaceFormFields::FindIn(QWidget* form) {
  return {Find<QLineEdit>(form, "txtMCity"),     Find<QLineEdit>(form, "txtMState"),
          Find<QLineEdit>(form, "txtMCountry"),  Find<QLineEdit>(form, "txtLatD"),
          Find<QLineEdit>(form, "txtLatM"),      Find<QRadioButton>(form, "optLat_0"),
          Find<QRadioButton>(form, "optLat_1"),  Find<QLineEdit>(form, "txtLonD"),
          Find<QLineEdit>(form, "txtLonM"),      Find<QRadioButton>(form, "optLong_0"),
          Find<QRadioButton>(form, "optLong_1"), Find<QComboBox>(form, "cmbTimeZone"),
          Find<QCheckBox>(form, "chkDST")};
}

}  // namespace velquor
