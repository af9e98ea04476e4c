#include "chart/validation.h"

#include <climits>
#include <string_view>

namespace velquor {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// True when `name` holds nothing but spaces and control characters (tab, line ends, NUL):
// nothing a reader would see as a name.
bool IsBlankName(std::string_view name) {
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte != 0x7F) return false;
  }
  return true;
}

ValidationFailure Critical(std::string message, BirthField field) {
  return {std::move(message), MessageIcon::Critical, field};
}

ValidationFailure Information(std::string message, BirthField field) {
  return {std::move(message), MessageIcon::Information, field};
}

std::optional<ValidationFailure> OutsideRange(int value, int low, int high, const char* what,
                                              BirthField field) {
  if (value >= low && value <= high) return std::nullopt;
  return Critical(std::string(what) + " " + std::to_string(value) + " is not within " +
                      std::to_string(low) + " to " + std::to_string(high),
                  field);
}

// Year divisible by 4: the whole rule, exact for the years 1901..2050.
bool IsListLeapYear(int year) { return year % 4 == 0; }

std::optional<ValidationFailure> CheckDomain(const BirthData& b) {
  constexpr int kDays = 31;
  if (auto f = OutsideRange(b.yearNumber, kFirstYear, kLastYear, "year", BirthField::Year))
    return f;
  if (auto f = OutsideRange(b.monthNumber, 1, 12, "month", BirthField::Month)) return f;
  if (auto f = OutsideRange(b.dayNumber, 1, kDays, "day", BirthField::Day)) return f;
  if (auto f = OutsideRange(b.hourNumber, 0, 23, "hour", BirthField::Hour)) return f;
  if (auto f = OutsideRange(b.minuteNumber, 0, 59, "minute", BirthField::Minute)) return f;
  if (auto f = OutsideRange(b.secondNumber, 0, 59, "second", BirthField::Second)) return f;
  return OutsideRange(b.zoneIndex, 0, kTimeZoneCount - 1, "time-zone row", BirthField::Zone);
}

bool BoxInRange(int value, int max) { return value >= 0 && value <= max; }

std::optional<ValidationFailure> CheckPlaceAndDate(const BirthData& b) {
  if (!BoxInRange(b.lonDegrees, kMaxLongitudeDegrees)) {
    return Critical("Please Enter Value Between 0 And 179 in the Degree of Longitude",
                    BirthField::LonDegrees);
  }
  if (!BoxInRange(b.lonMinutes, kMaxArcMinutes)) {
    return Critical("Please Enter Value Between 0 And 59 in the  Minute of Longitude",
                    BirthField::LonMinutes);
  }
  if (!BoxInRange(b.latDegrees, kMaxLatitudeDegrees)) {
    return Critical("Please Enter Value Between 0 And 89 in the Degree of Latitude",
                    BirthField::LatDegrees);
  }
  if (!BoxInRange(b.latMinutes, kMaxArcMinutes)) {
    return Critical("Please Enter Value Between 0 And 59 in the  Minute of Latitude",
                    BirthField::LatMinutes);
  }
  constexpr int kFebruary = 2;
  const int lastFebruaryDay = IsListLeapYear(b.yearNumber) ? 29 : 28;
  if (b.monthNumber == kFebruary && b.dayNumber > lastFebruaryDay) {
    return Information("Please Enter Correct Date Or Month!", BirthField::Day);
  }
  const bool thirtyDays =
      b.monthNumber == 4 || b.monthNumber == 6 || b.monthNumber == 9 || b.monthNumber == 11;
  if (thirtyDays && b.dayNumber == 31)
    return Information("Please Enter Correct Date Or Month !", BirthField::Day);
  return std::nullopt;
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

int BoxNumber(const std::string& text) { return LeadingNumber(text).value_or(-1); }

std::optional<ValidationFailure> ValidateBirthData(const BirthData& birth) {
  if (auto f = CheckDomain(birth)) return f;
  if (IsBlankName(birth.personName)) return Critical("Please Enter Name", BirthField::Name);
  return CheckPlaceAndDate(birth);
}

std::optional<ValidationFailure> CheckChartable(const BirthData& birth) {
  if (auto f = CheckDomain(birth)) return f;
  return CheckPlaceAndDate(birth);
}

std::optional<ValidationFailure> ValidatePlaceQuery(const BirthData& birth) {
  if (birth.cityText.empty()) return Information("Please Enter City", BirthField::City);
  if (birth.stateText.empty()) return Information("Please Enter State", BirthField::State);
  if (birth.countryText.empty()) return Information("Please Enter Country", BirthField::Country);
  return std::nullopt;
}

std::string PlaceQueryText(const BirthData& birth) {
  return birth.cityText + " " + birth.stateText + " " + birth.countryText + " Latitude Longitude";
}

}  // namespace velquor
