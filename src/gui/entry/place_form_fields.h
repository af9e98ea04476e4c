// The boxes of the birth-data form that a place chosen in the place search fills.
#pragma once

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace velquor {

struct PlaceFormFields {
  QLineEdit* city;            // txtMCity
  QLineEdit* state;           // txtMState
  QLineEdit* country;         // txtMCountry
  QLineEdit* latDegrees;      // txtLatD
  QLineEdit* latMinutes;      // txtLatM
  QRadioButton* north;        // optLat_0
  QRadioButton* south;        // optLat_1
  QLineEdit* lonDegrees;      // txtLonD
  QLineEdit* lonMinutes;      // txtLonM
  QRadioButton* east;         // optLong_0
  QRadioButton* west;         // optLong_1
  QComboBox* zone;            // cmbTimeZone
  QCheckBox* daylightSaving;  // chkDST

  // The fields of `form`, found by their names. Throws std::logic_error naming the first
  // one that is missing.
  static PlaceFormFields FindIn(QWidget* form);
};

}  // namespace velquor
