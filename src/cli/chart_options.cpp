#include "cli/chart_options.h"

#include "cli/option_values.h"

namespace velquor {

const FieldNames kChartOptionNames = {"--name", "--date", "--date", "--date",
                                      "--time", "--time", "--time", "--zone",
                                      "--lat",  "--lat",  "--lon",  "--lon"};

BirthInput BirthInputOfOptions(const ChartOptions& options) {
  RequireUtf8Option("--name", options.name);
  RequireUtf8Option("--city", options.city);
  RequireUtf8Option("--state", options.state);
  RequireUtf8Option("--country", options.country);
  const DateOption date = ParseDateOption(options.date);
  const TimeOption time = ParseTimeOption(options.time);
  const AngleOption lat = ParseLatitudeOption(options.lat);
  const AngleOption lon = ParseLongitudeOption(options.lon);

  BirthInput input;
  input.name = options.name;
  input.year = date.year;
  input.month = date.month;
  input.day = date.day;
  input.hour = time.hour;
  input.minute = time.minute;
  input.second = time.second;
  input.zoneIndex = ParseZoneOption(options.zone);
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
