// Full English names of the twelve signs by sign index, Aries first.
#pragma once

#include <array>

namespace velquor {

inline constexpr std::array<const char*, 12> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

}  // namespace velquor
