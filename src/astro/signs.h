// The twelve signs by index, 0 (Aries) .. 11 (Pisces), and their three-letter abbreviations.
#pragma once

#include <string_view>

namespace velquor {

// The twelve three-letter sign abbreviations, Aries first; sign index i owns the
// characters [3i, 3i+3).
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Abbreviation of sign index 0 (Aries) .. 11 (Pisces).
std::string_view SignAbbreviation(int signIndex);

// Index 0..11 of a three-letter abbreviation, first match in table order; -1 when unknown.
int SignIndexOfAbbreviation(std::string_view abbreviation);

}  // namespace velquor
