// Sidereal (Lahiri) longitudes of the Sun, the Moon, Mercury .. Saturn and the mean lunar
// node, the sidereal ascendant and the ayanamsa, from the Swiss Ephemeris and its data
// files (JPL DE431-based; the standard files sepl_18.se1 and semo_18.se1 cover the years
// 1800..2399). Precise to well under an arc second, where the almanac formulas of moon.h,
// planets.h and ascendant.h are good to arc minutes.
//
// Data folder: the environment variable VELQUOR_EPHE_PATH when set and not empty (one
// folder, or several separated by ':'), otherwise kDefaultEphemerisFolder, where the
// Debian package swe-basic-data installs the files. Each thread reads the variable once,
// before its first computation. The Swiss Ephemeris itself gives its own variable
// SE_EPHE_PATH priority over both when that is set: a program's main calls
// PreferVelquorEphemerisPath first, so that VELQUOR_EPHE_PATH wins. A folder list longer
// than the library's buffer takes (kMaxEphemerisPathLength), in either variable, is an
// EphemerisUnavailable naming the variable, where the library would pass it over silently.
//
// Threads: the Swiss Ephemeris keeps its state (data folder, sidereal mode, open files) per
// thread. Every routine here prepares the calling thread on first use, so all of them may
// be called from any number of threads at once; a thread's files close when it ends.
#pragma once

#include <cstddef>
#include <stdexcept>

namespace velquor {

// Debian's folder of the Swiss Ephemeris data files (package swe-basic-data).
inline constexpr const char* kDefaultEphemerisFolder = "/usr/share/libswe/ephe";

// The longest folder list the Swiss Ephemeris keeps (its buffer of 256 characters, less the
// file name it appends and the final zero); a longer one the library passes over.
inline constexpr std::size_t kMaxEphemerisPathLength = 242;

// For a program's main, before any thread computes: when VELQUOR_EPHE_PATH is set and not
// empty, removes SE_EPHE_PATH from the process's environment, which the library would
// otherwise prefer. Changes the environment: not to be called while other threads run.
void PreferVelquorEphemerisPath();

// The Swiss Ephemeris data files cannot be used (missing, unreadable, or the date lies
// outside the years they cover). The message names the file and the Debian package
// swe-basic-data. We never fall back to the library's lower-precision built-in model.
struct EphemerisUnavailable : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Julian Day in universal time of a proleptic Gregorian civil date and time.
// Given: year (astronomical), month 1..12, day 1..31, hours of universal time (fraction
// allowed; values outside 0..24 run into the neighbouring days).
// Returned: the Julian Day, e.g. 2451545.0 for 2000-01-01 12:00 UT.
double JulianDayUt(int year, int month, int day, double hours);

// Sidereal Lahiri longitudes in degrees, each 0 <= x < 360.
struct PreciseBodies {
  double sun = 0.0;
  double moon = 0.0;
  double mercury = 0.0;
  double venus = 0.0;
  double mars = 0.0;
  double jupiter = 0.0;
  double saturn = 0.0;
  double meanNode = 0.0;  // mean ascending node of the Moon (Rahu); Ketu lies opposite
};

// Sidereal longitudes of the bodies at an instant.
// Given: jdUt, Julian Day in universal time (data files of the standard set: 1800..2399).
// Returned: apparent geocentric positions (light time, aberration, nutation) less the
// Lahiri ayanamsa of PreciseAyanamsa: tropical = sidereal + PreciseAyanamsa(jdUt).
// Throws: EphemerisUnavailable when the data files cannot be used for this date.
PreciseBodies PreciseLongitudes(double jdUt);

// The Sun alone and the Moon alone, as PreciseLongitudes gives them.
double PreciseSunLongitude(double jdUt);
double PreciseMoonLongitude(double jdUt);

// Sidereal Lahiri ascendant (the ecliptic degree rising in the east) in degrees, 0..360.
// Given: jdUt, Julian Day in universal time; latitude in degrees, North positive, -90..90;
// longitudeEast in degrees, East positive, -180..180.
// Notes: needs no data files. Within the polar circles, where the ecliptic can lie along the
// horizon, the value is the library's standard formula, taken as it comes.
// Throws: std::runtime_error if the Swiss Ephemeris reports an error.
double PreciseAscendant(double jdUt, double latitude, double longitudeEast);

// The Lahiri ayanamsa in degrees: the mean value plus the nutation in longitude, the one
// PreciseLongitudes and PreciseAscendant subtract (about 23.853 at 2000-01-01 12:00 UT).
// Notes: needs no data files.
// Throws: std::runtime_error if the Swiss Ephemeris reports an error.
double PreciseAyanamsa(double jdUt);

}  // namespace velquor
