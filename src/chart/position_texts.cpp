#include "chart/position_texts.h"

#include "astro/position_text.h"

namespace velquor {

namespace {

std::string ShortText(double longitude) { return ShortPosition(FormatLongitude(longitude)); }

}  // namespace

PositionTexts PositionTextsOf(const PlanetLongitudes& planets, const std::string& moonText,
                              const std::string& ascendantText) {
  const auto body = [&](PlanetBody b) {
    return ShortText(planets.bodies[static_cast<std::size_t>(b)]);
  };
  return {body(kEarthSun),
          ShortPosition(moonText),
          body(kMercury),
          body(kVenus),
          body(kMars),
          body(kJupiter),
          body(kSaturn),
          ShortText(planets.rahu),
          ShortText(planets.ketu),
          ShortPosition(ascendantText)};
}

}  // namespace velquor
