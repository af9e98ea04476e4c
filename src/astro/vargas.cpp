#include "astro/vargas.h"

#include <algorithm>
#include <cmath>

namespace velquor {

namespace {

struct VargaRow {
  Varga varga;
  int divisions;
  std::string_view code;
  std::string_view title;
};

constexpr std::array<VargaRow, kVargaCount> kRows = {{
    {Varga::D1, 1, "D1", "Rasi"},
    {Varga::D2, 2, "D2", "Hora"},
    {Varga::D3, 3, "D3", "Drekkana"},
    {Varga::D4, 4, "D4", "Chaturthamsa"},
    {Varga::D7, 7, "D7", "Saptamsa"},
    {Varga::D9, 9, "D9", "Navamsa"},
    {Varga::D10, 10, "D10", "Dasamsa"},
    {Varga::D12, 12, "D12", "Dwadasamsa"},
    {Varga::D16, 16, "D16", "Shodasamsa"},
    {Varga::D20, 20, "D20", "Vimsamsa"},
    {Varga::D24, 24, "D24", "Chaturvimsamsa"},
    {Varga::D27, 27, "D27", "Saptavimsamsa"},
    {Varga::D30, 30, "D30", "Trimsamsa"},
    {Varga::D40, 40, "D40", "Khavedamsa"},
    {Varga::D45, 45, "D45", "Akshavedamsa"},
    {Varga::D60, 60, "D60", "Shashtiamsa"},
}};

constexpr const VargaRow& RowOf(Varga varga) { return kRows[static_cast<std::size_t>(varga)]; }

// Longitudes this close to a boundary are read as on it.
constexpr double kBoundaryTolerance = 1e-9;  // degrees

// The whole part and the fraction of x >= 0, with x read as the whole number it lies
// within `tolerance` of.
struct WholeAndFraction {
  double whole;
  double fraction;
};

WholeAndFraction Split(double x, double tolerance) {
  // x >= 0 here, and below 720: truncation is the floor, without a library call.
  auto whole = static_cast<double>(static_cast<int>(x));
  double fraction = x - whole;
  if (1.0 - fraction < tolerance) {
    whole += 1.0;
    fraction = 0.0;
  } else if (fraction < tolerance) {
    fraction = 0.0;
  }
  return {whole, fraction};
}

constexpr bool IsOdd(int sign) { return sign % 2 == 0; }  // Aries, Gemini, ... by index

enum : int { kAries = 0, kTaurus, kGemini, kCancer, kLeo, kVirgo, kLibra, kScorpio,
             kSagittarius, kCapricorn, kAquarius, kPisces };

// The first sign of the series by the kind of sign: movable, fixed, dual.
constexpr int ByModality(int sign, int movable, int fixed, int dual) {
  switch (sign % 3) {
    case 0:
      return movable;
    case 1:
      return fixed;
    default:
      return dual;
  }
}

// The first sign of the series by element: fire, earth, air, water.
constexpr int ByElement(int sign, int fire, int earth, int air, int water) {
  switch (sign % 4) {
    case 0:
      return fire;
    case 1:
      return earth;
    case 2:
      return air;
    default:
      return water;
  }
}

// The sign of part l (0 .. N-1) of sign s in an equally divided varga.
constexpr int EqualPartSign(Varga varga, int s, int l) {
  const bool odd = IsOdd(s);
  int start = s;
  switch (varga) {
    case Varga::D1:
    case Varga::D12:
    case Varga::D60:
      start = s;
      break;
    case Varga::D2:
      // Odd signs: Leo then Cancer; even signs: Cancer then Leo.
      return (odd == (l == 0)) ? kLeo : kCancer;
    case Varga::D3:
      return (s + 4 * l) % 12;
    case Varga::D4:
      return (s + 3 * l) % 12;
    case Varga::D7:
      start = odd ? s : s + 6;
      break;
    case Varga::D9:
      return (9 * s + l) % 12;
    case Varga::D10:
      start = odd ? s : s + 8;
      break;
    case Varga::D16:
    case Varga::D45:
      start = ByModality(s, kAries, kLeo, kSagittarius);
      break;
    case Varga::D20:
      start = ByModality(s, kAries, kSagittarius, kLeo);
      break;
    case Varga::D24:
      start = odd ? kLeo : kCancer;
      break;
    case Varga::D27:
      start = ByElement(s, kAries, kCancer, kLibra, kCapricorn);
      break;
    case Varga::D40:
      start = odd ? kAries : kLibra;
      break;
    case Varga::D30:
      break;  // unequal parts: Trimsamsa below
  }
  return (start + l) % 12;
}

// The Trimsamsa of `degree` (0 <= degree < 30, whole-degree bounds exact) in sign s.
int TrimsamsaSign(int s, double degree) {
  if (IsOdd(s)) {
    if (degree < 5.0) return kAries;
    if (degree < 10.0) return kAquarius;
    if (degree < 18.0) return kSagittarius;
    if (degree < 25.0) return kGemini;
    return kLibra;
  }
  if (degree < 5.0) return kTaurus;
  if (degree < 12.0) return kVirgo;
  if (degree < 20.0) return kPisces;
  if (degree < 25.0) return kCapricorn;
  return kScorpio;
}

double FoldCircle(double longitude) {
  if (longitude >= 0.0 && longitude < 360.0) return longitude;
  double x = std::fmod(longitude, 360.0);
  if (x < 0.0) x += 360.0;
  return x >= 360.0 ? 0.0 : x;
}

// Every equally divided varga counts on by a fixed step from the sign of its first part:
// the sign of part l is (start + step × l) mod 12, start and step by varga and sign.
struct PartSeries {
  std::array<std::array<int, 12>, kVargaCount> start{}, step{};
};

constexpr PartSeries MakePartSeries() {
  PartSeries series;
  for (std::size_t i = 0; i < kVargaCount; ++i) {
    if (kRows[i].varga == Varga::D30) continue;
    for (int s = 0; s < 12; ++s) {
      const int start = EqualPartSign(kRows[i].varga, s, 0);
      series.start[i][static_cast<std::size_t>(s)] = start;
      series.step[i][static_cast<std::size_t>(s)] =
          kRows[i].divisions > 1 ? (EqualPartSign(kRows[i].varga, s, 1) - start + 12) % 12 : 0;
    }
  }
  return series;
}

constexpr PartSeries kPartSeries = MakePartSeries();

}  // namespace

std::array<VargaPlace, kVargaCount> AllVargaPlacesOf(double longitude) {
  const WholeAndFraction signs =
      Split(FoldCircle(longitude) * (1.0 / 30.0), kBoundaryTolerance * (1.0 / 30.0));
  const int s = static_cast<int>(signs.whole) % 12;
  const auto sign = static_cast<std::size_t>(s);
  std::array<VargaPlace, kVargaCount> out;
  for (std::size_t i = 0; i < kVargaCount; ++i) {
    const int n = kRows[i].divisions;
    if (n == 30) {
      const WholeAndFraction degrees = Split(30.0 * signs.fraction, kBoundaryTolerance);
      out[i] = {TrimsamsaSign(s, degrees.whole + degrees.fraction), 0.0, false};
      continue;
    }
    const WholeAndFraction parts = Split(signs.fraction * n, kBoundaryTolerance * n / 30.0);
    const int l = std::min(static_cast<int>(parts.whole), n - 1);
    out[i] = {(kPartSeries.start[i][sign] + kPartSeries.step[i][sign] * l) % 12,
              30.0 * parts.fraction, true};
  }
  return out;
}

int VargaDivisions(Varga varga) { return RowOf(varga).divisions; }
std::string_view VargaCode(Varga varga) { return RowOf(varga).code; }
std::string_view VargaTitle(Varga varga) { return RowOf(varga).title; }

std::optional<Varga> VargaNamed(std::string_view code) {
  if (code.size() < 2 || (code[0] != 'D' && code[0] != 'd')) return std::nullopt;
  for (const VargaRow& row : kRows) {
    if (code.substr(1) == row.code.substr(1)) return row.varga;
  }
  return std::nullopt;
}

VargaPlace VargaPlaceOf(double longitude, Varga varga) {
  // The sign and the fraction of it passed, a boundary within the tolerance read as on it;
  // multiplications by rounded constants stay far inside the tolerance.
  const WholeAndFraction signs =
      Split(FoldCircle(longitude) * (1.0 / 30.0), kBoundaryTolerance * (1.0 / 30.0));
  const int s = static_cast<int>(signs.whole) % 12;
  if (varga == Varga::D30) {
    // The Trimsamsa's bounds are whole degrees.
    const WholeAndFraction degrees = Split(30.0 * signs.fraction, kBoundaryTolerance);
    return {TrimsamsaSign(s, degrees.whole + degrees.fraction), 0.0, false};
  }
  const int n = VargaDivisions(varga);
  const WholeAndFraction parts = Split(signs.fraction * n, kBoundaryTolerance * n / 30.0);
  const int l = std::min(static_cast<int>(parts.whole), n - 1);
  return {EqualPartSign(varga, s, l), 30.0 * parts.fraction, true};
}

int VargaSign(double longitude, Varga varga) { return VargaPlaceOf(longitude, varga).sign; }

}  // namespace velquor
