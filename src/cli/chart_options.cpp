#include "cli/chart_options.h"

#include "cli/input_error.h"
#include "cli/option_values.h"
#include "chart/time_zones.h"

namespace velquor {

const FieldNames kChartOptionNames = {"--name", "--date", "--date", "--date",
                                      "--time", "--time", "--time", "--zone",
                                      "--lat",  "--lat",  "--lon",  "--lon"};

namespace {

void RequireUnlessPlace(const ChartOptions& options, const char* option, const std::string& text) {
  if (text.empty() && options.place.empty()) {
    throw InputError(option, "required unless --place is given");
  }
}

}  // namespace

BirthInput BirthInputOfOptions(const ChartOptions& options) {
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

  BirthInput input;
  input.name = options.name;
  input.year = date.year;
  input.month = date.month;
  input.day = date.day;
  input.hour = time.hour;
  input.minute = time.minute;
  input.second = time.second;
  input.zoneIndex = options.zone.empty() ? kDefaultTimeZoneIndex : ParseZoneOption(options.zone);
  input.latDegrees = lat.degrees;
  input.latMinutes = lat.minutes;
  input.south = !lat.positive;
  input.lonDegrees = lon.degrees;
  input.lonMinutes = lon.minutes;
  input.east = lon.positive;
  input.dst = options.dst;
  input.city = options.city;
  input.state = options.state;
  input.country = options.country;
  return input;
}

}  // namespace velquor
