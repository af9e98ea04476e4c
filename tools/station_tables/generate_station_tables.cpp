// Writes src/retro/station_rows.h: the retrograde and direct stations of Mercury .. Pluto
// that the program looks retrograde motion up in.
//
// A station is the instant at which the planet's geocentric ecliptic longitude stops
// changing: a zero of the longitude rate. The longitude is tropical and geometric (no
// light-time, aberration or deflection), referred to the mean equinox and ecliptic of
// date (no nutation), and seen from the Earth-Moon barycentre. The rate is sampled once
// a day, each change of sign is bisected to well under a second of universal time, and
// the station is written rounded to the nearest minute.
//
// Each table runs from a fixed first retrograde station to a fixed last direct station
// and must come out with a fixed number of rows. The published reference rows below are
// kept exactly as published: most agree with the computation within a few minutes, but
// three carry times hours away from it (with the right dates), and the tables keep them
// so the program agrees with the published figures. Agreement with the reference rows
// and the number of stations close to midnight are reported on standard error.
//
// Build and run (needs the Debian packages libswe-dev and swe-basic-data; this tool is
// not part of the program's build):
//
//   cmake -S tools/station_tables -B build/station_tables
//   cmake --build build/station_tables
//   build/station_tables/generate_station_tables --output src/retro/station_rows.h
//
// Options: --ephe-path DIR names the Swiss Ephemeris data folder (default: the library's
// own search path, which includes the Debian location /usr/share/libswe/ephe);
// --output FILE (default: standard output).

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Earth/Moon mass ratio of the DE4xx ephemerides.
constexpr double kEarthMoonMassRatio = 81.3005690741906;
constexpr double kUnixEpochJd = 2440587.5;
constexpr double kMinutesPerDay = 1440.0;
// Bisection stops when the bracket is narrower than this (about 0.01 s).
constexpr double kRootTolerance = 1e-7;
// Stations within this many minutes of midnight are counted as date-sensitive.
constexpr long kNearMidnightMinutes = 15;
// A reference station must fall on its computed date, or this near it in minutes.
constexpr long kReferenceTolerance = 60;

struct Moment {
  int month, day, year, hour, minute;
};

struct ReferenceRow {
  int index;
  Moment retrograde;
  Moment direct;
};

struct PlanetSpec {
  const char* name;                     // as the program names it
  const char* constant;                 // name of the generated array
  int body;                             // Swiss Ephemeris body number
  int rows;                             // required number of rows
  std::vector<ReferenceRow> reference;  // first row, last row, then any others
};

// The published reference rows: each planet's first and last row, and rows around 2000
// and 2020, by row index from 0.
std::vector<PlanetSpec> Planets() {
  return {
      {"Mercury",
       "kMercuryStations",
       SE_MERCURY,
       476,
       {{0, {3, 15, 1900, 13, 19}, {4, 7, 1900, 18, 42}},
        {475, {12, 1, 2050, 17, 17}, {12, 21, 2050, 11, 33}},
        {315, {2, 21, 2000, 0, 39}, {3, 14, 2000, 20, 28}},
        {316, {6, 23, 2000, 8, 32}, {7, 17, 2000, 13, 9}},
        {317, {10, 18, 2000, 13, 39}, {11, 8, 2000, 2, 32}},
        {378, {2, 17, 2020, 0, 41}, {3, 10, 2020, 3, 37}},
        {379, {6, 18, 2020, 4, 47}, {7, 12, 2020, 8, 25}},
        {380, {10, 14, 2020, 0, 56}, {11, 3, 2020, 17, 58}}}},
      {"Venus",
       "kVenusStations",
       SE_VENUS,
       95,
       {{0, {6, 16, 1900, 22, 56}, {7, 30, 1900, 2, 44}},
        {94, {9, 25, 2050, 22, 15}, {11, 6, 2050, 19, 4}},
        {75, {5, 13, 2020, 7, 3}, {6, 25, 2020, 7, 5}}}},
      {"Mars",
       "kMarsStations",
       SE_MARS,
       71,
       {{0, {1, 13, 1901, 6, 16}, {4, 4, 1901, 7, 21}},
        {70, {7, 15, 2050, 5, 50}, {9, 13, 2050, 9, 41}},
        {56, {9, 9, 2020, 21, 32}, {11, 13, 2020, 23, 6}}}},
      {"Jupiter",
       "kJupiterStations",
       SE_JUPITER,
       139,
       {{0, {3, 27, 1900, 20, 39}, {7, 29, 1900, 1, 35}},
        {138, {12, 21, 2050, 13, 21}, {4, 21, 2051, 23, 46}},
        {92, {9, 29, 2000, 0, 45}, {1, 25, 2001, 14, 49}},
        {110, {5, 14, 2020, 13, 18}, {9, 12, 2020, 23, 37}}}},
      {"Saturn",
       "kSaturnStations",
       SE_SATURN,
       146,
       {{0, {4, 14, 1900, 6, 2}, {9, 2, 1900, 14, 39}},
        {145, {5, 18, 2050, 13, 6}, {10, 6, 2050, 11, 5}},
        {97, {9, 12, 2000, 10, 33}, {1, 24, 2001, 23, 10}},
        {116, {5, 11, 2020, 1, 48}, {9, 29, 2020, 3, 52}}}},
      {"Uranus",
       "kUranusStations",
       SE_URANUS,
       150,
       {{0, {3, 17, 1900, 17, 36}, {8, 17, 1900, 15, 27}},
        {149, {12, 30, 2050, 15, 40}, {5, 29, 2051, 6, 22}},
        {119, {8, 15, 2020, 10, 41}, {1, 14, 2021, 6, 29}}}},
      {"Neptune",
       "kNeptuneStations",
       SE_NEPTUNE,
       150,
       {{0, {10, 2, 1900, 13, 58}, {3, 8, 1901, 0, 45}},
        {149, {8, 31, 2050, 13, 52}, {2, 4, 2051, 10, 41}},
        {119, {6, 22, 2020, 23, 26}, {11, 28, 2020, 21, 16}}}},
      {"Pluto",
       "kPlutoStations",
       SE_PLUTO,
       151,
       {{0, {9, 16, 1899, 5, 48}, {2, 27, 1900, 7, 36}},
        {150, {6, 10, 2050, 3, 49}, {11, 21, 2050, 16, 16}},
        {120, {4, 25, 2020, 14, 15}, {10, 4, 2020, 7, 29}}}},
  };
}

