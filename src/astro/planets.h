// Sidereal longitudes of the Sun, Mercury .. Saturn and the lunar nodes from Keplerian
// elements.
#pragma once

#include <array>

#include "astro/universal_time.h"

namespace velquor {

// Keplerian elements of one body at one instant; angles in radians, L in 0..2*pi.
struct OrbitalElements {
  double a = 0.0;     // semi-major axis, astronomical units
  double e = 0.0;     // eccentricity
  double i = 0.0;     // inclination
  double node = 0.0;  // longitude of the ascending node
  double peri = 0.0;  // longitude of perihelion
  double L = 0.0;     // mean longitude
};

// Body indices of the orbital table.
enum PlanetBody : int {
  kMercury = 0,
  kVenus = 1,
  kEarthSun = 2,
  kMars = 3,
  kJupiter = 4,
  kSaturn = 5
};

// Sets `elements` for body 0..5 at d days from J2000.0; any other index leaves them unchanged.
void LoadOrbitalElements(int body, double d, OrbitalElements& elements);

// True anomaly in radians, 0..2*pi, for mean anomaly M (radians) and eccentricity e < 1.
double SolveKepler(double M, double e);

// Tropical geocentric ecliptic longitude in degrees (0..360) of body 0..5 at day number d.
double GeocentricLongitude(int body, double d);

// Day number d of the planets' elements for a local clock reading: the clock cut to its
// minute, converted with its correction rounded to whole minutes.
double PlanetDayNumber(const LocalInstant& at);

// A tropical longitude made sidereal: minus the ayanamsa (degrees, positive), folded up
// into 0..360.
double SiderealOf(double tropical, double ayanamsa);

// The Sun's tropical geocentric longitude in degrees (0..360) at day number d; the same
// value ComputePlanets makes sidereal.
double SunTropicalLongitude(double d);

// Sidereal longitudes in degrees, 0..360, of one instant.
struct PlanetLongitudes {
  std::array<double, 6> bodies{};  // by PlanetBody; kEarthSun holds the Sun
  double rahu = 0.0;               // the mean ascending node
  double ketu = 0.0;               // the point opposite
};

// Given: a local clock reading and its correction to universal time (seconds unused; the
// correction is rounded to whole minutes), and the ayanamsa in degrees (positive) that
// makes the longitudes sidereal.
// Returned: the sidereal longitudes of the Sun, Mercury .. Saturn and the nodes.
// Notes: tropical longitudes are of the J2000 equinox. The chart passes the ayanamsa of
// the birth moment for both of its planet runs, the birth and the reference sunrise.
PlanetLongitudes ComputePlanets(const LocalInstant& at, double ayanamsa);

}  // namespace velquor
