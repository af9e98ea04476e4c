// A birth entry typed into the birth-data form's controls, for tests that run charts; by
// default the sample birth of the GUI tests (ASHA RAO, New Delhi, 15 August 1990 06:30:15).
#pragma once

#include <QString>

#include "chart/birth_data.h"
#include "chart/chart_result.h"

namespace velquor {
class BirthForm;
}

namespace velquor::test {

struct BirthEntry {
  QString name = QStringLiteral("ASHA RAO");
  int day = 15;        // 1..31
  int monthIndex = 7;  // 0 = January
  int year = 1990;
  int hour = 6, minute = 30, second = 15;
  QString lonDeg = QStringLiteral("77"), lonMin = QStringLiteral("12");
  QString latDeg = QStringLiteral("28"), latMin = QStringLiteral("36");
  bool west = false, south = false, dst = false;
  QString city = QStringLiteral("NEW DELHI"), state = QStringLiteral("DELHI"),
          country = QStringLiteral("INDIA");
  int zoneIndex = 34;  // "Indian Time, IST, +5.3"
};

// Sets every control of the form to the entry (bypassing the key filters).
void Enter(BirthForm& form, const BirthEntry& entry);

// The birth data the form reads once the entry is entered, for tests that chart without a
// form. Coordinates as text read as their numbers ("" as 0).
BirthData BirthDataOf(const BirthEntry& entry);

// The classic chart of the entry's birth data; throws when the birth gives none.
ChartResult ChartOf(const BirthEntry& entry);

}  // namespace velquor::test
