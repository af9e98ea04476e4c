// The special lagnas of a chart, by their classical definitions: Bhava, Hora and Ghati
// lagnas, Sree, Varnada, Indu, Bhrigu Bindu, Kunda, Gulika and Mandi. They are computed
// beside a chart, from its birth instant to the second under its conventions, and leave
// the chart itself as it is.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "astro/date_time.h"
#include "chart/chart_result.h"
#include "pranapada/special_lagna_rules.h"

namespace velquor {

enum class SpecialLagna { Bhava, Hora, Ghati, Sree, Varnada, Indu, BhriguBindu, Kunda, Gulika, Mandi };

inline constexpr std::size_t kSpecialLagnaCount = 10;

inline constexpr std::array<SpecialLagna, kSpecialLagnaCount> kSpecialLagnas = {
    SpecialLagna::Bhava, SpecialLagna::Hora,        SpecialLagna::Ghati, SpecialLagna::Sree,
    SpecialLagna::Varnada, SpecialLagna::Indu,      SpecialLagna::BhriguBindu,
    SpecialLagna::Kunda, SpecialLagna::Gulika,      SpecialLagna::Mandi};

// "Bhava Lagna", "Hora Lagna", "Ghati Lagna", "Sree Lagna", "Varnada Lagna", "Indu Lagna",
// "Bhrigu Bindu", "Kunda Lagna", "Gulika", "Mandi".
std::string_view SpecialLagnaName(SpecialLagna lagna);
// The JSON key: "bhava", "hora", "ghati", "sree", "varnada", "indu", "bhrigu_bindu",
// "kunda", "gulika", "mandi".
std::string_view SpecialLagnaKey(SpecialLagna lagna);
// The chart tag: "BL", "HL", "GL", "SL", "VL", "IL", "BB", "KL", "Gk", "Md".
std::string_view SpecialLagnaTag(SpecialLagna lagna);

// The choices among the common ways of counting them.
struct SpecialLagnaOptions {
  VarnadaMethod varnada = VarnadaMethod::WholeSigns;
  PartMoment gulika = PartMoment::Start;  // where in Saturn's eighth Gulika is taken
  PartMoment mandi = PartMoment::Middle;  // and Mandi

  bool operator==(const SpecialLagnaOptions&) const = default;
};

// The choices' names, as options and JSON write them: "whole-signs", "longitudes";
// "start", "middle", "end". The readers give nothing for an unknown name.
std::string_view NameOf(VarnadaMethod method);
std::string_view NameOf(PartMoment moment);
std::optional<VarnadaMethod> VarnadaMethodNamed(std::string_view name);
std::optional<PartMoment> PartMomentNamed(std::string_view name);

struct SpecialLagnaPoint {
  bool available = false;  // false when a sunrise or sunset it needs does not happen
  double longitude = 0.0;  // sidereal degrees, 0 <= x < 360
  int sign = 0;            // 0 (Aries) .. 11
  int house = 1;           // 1 .. 12, from the chart's ascendant sign
  // True for a point the rule gives as a sign only (Indu; Varnada by whole signs): its
  // degrees within the sign are those of the point it is counted from (the Moon; the
  // ascendant).
  bool wholeSign = false;
};

struct SpecialLagnas {
  SpecialLagnaOptions options;
  std::array<SpecialLagnaPoint, kSpecialLagnaCount> points;

  // The time lagnas' count: the sunrise of the birth's day (the day before for a birth
  // before sunrise), local clock, and the seconds from it to the birth.
  bool hasSunrise = false;
  LocalDateTime sunrise;
  std::int64_t elapsedSeconds = 0;
  double sunAtSunrise = 0.0;

  // Gulika's and Mandi's span: the day or night of the birth, local clock, and the eighth
  // (1 .. 7) Saturn rules in it.
  bool hasSpan = false;
  bool byNight = false;
  LocalDateTime spanStart, spanEnd;
  int saturnPart = 1;

  // The birth-second ascendant and Moon the points are counted from.
  double ascendant = 0.0;
  double moon = 0.0;

  const SpecialLagnaPoint& operator[](SpecialLagna lagna) const {
    return points[static_cast<std::size_t>(lagna)];
  }
};

// The special lagnas of `chart` (a completed chart run) by its birth data and conventions.
// Every point reads the birth instant to the second: where the conventions' ascendant and
// Moon read the clock to the minute (the classic formulas), their formulas are evaluated at
// the birth second (ChartEngine::AscendantAt), as are Gulika's and Mandi's instants.
SpecialLagnas ComputeSpecialLagnas(const ChartResult& chart,
                                   const SpecialLagnaOptions& options = {});

}  // namespace velquor
