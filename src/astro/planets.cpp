#include "astro/planets.h"

#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/date_time.h"

namespace velquor {

namespace {

// Approximate Keplerian elements of the major planets, mean ecliptic and equinox of J2000:
// base values (a in AU, angles in degrees) and rates per Julian century (a and e per
// century, angles in arc seconds per century).
struct ElementRow {
  double a0, a1, e0, e1, i0, i1, node0, node1, peri0, peri1, L0, L1;
};

constexpr std::array<ElementRow, 6> kElements = {{
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     573.57, 252.25084, 538101628.29},
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, 210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, 1198.28, 100.46435, 129597740.63},
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    {5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17, 14.75385,
     839.93, 34.40438, 10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194,
     -1948.89, 49.94432, 4401052.95},
}};

// Newton's method converges in two or three steps for these orbits; the cap only keeps a
// value that is not a number from looping for ever.
constexpr int kKeplerIterationLimit = 50;
constexpr double kKeplerTolerance = 1e-12;

// Heliocentric ecliptic X and Y in astronomical units.
struct EclipticXY {
  double x = 0.0;
  double y = 0.0;
};

// The Earth's orbit is taken to lie in the ecliptic.
EclipticXY EarthPosition(double d) {
  OrbitalElements earth;
  LoadOrbitalElements(kEarthSun, d, earth);
  const double M = ReduceRadians(earth.L - earth.peri);
  const double nu = SolveKepler(M, earth.e);
  const double r = earth.a * (1.0 - earth.e * earth.e) / (1.0 + earth.e * std::cos(nu));
  return {r * std::cos(nu + earth.peri), r * std::sin(nu + earth.peri)};
}

// The Sun is the Earth seen in reverse: its own position is the origin.
EclipticXY BodyPosition(int body, double d) {
  if (body == kEarthSun) return {};
  OrbitalElements el;
  LoadOrbitalElements(body, d, el);
  const double M = ReduceRadians(el.L - el.peri);
  const double nu = SolveKepler(M, el.e);
  const double r = el.a * (1.0 - el.e * el.e) / (1.0 + el.e * std::cos(nu));
  const double u = nu + el.peri - el.node;
  return {r * (std::cos(el.node) * std::cos(u) - std::sin(u) * std::sin(el.node) * std::cos(el.i)),
          r * (std::sin(el.node) * std::cos(u) + std::sin(u) * std::cos(el.node) * std::cos(el.i))};
}

// Longitude of the body seen from the Earth, degrees 0..360 (exactly 360 is not folded).
double LongitudeFromEarth(const EclipticXY& body, const EclipticXY& earth) {
  double lambda = QuadrantAtan(body.y - earth.y, body.x - earth.x) * 180.0 / 3.14159265358979;
  while (lambda > 360.0) lambda -= 360.0;
  while (lambda < 0.0) lambda += 360.0;
  return lambda;
}

// Sidereal longitude of the mean ascending node. The shortened 3.1416 in the conversion
// and the one-degree shift are kept as the chart has always computed them.
double RahuSidereal(double d, double ayanamsa) {
  const double node = ReduceRadians((125.1228 - 0.0529538083 * d) * kDegToRad);
  double lambda = node * 180.0 / 3.1416 - 1.0 - ayanamsa;
  while (lambda < 0.0) lambda += 360.0;
  return lambda;
}

}  // namespace

void LoadOrbitalElements(int body, double d, OrbitalElements& elements) {
  if (body < 0 || body >= static_cast<int>(kElements.size())) return;
  const ElementRow& row = kElements[static_cast<std::size_t>(body)];
  const double T = d / 36525.0;
  elements.a = row.a0 + row.a1 * T;
  elements.e = row.e0 + row.e1 * T;
  elements.i = (row.i0 + row.i1 * T / 3600.0) * kDegToRad;
  elements.node = (row.node0 + row.node1 * T / 3600.0) * kDegToRad;
  elements.peri = (row.peri0 + row.peri1 * T / 3600.0) * kDegToRad;
  elements.L = ReduceRadians((row.L0 + row.L1 * T / 3600.0) * kDegToRad);
}

double SolveKepler(double M, double e) {
  double E = M + e * std::sin(M) * (1.0 + e * std::cos(M));
  for (int iteration = 0; iteration < kKeplerIterationLimit; ++iteration) {
    const double previous = E;
    E = previous - (previous - e * std::sin(previous) - M) / (1.0 - e * std::cos(previous));
    if (std::fabs(E - previous) <= kKeplerTolerance) break;
  }
  double nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
  if (nu < 0.0) nu += kTwoPi;
  return nu;
}

double GeocentricLongitude(int body, double d) {
  return LongitudeFromEarth(BodyPosition(body, d), EarthPosition(d));
}

double PlanetDayNumber(const LocalInstant& at) {
  LocalDateTime local = at.clock;
  local.second = 0;
  const double zoneMinutes = at.hoursToUniversal * 60.0;
  const LocalDateTime ut = AddMinutes(local, static_cast<std::int64_t>(std::lround(zoneMinutes)));
  return DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute);
}

double SiderealOf(double tropical, double ayanamsa) {
  double lambda = tropical - ayanamsa;
  while (lambda < 0.0) lambda += 360.0;
  return lambda;
}

double SunTropicalLongitude(double d) { return GeocentricLongitude(kEarthSun, d); }

PlanetLongitudes ComputePlanets(const LocalInstant& at, double ayanamsa) {
  const double d = PlanetDayNumber(at);
  const EclipticXY earth = EarthPosition(d);
  PlanetLongitudes out;
  for (int body = 0; body < 6; ++body) {
    out.bodies[static_cast<std::size_t>(body)] =
        SiderealOf(LongitudeFromEarth(BodyPosition(body, d), earth), ayanamsa);
  }
  out.rahu = RahuSidereal(d, ayanamsa);
  out.ketu = out.rahu + 180.0;
  while (out.ketu > 360.0) out.ketu -= 360.0;
  return out;
}

}  // namespace velquor
