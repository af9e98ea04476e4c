// The checks the birth-data form runs before a chart, shared by the form and the
// command-line tool, and the reading of the form's texts into BirthData.
#pragma once

#include <optional>
#include <string>

#include "chart/birth_data.h"

namespace velquor {

// The form's entries as typed: texts of the boxes, list indices and option choices.
struct BirthForm {
  std::string name;
  int monthIndex = 0;          // cboMonth list index, 0 = January
  int dateIndex = 0;           // cboDate list index, 0 = day 1
  std::string yearText = "1901";
  std::string hourText = "0";
  std::string minuteText = "0";
  std::string secondText = "0";
  std::string lonDegText, lonMinText, latDegText, latMinText;
  bool east = true;
  bool south = false;
  bool dst = false;
  std::string city, state, country;
};

enum class MessageIcon { Critical, Information };

// The field that receives the focus after a failed check.
enum class FormField { None, Name, LonDeg, LonMin, LatDeg, LatMin, City, State, Country };

struct ValidationFailure {
  std::string message;
  MessageIcon icon = MessageIcon::Critical;
  FormField focus = FormField::None;  // None: the focus stays where it is
};

// The seven checks in order; the first that fails, or nothing when the entry may be charted.
// A number box fails its check when it is empty, has no leading digits or reads above its
// maximum (179, 59, 89, 59). February and the thirty-day months are judged by the list
// indices, with every year divisible by 4 a leap year (exact for 1901..2050).
std::optional<ValidationFailure> ValidateBirthData(const BirthForm& form);

// The three checks before a place look-up (texts not trimmed), in order.
std::optional<ValidationFailure> ValidatePlaceQuery(const BirthForm& form);

// city + " " + state + " " + country + " Latitude Longitude".
std::string PlaceQueryText(const BirthForm& form);

// The number of a box: its trimmed text's leading decimal digits (none gives nothing),
// so a pasted "12abc" reads 12 and "-5" reads nothing. Numbers beyond INT_MAX read INT_MAX.
std::optional<int> LeadingNumber(const std::string& text);

// BirthData from a form that passed ValidateBirthData; every number is read by
// LeadingNumber, so the chart uses exactly the number the checks accepted. The day and
// month come from their list indices.
// Throws std::invalid_argument when a list text (year, hour, minute, second) holds no number.
BirthData ReadBirthData(const BirthForm& form);

}  // namespace velquor
