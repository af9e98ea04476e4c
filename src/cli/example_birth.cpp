#include "cli/example_birth.h"

namespace velquor {

BirthInput ExampleBirth() {
  BirthInput birth;
  birth.name = "ASHA MEHTA";
  birth.year = 1985;
  birth.month = 3;
  birth.day = 21;
  birth.hour = 10;
  birth.minute = 45;
  birth.second = 0;
  birth.zoneIndex = 34;  // "Indian Time, IST, +5.3"
  birth.latDegrees = 28;
  birth.latMinutes = 37;
  birth.south = false;
  birth.lonDegrees = 77;
  birth.lonMinutes = 13;
  birth.east = true;
  birth.dst = false;
  birth.city = "New Delhi";
  birth.state = "Delhi";
  birth.country = "India";
  return birth;
}

}  // namespace velquor
