// The ten short position texts of a chart, in body order: Sun, Moon, Mercury, Venus, Mars,
// Jupiter, Saturn, Rahu, Ketu, ascendant.
#pragma once

#include <array>
#include <string>

#include "astro/planets.h"

namespace velquor {

inline constexpr std::size_t kBodyCount = 10;
inline constexpr std::size_t kSunBody = 0;
inline constexpr std::size_t kMoonBody = 1;
inline constexpr std::size_t kAscendantBody = 9;

using PositionTexts = std::array<std::string, kBodyCount>;

// The caption of each body's position text, in the same order, as every front end shows it.
inline constexpr std::array<const char*, kBodyCount> kPositionCaptions = {
    "Surya/Sun",    "Chandra/Moon", "Budha/Mercury",   "Shukra/Venus",    "Mangala/Mars",
    "Guru/Jupiter", "Shani/Saturn", "Rahu/North Node", "Ketu/South node", "Asc/Lagna"};

// Given: the planets and nodes of one instant, and the long texts of the Moon and the
// ascendant. Returned: each as ShortPosition(FormatLongitude(longitude)).
PositionTexts PositionTextsOf(const PlanetLongitudes& planets, const std::string& moonText,
                              const std::string& ascendantText);

}  // namespace velquor
