#include "chart/validation.h"

#include <climits>
#include <stdexcept>
#include <string_view>

namespace velquor {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// A number box passes when its leading number lies in 0..max. A box without leading
// digits (empty, blank, or a pasted "-5" or "x") fails like an out-of-range one.
bool InRange(const std::string& text, int max) {
  const std::optional<int> n = LeadingNumber(text);
  return n.has_value() && *n <= max;
}

ValidationFailure Critical(std::string message, FormField focus) {
  return {std::move(message), MessageIcon::Critical, focus};
}

ValidationFailure Information(std::string message, FormField focus) {
  return {std::move(message), MessageIcon::Information, focus};
}

// Year divisible by 4: the whole rule, exact for the list's years 1901..2050.
bool IsListLeapYear(int year) { return year % 4 == 0; }

int RequiredNumber(const std::string& text, const char* field) {
  const std::optional<int> n = LeadingNumber(text);
  if (!n) throw std::invalid_argument(std::string(field) + " \"" + text + "\" is not a number");
  return *n;
}

}  // namespace

std::optional<int> LeadingNumber(const std::string& text) {
  const std::string_view t = TrimBlanks(text);
  std::size_t i = 0;
  long long value = 0;
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
    if (value <= INT_MAX) value = value * 10 + (t[i] - '0');
  }
  if (i == 0) return std::nullopt;
  return static_cast<int>(value > INT_MAX ? INT_MAX : value);
}

std::optional<ValidationFailure> ValidateBirthData(const BirthForm& form) {
  if (TrimBlanks(form.name).empty()) return Critical("Please Enter Name", FormField::Name);
  if (!InRange(form.lonDegText, 179)) {
    return Critical("Please Enter Value Between 0 And 179 in the Degree of Longitude", FormField::LonDeg);
  }
  if (!InRange(form.lonMinText, 59)) {
    return Critical("Please Enter Value Between 0 And 59 in the  Minute of Longitude", FormField::LonMin);
  }
  if (!InRange(form.latDegText, 89)) {
    return Critical("Please Enter Value Between 0 And 89 in the Degree of Latitude", FormField::LatDeg);
  }
  if (!InRange(form.latMinText, 59)) {
    return Critical("Please Enter Value Between 0 And 59 in the  Minute of Latitude", FormField::LatMin);
  }

  constexpr int kFebruary = 1;
  const int lastFebruaryIndex = IsListLeapYear(LeadingNumber(form.yearText).value_or(0)) ? 28 : 27;
  if (form.monthIndex == kFebruary && form.dateIndex > lastFebruaryIndex && form.dateIndex <= 30) {
    return Information("Please Enter Correct Date Or Month!", FormField::None);
  }
  const bool thirtyDays = form.monthIndex == 3 || form.monthIndex == 5 || form.monthIndex == 8 ||
                          form.monthIndex == 10;
  if (thirtyDays && form.dateIndex == 30) {
    return Information("Please Enter Correct Date Or Month !", FormField::None);
  }
  return std::nullopt;
}

std::optional<ValidationFailure> ValidatePlaceQuery(const BirthForm& form) {
  if (form.city.empty()) return Information("Please Enter City", FormField::City);
  if (form.state.empty()) return Information("Please Enter State", FormField::State);
  if (form.country.empty()) return Information("Please Enter Country", FormField::Country);
  return std::nullopt;
}

std::string PlaceQueryText(const BirthForm& form) {
  return form.city + " " + form.state + " " + form.country + " Latitude Longitude";
}

BirthData ReadBirthData(const BirthForm& form) {
  BirthData birth;
  birth.personName = form.name;
  birth.monthNumber = form.monthIndex + 1;
  birth.dayNumber = form.dateIndex + 1;
  birth.yearNumber = RequiredNumber(form.yearText, "year");
  birth.hourNumber = RequiredNumber(form.hourText, "hour");
  birth.minuteNumber = RequiredNumber(form.minuteText, "minute");
  birth.secondNumber = RequiredNumber(form.secondText, "second");
  birth.lonDegrees = RequiredNumber(form.lonDegText, "longitude degrees");
  birth.lonMinutes = RequiredNumber(form.lonMinText, "longitude minutes");
  birth.latDegrees = RequiredNumber(form.latDegText, "latitude degrees");
  birth.latMinutes = RequiredNumber(form.latMinText, "latitude minutes");
  birth.isEast = form.east;
  birth.isSouth = form.south;
  birth.isDst = form.dst;
  birth.cityText = form.city;
  birth.stateText = form.state;
  birth.countryText = form.country;
  return birth;
}

}  // namespace velquor
