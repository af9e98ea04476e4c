#include "cli/example_birth.h"

namespace velquor {

BirthData ExampleBirth() {
  BirthData birth;
  birth.personName = "ASHA MEHTA";
  birth.yearNumber = 1985;
  birth.monthNumber = 3;
  birth.dayNumber = 21;
  birth.hourNumber = 10;
  birth.minuteNumber = 45;
  birth.secondNumber = 0;
  birth.zoneIndex = 34;  // "Indian Time, IST, +5.3"
  birth.latDegrees = 28;
  birth.latMinutes = 37;
  birth.isSouth = false;
  birth.lonDegrees = 77;
  birth.lonMinutes = 13;
  birth.isEast = true;
  birth.isDst = false;
  birth.cityText = "New Delhi";
  birth.stateText = "Delhi";
  birth.countryText = "India";
  return birth;
}

}  // namespace velquor