struct Vector6 {
  std::array<double, 6> v{};  // x, y, z (AU), then their rates (AU per day)
};

Vector6 Calc(double jdUt, int body, int flags) {
  Vector6 out;
  char error[AS_MAXCH] = "";
  const int returned = swe_calc_ut(jdUt, body, flags, out.v.data(), error);
  if (returned < 0) throw std::runtime_error(std::string("swe_calc_ut failed: ") + error);
  if ((returned & SEFLG_SWIEPH) == 0) {
    throw std::runtime_error(
        std::string("Swiss Ephemeris data files not found (use --ephe-path): ") + error);
  }
  return out;
}

// Rate of the planet's geocentric (Earth-Moon barycentre) longitude in degrees per day,
// geometric, mean equinox and ecliptic of date.
double LongitudeRate(double jdUt, int body) {
  constexpr int kBase = SEFLG_SWIEPH | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_XYZ | SEFLG_SPEED;
  const Vector6 planet = Calc(jdUt, body, kBase | SEFLG_HELCTR);
  const Vector6 earth = Calc(jdUt, SE_EARTH, kBase | SEFLG_HELCTR);
  const Vector6 moon = Calc(jdUt, SE_MOON, kBase);  // geocentric
  std::array<double, 6> g{};
  for (int i = 0; i < 6; ++i) {
    const double barycentre = earth.v[i] + moon.v[i] / (1.0 + kEarthMoonMassRatio);
    g[i] = planet.v[i] - barycentre;
  }
  const double radians = (g[0] * g[4] - g[1] * g[3]) / (g[0] * g[0] + g[1] * g[1]);
  return radians * 180.0 / M_PI;
}

struct Station {
  bool retrograde;  // true: the rate turns negative here
  double jdUt;
};

// Every station of the body between two universal-time Julian days.
std::vector<Station> FindStations(int body, double fromJd, double toJd) {
  std::vector<Station> stations;
  double previousJd = fromJd;
  double previousRate = LongitudeRate(previousJd, body);
  for (double jd = fromJd + 1.0; jd <= toJd; jd += 1.0) {
    const double rate = LongitudeRate(jd, body);
    if ((previousRate > 0) != (rate > 0)) {
      const bool turnsBackwards = previousRate > 0;
      double low = previousJd;
      double high = jd;
      while (high - low > kRootTolerance) {
        const double middle = 0.5 * (low + high);
        if ((LongitudeRate(middle, body) > 0) == turnsBackwards) {
          low = middle;
        } else {
          high = middle;
        }
      }
      stations.push_back({turnsBackwards, 0.5 * (low + high)});
    }
    previousJd = jd;
    previousRate = rate;
  }
  return stations;
}

