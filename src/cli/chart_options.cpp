#include "cli/chart_options.h"

#include "births/input_error.h"
#include "chart/time_zones.h"
#include "cli/option_values.h"

namespace velquor {

const FieldNames kChartOptionNames = {"--name", "--date", "--date", "--date",  "--time",
                                      "--time", "--time", "--zone", "--lat",   "--lat",
                                      "--lon",  "--lon",  "--city", "--state", "--country"};

namespace {

void RequireUnlessPlace(const ChartOptions& options, const char* option, const std::string& text) {
  if (text.empty() && options.place.empty()) {
    throw InputError(option, "required unless --place is given");
  }
}

}  // namespace

BirthData BirthDataOfOptions(const ChartOptions& options) {
  RequireUtf8Option("--name", options.name);
  RequireUtf8Option("--city", options.city);
  RequireUtf8Option("--state", options.state);
  RequireUtf8Option("--country", options.country);
  RequireUtf8Option("--place", options.place);
  RequireUnlessPlace(options, "--zone", options.zone);
  RequireUnlessPlace(options, "--lat", options.lat);
  RequireUnlessPlace(options, "--lon", options.lon);
  const DateOption date = ParseDateOption(options.date);
  const TimeOption time = ParseTimeOption(options.time);
  // Left out only with --place, which fills them.
  const AngleOption lat = options.lat.empty() ? AngleOption{} : ParseLatitudeOption(options.lat);
  const AngleOption lon = options.lon.empty() ? AngleOption{} : ParseLongitudeOption(options.lon);

  BirthData input;
  input.personName = options.name;
  input.yearNumber = date.year;
  input.monthNumber = date.month;
  input.dayNumber = date.day;
  input.hourNumber = time.hour;
  input.minuteNumber = time.minute;
  input.secondNumber = time.second;
  input.zoneIndex = options.zone.empty() ? kDefaultTimeZoneIndex : ParseZoneOption(options.zone);
  input.latDegrees = lat.degrees;
  input.latMinutes = lat.minutes;
  input.isSouth = !lat.positive;
  input.lonDegrees = lon.degrees;
  input.lonMinutes = lon.minutes;
  input.isEast = lon.positive;
  input.isDst = options.dst;
  input.cityText = options.city;
  input.stateText = options.state;
  input.countryText = options.country;
  return input;
}

}  // namespace velquor
