// The options of a birth and its conventions, as typed, which the chart and windows
// commands share: their registration on a command, and their reading into a birth entry.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "births/birth_keys.h"
#include "births/convention_texts.h"
#include "births/field_names.h"
#include "chart/birth_data.h"
#include "chart/conventions.h"

namespace CLI {
class App;
}

namespace velquor {

struct ChartOptions {
  std::string name, date, time, zone, lat, lon;
  std::string city, state, country;
  std::string place;  // an atlas place instead of --lat and --lon (place_option.h)
  std::string fold;   // with --place: which reading of a clock time that happened twice
  bool dst = false;
  bool json = false;
  ConventionTexts conventions;
};

// The option of an entry of the key table or of a convention's key (birth_keys.h): "--" and
// the name with its underscores as dashes ("lat" gives "--lat", "pranapada_sun"
// "--pranapada-sun").
std::string OptionName(std::string_view name);

// The options, by the field they fill: the options of the fields' entries.
const FieldNames& ChartOptionNames();

// The options of the conventions: "--conventions" for the set, then those of the choices.
const ConventionNames& ConventionOptionNames();

// Adds the options of every entry of the key table but the note (--name, --date, --time,
// --zone, --lat, --lon, --dst, --city, --state, --country, --conventions), those of the
// convention's choices, --place, --fold and --json to `command`.
void AddChartOptions(CLI::App& command, ChartOptions& options);

// Throws InputError naming the option whose text is malformed, or that is missing: --lat,
// --lon and --zone may be left out only when --place is given, which then supplies them
// (ApplyPlaceOption).
BirthData BirthDataOfOptions(const ChartOptions& options);

// The birth data and conventions of the options, with the atlas place of --place put in
// (the line saying which place and zone were used goes to `err`). False when the options
// are faulty, after a message on `err`, with `status` set to the exit status: bad input, or
// an input failure when the atlas cannot be read. When --place gave the zone, `placeZone` (if
// given) receives the place's IANA zone; else it is left as it was.
bool ReadChartOptions(const ChartOptions& options, BirthData& birth, Conventions& conventions,
                      std::ostream& err, int& status, std::string* placeZone = nullptr);

}  // namespace velquor
