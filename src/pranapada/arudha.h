// Arudha padas of the twelve houses, each tagged in the chart's special-point cell of its sign.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velquor {

// State kept between the twelve calls of one chart run; reset before the first.
struct ArudhaState {
  int HouseCount = 0;
  int LordSign = 0;        // 1..12
  int HouseSign = 0;       // 1..12
  int FirstHouseSign = 0;  // the ascendant's sign
  int FirstLordSign = 0;   // the sign of the ascendant's lord
  int AscFactor = 0;       // SignFactor of the ascendant's sign
  int MoonFactor = 0;      // SignFactor of the Moon's sign

  // Sign numbers of the ten bodies, read from their position texts on the first call;
  // the texts do not change during the twelve calls.
  std::array<int, 10> BodySigns{};
};

// The planet that rules sign index 0 (Aries) .. 11 (Pisces), by its chart name.
std::string_view SignLord(int signIndex);

// The factor of sign number 1 (Aries) .. 12 (Pisces) that the factor point adds up.
int SignFactor(int signNumber);

// The ten bodies as the scan reads them: short position texts of the birth moment and
// chart names (" (R) " after a retrograde planet), both in body order Sun .. Asc.
struct ArudhaBodies {
  const std::array<std::string, 10>& positionTexts;
  const std::array<std::string, 10>& chartNames;
};

// One house of the arudha scan. Called twelve times per chart, for the ascendant's sign
// and then the following signs in zodiac order, with lordName = SignLord(signIndex); the
// house is told by the call count, so signIndex itself takes no part.
// Returned: the sign index (0..11) of the house's arudha pada, which the chart tags; after
// the first call, state.FirstLordSign (1..12) is the sign of the ascendant's lord, which
// the chart tags too.
// Notes: the arudha never falls in the house itself nor in the seventh from it: both
// move to the tenth sign from there.
int MarkArudhaPada(ArudhaState& state, const ArudhaBodies& bodies, int signIndex,
                   std::string_view lordName);

}  // namespace velquor
