#include "cli/chart_request.h"

#include <string>

#include "cli/input_error.h"
#include "chart/time_zones.h"
#include "chart/validation.h"

namespace velquor {

namespace {

std::string_view NameOf(InputField field, const FieldNames& names) {
  return names[static_cast<std::size_t>(field)];
}

void RequireWithin(int value, int low, int high, InputField field, std::string_view what,
                   const FieldNames& names) {
  if (value >= low && value <= high) return;
  throw InputError(std::string(NameOf(field, names)),
                   std::string(what) + " " + std::to_string(value) + " is not within " +
                       std::to_string(low) + " to " + std::to_string(high));
}

// The field whose value a failed form check is about. The two date checks leave the
// focus where it is; they are about the day of the month.
InputField FieldOfFocus(FormField focus) {
  switch (focus) {
    case FormField::Name: return InputField::Name;
    case FormField::LonDeg: return InputField::LonDegrees;
    case FormField::LonMin: return InputField::LonMinutes;
    case FormField::LatDeg: return InputField::LatDegrees;
    case FormField::LatMin: return InputField::LatMinutes;
    default: return InputField::Day;
  }
}

BirthForm FormOf(const BirthInput& input) {
  BirthForm form;
  form.name = input.name;
  form.monthIndex = input.month - 1;
  form.dateIndex = input.day - 1;
  form.yearText = std::to_string(input.year);
  form.hourText = std::to_string(input.hour);
  form.minuteText = std::to_string(input.minute);
  form.secondText = std::to_string(input.second);
  form.lonDegText = std::to_string(input.lonDegrees);
  form.lonMinText = std::to_string(input.lonMinutes);
  form.latDegText = std::to_string(input.latDegrees);
  form.latMinText = std::to_string(input.latMinutes);
  form.east = input.east;
  form.south = input.south;
  form.dst = input.dst;
  form.city = input.city;
  form.state = input.state;
  form.country = input.country;
  return form;
}

}  // namespace

ChartRequest MakeChartRequest(const BirthInput& input, const FieldNames& names) {
  RequireWithin(input.year, 1901, 2050, InputField::Year, "year", names);
  RequireWithin(input.month, 1, 12, InputField::Month, "month", names);
  RequireWithin(input.day, 1, 31, InputField::Day, "day", names);
  RequireWithin(input.hour, 0, 23, InputField::Hour, "hour", names);
  RequireWithin(input.minute, 0, 59, InputField::Minute, "minute", names);
  RequireWithin(input.second, 0, 59, InputField::Second, "second", names);
  RequireWithin(input.zoneIndex, 0, kTimeZoneCount - 1, InputField::Zone, "time-zone row",
                names);

  const BirthForm form = FormOf(input);
  if (const auto failure = ValidateBirthData(form)) {
    throw InputError(std::string(NameOf(FieldOfFocus(failure->focus), names)),
                     failure->message);
  }
  return ChartRequest{ReadBirthData(form), input.zoneIndex};
}

}  // namespace velquor
