// Sidereal longitudes of the Sun, Mercury .. Saturn and the lunar nodes from Keplerian
// elements, and the ten short position texts of a chart.
#pragma once

#include <array>
#include <string>

namespace velquor {

struct ChartContext;

// Keplerian elements of one body at one instant; angles in radians, L in 0..2*pi.
struct OrbitalElements {
  double a = 0.0;      // semi-major axis, astronomical units
  double e = 0.0;      // eccentricity
  double i = 0.0;      // inclination
  double node = 0.0;   // longitude of the ascending node
  double peri = 0.0;   // longitude of perihelion
  double L = 0.0;      // mean longitude
};

struct PlanetResult {
  std::array<std::string, 6> PlanetTexts;     // by body index 0 Mercury .. 5 Saturn (2 = Sun)
  std::string RahuText;
  std::string KetuText;
  std::array<std::string, 10> PositionTexts;  // Sun, Moon, Mercury .. Saturn, Rahu, Ketu, Asc
  double SunAtSunrise = 0.0;                  // sunrise mode only, degrees
  std::string SunAtSunriseText;               // sunrise mode only, short position text
};

// Body indices of the orbital table.
enum PlanetBody : int { kMercury = 0, kVenus = 1, kEarthSun = 2, kMars = 3, kJupiter = 4, kSaturn = 5 };

// Sets `elements` for body 0..5 at d days from J2000.0; any other index leaves them unchanged.
void LoadOrbitalElements(int body, double d, OrbitalElements& elements);

// True anomaly in radians, 0..2*pi, for mean anomaly M (radians) and eccentricity e < 1.
double SolveKepler(double M, double e);

// Tropical geocentric ecliptic longitude in degrees (0..360) of body 0..5 at day number d.
double GeocentricLongitude(int body, double d);

// Birth mode (chart.SunriseMode false) or sunrise mode; writes chart.planets.
void ComputePlanets(ChartContext& chart);

}  // namespace velquor
