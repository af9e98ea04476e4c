#include "cli/chart_options.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

#include <CLI/CLI.hpp>

#include "births/input_error.h"
#include "chart/birth_instant.h"
#include "chart/time_zones.h"
#include "cli/command.h"
#include "cli/option_values.h"
#include "cli/place_option.h"
#include "places/system_atlas.h"

namespace velquor {

std::string OptionName(std::string_view name) {
  std::string option = "--" + std::string(name);
  std::replace(option.begin(), option.end(), '_', '-');
  return option;
}

const FieldNames& ChartOptionNames() {
  static const std::array<std::string, kBirthKeys.size()> options = [] {
    std::array<std::string, kBirthKeys.size()> byKey;
    for (std::size_t i = 0; i < kBirthKeys.size(); ++i) byKey[i] = OptionName(kBirthKeys[i].entry);
    return byKey;
  }();
  static const FieldNames names = [] {
    FieldNames byField{};
    for (std::size_t i = 0; i < kBirthKeys.size(); ++i) {
      const BirthField field = kBirthKeys[i].field;
      if (field != BirthField::Count) byField[static_cast<std::size_t>(field)] = options[i];
    }
    return byField;
  }();
  return names;
}

const ConventionNames& ConventionOptionNames() {
  static const ConventionNames names = [] {
    ConventionNames options{OptionName("conventions"), {}};
    for (std::size_t i = 0; i < kConventionChoices; ++i) {
      options.choices[i] = OptionName(kConventionKeys[i].key);
    }
    return options;
  }();
  return names;
}

namespace {

// The help of each choice's option, in the order of kConventionKeys.
constexpr std::array<const char*, kConventionChoices> kChoiceHelp = {
    "Positions: classic formulas or precise (Swiss Ephemeris, Lahiri)",
    "Sunrise: classic, upper-limb (upper edge, refraction) or disc-centre (centre, no "
    "refraction)",
    "The Sun the Pranapada counts from: at-sunrise or at-birth",
    "A birth after sunset: to-next-sunrise or from-sunrise",
};

void RequireUnlessPlace(const ChartOptions& options, std::string_view entry,
                        const std::string& text) {
  if (text.empty() && options.place.empty()) {
    throw InputError(OptionName(entry), "required unless --place is given");
  }
}

}  // namespace

void AddChartOptions(CLI::App& command, ChartOptions& options) {
  command.add_option(OptionName("name"), options.name, "Name of the person")->required();
  command.add_option(OptionName("date"), options.date, "Date of birth, YYYY-MM-DD (1901 to 2050)")
      ->required();
  command
      .add_option(OptionName("time"), options.time, "Local clock time of birth, HH:MM or HH:MM:SS")
      ->required();
  command.add_option(OptionName("zone"), options.zone,
                     "Time-zone row: index 0 to 70, or its exact label (with --place: suggested)");
  CLI::Option* lat = command.add_option(OptionName("lat"), options.lat,
                                        "Latitude: degrees, N or S, minutes (28N37)");
  CLI::Option* lon = command.add_option(OptionName("lon"), options.lon,
                                        "Longitude: degrees, E or W, minutes (77E13)");
  command
      .add_option("--place", options.place,
                  "A place of the offline atlas, CITY[, STATE][, COUNTRY], instead of --lat "
                  "and --lon; it suggests --zone and --dst unless they are given")
      ->excludes(lat)
      ->excludes(lon);
  command.add_flag(OptionName("dst"), options.dst, "Daylight saving time was in force");
  command.add_option("--fold", options.fold,
                     "With --place, a clock time that happened twice when the clocks were put "
                     "back: first (before) or second (after)");
  command.add_option(OptionName("city"), options.city, "City (shown in the details)");
  command.add_option(OptionName("state"), options.state, "State (shown in the details)");
  command.add_option(OptionName("country"), options.country, "Country (shown in the details)");
  command.add_flag("--json", options.json, "Write the chart as one JSON object");
  command.add_option(ConventionOptionNames().set, options.conventions.set,
                     "The set of conventions: classic (the default) or modern (precise, "
                     "disc-centre, at-birth, from-sunrise)");
  for (std::size_t i = 0; i < kConventionChoices; ++i) {
    command.add_option(ConventionOptionNames().choices[i],
                       options.conventions.*kConventionKeys[i].text, kChoiceHelp[i]);
  }
}

BirthData BirthDataOfOptions(const ChartOptions& options) {
  for (const auto& [entry, text] : {std::pair{"name", &options.name},
                                    {"city", &options.city},
                                    {"state", &options.state},
                                    {"country", &options.country}}) {
    RequireUtf8Option(OptionName(entry), *text);
  }
  RequireUtf8Option("--place", options.place);
  RequireUnlessPlace(options, "zone", options.zone);
  RequireUnlessPlace(options, "lat", options.lat);
  RequireUnlessPlace(options, "lon", options.lon);
  const DateOption date = ParseDateOption(options.date);
  const TimeOption time = ParseTimeOption(options.time);
  // Left out only with --place, which fills them.
  const AngleOption lat = options.lat.empty() ? AngleOption{} : ParseLatitudeOption(options.lat);
  const AngleOption lon = options.lon.empty() ? AngleOption{} : ParseLongitudeOption(options.lon);

  BirthData input;
  input.personName = options.name;
  input = BirthAt(input, {date.year, date.month, date.day, time.hour, time.minute, time.second});
  input.zoneIndex = options.zone.empty() ? kDefaultTimeZoneIndex : ParseZoneOption(options.zone);
  std::tie(input.latDegrees, input.latMinutes, input.isSouth) =
      std::tuple(lat.degrees, lat.minutes, !lat.positive);
  std::tie(input.lonDegrees, input.lonMinutes, input.isEast) =
      std::tuple(lon.degrees, lon.minutes, lon.positive);
  input.isDst = options.dst;
  input.cityText = options.city;
  input.stateText = options.state;
  input.countryText = options.country;
  return input;
}

bool ReadChartOptions(const ChartOptions& options, BirthData& birth, Conventions& conventions,
                      std::ostream& err, int& status, std::string* placeZone) {
  try {
    conventions = ConventionsOfTexts(options.conventions, ConventionOptionNames());
    birth = BirthDataOfOptions(options);
    if (!options.fold.empty() && options.place.empty()) {
      throw InputError("--fold", "only with --place, whose zone it reads");
    }
    if (!options.place.empty()) {
      const std::string used =
          ApplyPlaceOption(*SystemAtlas().get(), options.place, !options.zone.empty(),
                           ParseFoldOption(options.fold), birth, placeZone);
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
