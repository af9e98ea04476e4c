// The sixteen divisional charts (vargas) of Parashara: the sign and the degree a longitude
// falls in when each sign is divided into N parts, by each varga's own rule.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace velquor {

enum class Varga { D1, D2, D3, D4, D7, D9, D10, D12, D16, D20, D24, D27, D30, D40, D45, D60 };

inline constexpr std::size_t kVargaCount = 16;

// The sixteen, in the order of their numbers.
inline constexpr std::array<Varga, kVargaCount> kVargas = {
    Varga::D1,  Varga::D2,  Varga::D3,  Varga::D4,  Varga::D7,  Varga::D9,
    Varga::D10, Varga::D12, Varga::D16, Varga::D20, Varga::D24, Varga::D27,
    Varga::D30, Varga::D40, Varga::D45, Varga::D60};

// N: the parts of a sign, 1 .. 60.
int VargaDivisions(Varga varga);

// "D1" .. "D60", and the varga's name ("Rasi", "Hora", "Drekkana", "Chaturthamsa",
// "Saptamsa", "Navamsa", "Dasamsa", "Dwadasamsa", "Shodasamsa", "Vimsamsa",
// "Chaturvimsamsa", "Saptavimsamsa", "Trimsamsa", "Khavedamsa", "Akshavedamsa",
// "Shashtiamsa").
std::string_view VargaCode(Varga varga);
std::string_view VargaTitle(Varga varga);

// The varga of a code, "D9" or "d9"; nothing for any other text.
std::optional<Varga> VargaNamed(std::string_view code);

struct VargaPlace {
  int sign = 0;          // 0 (Aries) .. 11 (Pisces)
  double degree = 0.0;   // (d × N) mod 30, 0 <= degree < 30; 0 for D30, which has none
  bool hasDegree = true; // false for D30
};

// Given: a sidereal longitude in degrees (any value; folded into 0..360).
// Returned: the sign of the longitude's part in `varga`, with the varga degree.
// Notes: a part's lower boundary belongs to it. A longitude within 1e-9° of a boundary
// (30/N multiples, or D30's whole-degree bounds) is read as on it, so that the nearest
// double of an exact multiple (10/3 for D9) starts the next part as the rule means.
VargaPlace VargaPlaceOf(double longitude, Varga varga);

// VargaPlaceOf(longitude, v) for every varga v, in the order of kVargas, the longitude's
// sign read once: what a chart's sixteen vargas take.
std::array<VargaPlace, kVargaCount> AllVargaPlacesOf(double longitude);

// VargaPlaceOf(longitude, varga).sign.
int VargaSign(double longitude, Varga varga);

}  // namespace velquor
