#include "astro/angles.h"

#include <cmath>

namespace velquor {

double NormalizeDegrees(double x) {
  if (x < 0.0) x += 360.0;
  if (x > 360.0) x -= 360.0;
  return x;
}

double ReduceRadians(double x) {
  const double q = x / kTwoPi;
  double r = (q - std::trunc(q)) * kTwoPi;
  if (r < 0.0) r += kTwoPi;
  return r;
}

double QuadrantAtan(double y, double x) {
  if (x > 0.0) return std::atan(y / x);
  const double signY = (y > 0.0) ? 1.0 : (y < 0.0 ? -1.0 : 0.0);
  if (x == 0.0) return signY * kPi / 2.0;
  return (kPi - std::atan(std::fabs(y / x))) * signY;
}

}  // namespace velquor
