// The classical rules of the special lagnas, as arithmetic on longitudes and signs: the
// time lagnas (Bhava, Hora, Ghati), Sree, Varnada, Indu, Bhrigu Bindu, Kunda, and which
// eighth of the day or night Saturn rules for Gulika and Mandi. Degrees are sidereal,
// signs are indices 0 (Aries) .. 11 (Pisces).
#pragma once

namespace velquor {

// Degrees of arc per minute of time since sunrise.
inline constexpr double kBhavaRate = 0.25;
inline constexpr double kHoraRate = 0.5;
inline constexpr double kGhatiRate = 1.25;

// x folded into 0 <= r < 360.
double FoldDegrees(double x);

// A time lagna: the Sun at the sunrise plus `rate` degrees for every minute of
// `elapsedSeconds` (>= 0, fractions kept), folded.
double TimeLagna(double sunAtSunrise, double elapsedSeconds, double rate);

// Sree lagna: the ascendant plus 360° times the fraction of the Moon's nakshatra (exactly
// 13° 20' each, from 0° Aries) already passed.
double SreeLagna(double ascendant, double moon);

// The two methods of the Varnada lagna.
enum class VarnadaMethod {
  WholeSigns,  // counts of whole signs: from Aries for an odd sign, back from Pisces for an even one
  Longitudes,  // the same counts in degrees: the longitude, or 360° less it
};

// Varnada lagna of the ascendant and the Hora lagna (unrounded). Each is counted from Aries
// when its sign is odd (Aries, Gemini, ...), back from Pisces when even; the counts are
// added when the two parities agree, else the smaller taken from the larger; the result
// is counted again from Aries (odd ascendant) or back from Pisces (even ascendant).
// Returned: the sign index for WholeSigns (counts of 12 read as 12, a difference of 0 as
// 12), the longitude for Longitudes.
int VarnadaSignBySigns(int ascendantSign, int horaSign);
double VarnadaByLongitudes(double ascendant, double hora);

// The kala of the lord of a sign: Sun 30, Moon 16, Mars 6, Mercury 8, Jupiter 10,
// Venus 12, Saturn 1.
int LordKala(int sign);

// Indu lagna: n = (kala of the 9th lord from the ascendant + kala of the 9th lord from the
// Moon) mod 12, 0 read as 12; the n-th sign from the Moon's sign (the Moon's own is the 1st).
int InduSign(int ascendantSign, int moonSign);

// Bhrigu Bindu: the midpoint of the arc from Rahu forward to the Moon.
double BhriguBindu(double rahu, double moon);

// Kunda lagna: (ascendant × 81) mod 360.
double KundaLagna(double ascendant);

// Where in Saturn's eighth its point is taken.
enum class PartMoment { Start, Middle, End };

// The fraction of a part: 0, 1/2, 1.
double PartFraction(PartMoment moment);

// The eighth (0 .. 6) of a day (sunrise to sunset) or night (sunset to sunrise) that Saturn
// rules: the eighths are ruled in weekday order (Sun, Moon, Mars, Mercury, Jupiter, Venus,
// Saturn) from the day's lord by day, from the fifth lord from it by night; the eighth
// eighth has no lord. `weekday` counts from Sunday, 0 .. 6.
int SaturnPart(int weekday, bool night);

}  // namespace velquor
