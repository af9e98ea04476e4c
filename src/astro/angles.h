// Angle constants and the folds and arc tangent shared by the engine's routines.
//
// Angles cross these interfaces in decimal degrees unless a routine says radians.
#pragma once

namespace velquor {

// Stored constants, kept at the precision the chart has always used.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;

// One-step fold: adds 360 once when x < 0, then subtracts 360 once when x > 360.
// Inputs in -360..720 end in 0..360 inclusive; 360 stays 360.
double NormalizeDegrees(double x);

// x in radians reduced to 0 <= r < 2*pi (by the stored 2*pi).
double ReduceRadians(double x);

// Two-argument arc tangent in radians, -pi < r < pi.
// Notes: the negative x axis (y = 0, x < 0) gives 0, not pi; (0, 0) gives 0.
double QuadrantAtan(double y, double x);

}  // namespace velquor