long MinutesSinceEpoch(double jdUt) { return std::lround((jdUt - kUnixEpochJd) * kMinutesPerDay); }

long MinutesSinceEpoch(const Moment& m) {
  const double jd = swe_julday(m.year, m.month, m.day, 0.0, SE_GREG_CAL);
  return std::lround((jd - kUnixEpochJd) * kMinutesPerDay) + m.hour * 60 + m.minute;
}

// Minutes since the day's midnight, 0..1439, for minutes before 1970 as well.
long MinuteOfDay(long minutes) { return ((minutes % 1440) + 1440) % 1440; }

Moment MomentOfMinutes(long minutes) {
  const long minuteOfDay = MinuteOfDay(minutes);
  const long days = (minutes - minuteOfDay) / 1440;
  int year = 0, month = 0, day = 0;
  double hours = 0;
  // Noon of the day keeps the calendar conversion clear of day boundaries.
  swe_revjul(kUnixEpochJd + static_cast<double>(days) + 0.5, SE_GREG_CAL, &year, &month, &day,
             &hours);
  return {month, day, year, static_cast<int>(minuteOfDay / 60), static_cast<int>(minuteOfDay % 60)};
}

bool NearMidnight(double jdUt) {
  const long minuteOfDay = MinuteOfDay(MinutesSinceEpoch(jdUt));
  return minuteOfDay <= kNearMidnightMinutes || minuteOfDay >= 1440 - kNearMidnightMinutes;
}

std::string Text(const Moment& m) {
  std::ostringstream out;
  out << m.month << ',' << m.day << ',' << m.year << ',' << m.hour << ',' << m.minute << ',';
  return out.str();
}

struct ComputedRow {
  double retrogradeJd;
  double directJd;
};

// Pairs each retrograde station with the direct station that follows it.
std::vector<ComputedRow> PairStations(const std::vector<Station>& stations) {
  std::vector<ComputedRow> rows;
  for (std::size_t i = 0; i + 1 < stations.size(); ++i) {
    if (!stations[i].retrograde) continue;
    if (stations[i + 1].retrograde) throw std::runtime_error("two retrograde stations in a row");
    rows.push_back({stations[i].jdUt, stations[i + 1].jdUt});
  }
  return rows;
}

// Index of the row whose chosen station is nearest to a moment; it must lie within a day.
std::size_t NearestRow(const std::vector<ComputedRow>& rows, const Moment& m, bool retrograde) {
  const long target = MinutesSinceEpoch(m);
  std::size_t best = 0;
  long bestDistance = -1;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const long distance =
        std::labs(MinutesSinceEpoch(retrograde ? rows[i].retrogradeJd : rows[i].directJd) - target);
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  if (bestDistance < 0 || bestDistance > 1440)
    throw std::runtime_error("no computed station near " + Text(m));
  return best;
}

struct Statistics {
  std::vector<long> referenceDifferences;  // |computed - published| in minutes
  int nearMidnight = 0;
  int stations = 0;
};

// The planet's rows as they go into the table: computed, with the reference rows
// replacing their computed counterparts.
std::vector<std::pair<Moment, Moment>> BuildTable(const PlanetSpec& planet,
                                                  Statistics& statistics) {
  const double fromJd = swe_julday(1899, 1, 1, 0.0, SE_GREG_CAL);
  const double toJd = swe_julday(2052, 1, 1, 0.0, SE_GREG_CAL);
  const std::vector<ComputedRow> all = PairStations(FindStations(planet.body, fromJd, toJd));

  const ReferenceRow& first = planet.reference.at(0);
  const ReferenceRow& last = planet.reference.at(1);
  const std::size_t begin = NearestRow(all, first.retrograde, true);
  const std::size_t end = NearestRow(all, last.direct, false) + 1;
  if (static_cast<int>(end - begin) != planet.rows || last.index != planet.rows - 1) {
    throw std::runtime_error(std::string(planet.name) + ": " + std::to_string(end - begin) +
                             " rows, expected " + std::to_string(planet.rows));
  }

  std::vector<std::pair<Moment, Moment>> table;
  for (std::size_t i = begin; i < end; ++i) {
    table.emplace_back(MomentOfMinutes(MinutesSinceEpoch(all[i].retrogradeJd)),
                       MomentOfMinutes(MinutesSinceEpoch(all[i].directJd)));
    statistics.nearMidnight += NearMidnight(all[i].retrogradeJd) + NearMidnight(all[i].directJd);
    statistics.stations += 2;
  }

  for (const ReferenceRow& reference : planet.reference) {
    const ComputedRow& computed = all[begin + static_cast<std::size_t>(reference.index)];
    const std::array<std::pair<double, Moment>, 2> pairs = {
        std::pair{computed.retrogradeJd, reference.retrograde},
        std::pair{computed.directJd, reference.direct}};
    for (const auto& [jd, published] : pairs) {
      const long difference = MinutesSinceEpoch(jd) - MinutesSinceEpoch(published);
      statistics.referenceDifferences.push_back(std::labs(difference));
      std::fprintf(stderr, "%-8s row %3d  published %-18s computed %-18s  %+ld min\n", planet.name,
                   reference.index, Text(published).c_str(),
                   Text(MomentOfMinutes(MinutesSinceEpoch(jd))).c_str(), difference);
      const Moment rounded = MomentOfMinutes(MinutesSinceEpoch(jd));
      const bool sameDate = rounded.year == published.year && rounded.month == published.month &&
                            rounded.day == published.day;
      if (!sameDate && std::labs(difference) > kReferenceTolerance) {
        throw std::runtime_error("reference station " + Text(published) +
                                 " is not on its computed date");
      }
    }
    table[static_cast<std::size_t>(reference.index)] = {reference.retrograde, reference.direct};
  }
  return table;
}

