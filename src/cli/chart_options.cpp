#include "cli/chart_options.h"

#include <CLI/CLI.hpp>

#include "births/input_error.h"
#include "chart/time_zones.h"
#include "cli/command.h"
#include "cli/option_values.h"
#include "cli/place_option.h"
#include "places/system_atlas.h"

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

void AddChartOptions(CLI::App& command, ChartOptions& options) {
  command.add_option("--name", options.name, "Name of the person")->required();
  command.add_option("--date", options.date, "Date of birth, YYYY-MM-DD (1901 to 2050)")
      ->required();
  command.add_option("--time", options.time, "Local clock time of birth, HH:MM or HH:MM:SS")
      ->required();
  command.add_option("--zone", options.zone,
                     "Time-zone row: index 0 to 70, or its exact label (with --place: suggested)");
  CLI::Option* lat =
      command.add_option("--lat", options.lat, "Latitude: degrees, N or S, minutes (28N37)");
  CLI::Option* lon =
      command.add_option("--lon", options.lon, "Longitude: degrees, E or W, minutes (77E13)");
  command
      .add_option("--place", options.place,
                  "A place of the offline atlas, CITY[, STATE][, COUNTRY], instead of --lat "
                  "and --lon; it suggests --zone and --dst unless they are given")
      ->excludes(lat)
      ->excludes(lon);
  command.add_flag("--dst", options.dst, "Daylight saving time was in force");
  command.add_option("--fold", options.fold,
                     "With --place, a clock time that happened twice when the clocks were put "
                     "back: first (before) or second (after)");
  command.add_option("--city", options.city, "City (shown in the details)");
  command.add_option("--state", options.state, "State (shown in the details)");
  command.add_option("--country", options.country, "Country (shown in the details)");
  command.add_flag("--json", options.json, "Write the chart as one JSON object");
  command.add_option("--conventions", options.conventions.set,
                     "The set of conventions: classic (the default) or modern (precise, "
                     "disc-centre, at-birth, from-sunrise)");
  command.add_option("--ephemeris", options.conventions.ephemeris,
                     "Positions: classic formulas or precise (Swiss Ephemeris, Lahiri)");
  command.add_option("--sunrise", options.conventions.sunrise,
                     "Sunrise: classic, upper-limb (upper edge, refraction) or disc-centre "
                     "(centre, no refraction)");
  command.add_option("--pranapada-sun", options.conventions.pranapadaSun,
                     "The Sun the Pranapada counts from: at-sunrise or at-birth");
  command.add_option("--after-sunset", options.conventions.afterSunset,
                     "A birth after sunset: to-next-sunrise or from-sunrise");
}

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

bool ReadChartOptions(const ChartOptions& options, BirthData& birth, Conventions& conventions,
                      std::ostream& err, int& status) {
  try {
    conventions = ConventionsOfTexts(options.conventions, kConventionOptionNames);
    birth = BirthDataOfOptions(options);
    if (!options.fold.empty() && options.place.empty()) {
      throw InputError("--fold", "only with --place, whose zone it reads");
    }
    if (!options.place.empty()) {
      const std::string used =
          ApplyPlaceOption(*SystemAtlas().get(), options.place, !options.zone.empty(),
                           ParseFoldOption(options.fold), birth);
      err << kProgram << ": " << used << '\n';
    }
    return true;
  } catch (const InputError& error) {
    err << kProgram << ": " << error.what() << '\n';
    status = kExitBadInput;
  } catch (const AtlasError& error) {
    err << kProgram << ": " << error.what() << '\n';
    status = kExitIoFailure;
  }
  return false;
}

}  // namespace velquor
