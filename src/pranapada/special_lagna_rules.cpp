#include "pranapada/special_lagna_rules.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace velquor {

namespace {

constexpr bool IsOddSign(int sign) { return sign % 2 == 0; }

constexpr double kNakshatraWidth = 40.0 / 3.0;  // 13° 20'

// Whole-sign count of a sign: from Aries (1) for odd, back from Pisces (1) for even.
int SignCount(int sign) { return IsOddSign(sign) ? sign + 1 : 12 - sign; }

int SignOf(double longitude) { return static_cast<int>(FoldDegrees(longitude) / 30.0) % 12; }

// The same count in degrees.
double DegreeCount(double longitude) {
  const double x = FoldDegrees(longitude);
  return IsOddSign(SignOf(x)) ? x : 360.0 - x;
}

// Lords of the signs Aries .. Pisces by their kalas.
constexpr std::array<int, 12> kLordKalas = {6, 12, 8, 16, 30, 8, 12, 6, 10, 1, 1, 10};

}  // namespace

double FoldDegrees(double x) {
  double r = std::fmod(x, 360.0);
  if (r < 0.0) r += 360.0;
  return r >= 360.0 ? 0.0 : r;
}

double TimeLagna(double sunAtSunrise, double elapsedSeconds, double rate) {
  return FoldDegrees(sunAtSunrise + rate * (elapsedSeconds / 60.0));
}

double SreeLagna(double ascendant, double moon) {
  const double passed = std::fmod(FoldDegrees(moon), kNakshatraWidth) / kNakshatraWidth;
  return FoldDegrees(ascendant + 360.0 * passed);
}

int VarnadaSignBySigns(int ascendantSign, int horaSign) {
  const int a = SignCount(ascendantSign);
  const int h = SignCount(horaSign);
  int count = IsOddSign(ascendantSign) == IsOddSign(horaSign) ? a + h : std::abs(a - h);
  count %= 12;
  if (count == 0) count = 12;
  return IsOddSign(ascendantSign) ? count - 1 : 12 - count;
}

double VarnadaByLongitudes(double ascendant, double hora) {
  const double a = DegreeCount(ascendant);
  const double h = DegreeCount(hora);
  const bool sameParity = IsOddSign(SignOf(ascendant)) == IsOddSign(SignOf(hora));
  const double count = FoldDegrees(sameParity ? a + h : std::fabs(a - h));
  return IsOddSign(SignOf(ascendant)) ? count : FoldDegrees(360.0 - count);
}

int LordKala(int sign) { return kLordKalas[static_cast<std::size_t>(((sign % 12) + 12) % 12)]; }

int InduSign(int ascendantSign, int moonSign) {
  int n = (LordKala(ascendantSign + 8) + LordKala(moonSign + 8)) % 12;
  if (n == 0) n = 12;
  return (moonSign + n - 1) % 12;
}

double BhriguBindu(double rahu, double moon) {
  return FoldDegrees(rahu + FoldDegrees(moon - rahu) / 2.0);
}

double KundaLagna(double ascendant) { return FoldDegrees(FoldDegrees(ascendant) * 81.0); }

double PartFraction(PartMoment moment) {
  switch (moment) {
    case PartMoment::Start:
      return 0.0;
    case PartMoment::Middle:
      return 0.5;
    case PartMoment::End:
      return 1.0;
  }
  return 0.0;
}

int SaturnPart(int weekday, bool night) {
  constexpr int kSaturn = 6;
  const int firstLord = (weekday + (night ? 4 : 0)) % 7;
  return (kSaturn - firstLord + 7) % 7;
}

}  // namespace velquor