std::string Render(const std::vector<PlanetSpec>& planets,
                   const std::vector<std::vector<std::pair<Moment, Moment>>>& tables) {
  std::ostringstream out;
  out << "// Generated by tools/station_tables/generate_station_tables; do not edit by hand.\n"
         "//\n"
         "// Retrograde periods of Mercury .. Pluto, oldest first, one row per period:\n"
         "// {retrograde station}, {direct station}, each as month, day, year, hour, minute of\n"
         "// universal time. To regenerate (needs libswe-dev and swe-basic-data):\n"
         "//\n"
         "//   cmake -S tools/station_tables -B build/station_tables\n"
         "//   cmake --build build/station_tables\n"
         "//   build/station_tables/generate_station_tables --output src/retro/station_rows.h\n"
         "#pragma once\n\n"
         "#include <array>\n\n"
         "#include \"retro/station.h\"\n\n"
         "namespace velquor {\n";
  for (std::size_t p = 0; p < planets.size(); ++p) {
    out << "\ninline constexpr std::array<StationRow, " << tables[p].size() << "> "
        << planets[p].constant << " = {{\n";
    for (const auto& [r, d] : tables[p]) {
      out << "    {{" << r.month << ", " << r.day << ", " << r.year << ", " << r.hour << ", "
          << r.minute << "}, {" << d.month << ", " << d.day << ", " << d.year << ", " << d.hour
          << ", " << d.minute << "}},\n";
    }
    out << "}};\n";
  }
  out << "\n}  // namespace velquor\n";
  return out.str();
}

int Run(int argc, char** argv) {
  std::string output;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--ephe-path" && i + 1 < argc) {
      swe_set_ephe_path(argv[++i]);
    } else if (option == "--output" && i + 1 < argc) {
      output = argv[++i];
    } else {
      std::fprintf(stderr, "usage: %s [--ephe-path DIR] [--output FILE]\n", argv[0]);
      return 2;
    }
  }

  const std::vector<PlanetSpec> planets = Planets();
  std::vector<std::vector<std::pair<Moment, Moment>>> tables;
  Statistics statistics;
  for (const PlanetSpec& planet : planets) tables.push_back(BuildTable(planet, statistics));
  swe_close();

  std::vector<long> differences = statistics.referenceDifferences;
  std::sort(differences.begin(), differences.end());
  const std::size_t n = differences.size();
  const double median =
      n % 2 ? static_cast<double>(differences[n / 2])
            : 0.5 * static_cast<double>(differences[n / 2 - 1] + differences[n / 2]);
  std::fprintf(stderr, "reference stations: %zu, median difference %.1f min, largest %ld min\n", n,
               median, differences.back());
  std::fprintf(stderr, "stations within %ld min of midnight: %d of %d\n", kNearMidnightMinutes,
               statistics.nearMidnight, statistics.stations);

  const std::string text = Render(planets, tables);
  if (output.empty()) {
    std::cout << text;
  } else {
    std::ofstream file(output);
    file << text;
    if (!file) throw std::runtime_error("cannot write " + output);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "generate_station_tables: %s\n", e.what());
    return 1;
  }
}
