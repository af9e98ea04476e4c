#include "chart/detail_texts.h"

#include "astro/date_time.h"
#include "chart/birth_data.h"

namespace velquor {

namespace {

std::string Coordinate(int degrees, int minutes, char hemisphere) {
  std::string text = std::to_string(degrees);
  text += ' ';
  text += std::to_string(minutes);
  text += "' ";
  text += hemisphere;
  return text;
}

}  // namespace

DetailTexts MakeDetailTexts(const BirthData& birth) {
  DetailTexts texts;
  texts.name = birth.personName;
  texts.dob = std::string(MonthName(birth.monthNumber)) + '/' + std::to_string(birth.dayNumber) +
              '/' + std::to_string(birth.yearNumber);
  texts.tob = std::to_string(birth.hourNumber) + ':' + std::to_string(birth.minuteNumber);
  texts.latitude = Coordinate(birth.latDegrees, birth.latMinutes, birth.isSouth ? 'S' : 'N');
  texts.longitude = Coordinate(birth.lonDegrees, birth.lonMinutes, birth.isEast ? 'E' : 'W');
  texts.city = birth.cityText;
  texts.state = birth.stateText;
  texts.country = birth.countryText;
  return texts;
}

}  // namespace velquor
