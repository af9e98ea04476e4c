#include "chart/validation.h"

#include <climits>
#include <cstddef>
#include <optional>
#include <string_view>

namespace velquor {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// True for a code point no reader sees: the C0 and C1 controls, DEL, Unicode's white space,
// its format characters (zero-width spaces and joiners, direction marks, the byte-order mark,
// soft hyphen, tag characters) and the other default-ignorable ones (fillers, variation
// selectors).
bool IsInvisible(char32_t c) {
  struct Range {
    char32_t first, last;
  };
  static constexpr Range kInvisible[] = {
      {0x0000, 0x0020},   {0x007F, 0x00A0}, {0x00AD, 0x00AD},   {0x034F, 0x034F},
      {0x061C, 0x061C},   {0x115F, 0x1160}, {0x1680, 0x1680},   {0x17B4, 0x17B5},
      {0x180B, 0x180F},   {0x2000, 0x200F}, {0x2028, 0x202F},   {0x205F, 0x206F},
      {0x3000, 0x3000},   {0x3164, 0x3164}, {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},
      {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFF8}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
      {0xE0000, 0xE0FFF},
  };
  for (const Range& range : kInvisible)
    if (c >= range.first && c <= range.last) return true;
  return false;
}

// The code point of the UTF-8 sequence at the front of `text`, which it then drops; nothing
// for a byte that starts no valid sequence (it is dropped alone).
std::optional<char32_t> TakeCodePoint(std::string_view& text) {
  const auto lead = static_cast<unsigned char>(text.front());
  std::size_t length = 1;
  char32_t c = lead;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1FU, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0FU, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07U, minimum = 0x10000;
  } else if (lead >= 0x80) {
    text.remove_prefix(1);
    return std::nullopt;
  }
  if (text.size() < length) {
    text.remove_prefix(1);
    return std::nullopt;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0U) != 0x80U) {
      text.remove_prefix(1);
      return std::nullopt;
    }
    c = (c << 6U) | (next & 0x3FU);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    text.remove_prefix(1);
    return std::nullopt;
  }
  text.remove_prefix(length);
  return c;
}

// True when `name` holds nothing a reader would see as a name: only spaces, control
// characters (tab, line ends, NUL) and invisible characters (a byte-order mark, zero-width
// spaces, direction marks). Bytes that are not UTF-8 count as seen: other checks refuse them.
bool IsBlankName(std::string_view name) {
  while (!name.empty()) {
    const std::optional<char32_t> c = TakeCodePoint(name);
    if (!c || !IsInvisible(*c)) return false;
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
