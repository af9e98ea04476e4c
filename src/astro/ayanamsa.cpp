#include "astro/ayanamsa.h"

#include <cmath>

#include "astro/angles.h"

namespace velquor {

double AyanamsaCorrection(double T) {
  double node = (933060.0 - 6962911.0 * T + 7.5 * T * T) / 3600.0;
  while (node >= 360.0) node -= 360.0;
  const double twiceSun = (2013816.0 + 259205536.0 * T) / 3600.0;
  const double nutation =
      1.27 * std::sin(twiceSun * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
  const double v = nutation - T * (1.11 * T + 5025.64);
  return (v - 80861.27) / 3600.0;
}

}  // namespace velquor
