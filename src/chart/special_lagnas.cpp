#include "chart/special_lagnas.h"

#include <cmath>

#include "astro/vargas.h"
#include "chart/chart_engine.h"

namespace velquor {

namespace {

constexpr std::size_t kRahuBody = 7;  // in the chart's body order

struct LagnaRow {
  SpecialLagna lagna;
  std::string_view name, key, tag;
};

constexpr std::array<LagnaRow, kSpecialLagnaCount> kLagnaRows = {{
    {SpecialLagna::Bhava, "Bhava Lagna", "bhava", "BL"},
    {SpecialLagna::Hora, "Hora Lagna", "hora", "HL"},
    {SpecialLagna::Ghati, "Ghati Lagna", "ghati", "GL"},
    {SpecialLagna::Sree, "Sree Lagna", "sree", "SL"},
    {SpecialLagna::Varnada, "Varnada Lagna", "varnada", "VL"},
    {SpecialLagna::Indu, "Indu Lagna", "indu", "IL"},
    {SpecialLagna::BhriguBindu, "Bhrigu Bindu", "bhrigu_bindu", "BB"},
    {SpecialLagna::Kunda, "Kunda Lagna", "kunda", "KL"},
    {SpecialLagna::Gulika, "Gulika", "gulika", "Gk"},
    {SpecialLagna::Mandi, "Mandi", "mandi", "Md"},
}};

const LagnaRow& RowOf(SpecialLagna lagna) { return kLagnaRows[static_cast<std::size_t>(lagna)]; }

SpecialLagnaPoint PointAt(double longitude, int ascSign) {
  SpecialLagnaPoint point;
  point.available = true;
  point.longitude = FoldDegrees(longitude);
  point.sign = VargaSign(point.longitude, Varga::D1);
  point.house = (point.sign - (ascSign - 1) + 12) % 12 + 1;
  return point;
}

// A point given as a sign, with the degrees within the sign of the point it counts from.
SpecialLagnaPoint SignPoint(int sign, double degreesFrom, int ascSign) {
  const double inSign = FoldDegrees(degreesFrom) - 30.0 * VargaSign(degreesFrom, Varga::D1);
  SpecialLagnaPoint point = PointAt(30.0 * sign + (inSign > 0.0 ? inSign : 0.0), ascSign);
  point.sign = sign;
  point.house = (sign - (ascSign - 1) + 12) % 12 + 1;
  point.wholeSign = true;
  return point;
}

double SecondsFrom(const LocalDateTime& from, const LocalDateTime& to) {
  return static_cast<double>(SecondsBetween(from, to));
}

}  // namespace

std::string_view SpecialLagnaName(SpecialLagna lagna) { return RowOf(lagna).name; }
std::string_view SpecialLagnaKey(SpecialLagna lagna) { return RowOf(lagna).key; }
std::string_view SpecialLagnaTag(SpecialLagna lagna) { return RowOf(lagna).tag; }

std::string_view NameOf(VarnadaMethod method) {
  return method == VarnadaMethod::Longitudes ? "longitudes" : "whole-signs";
}

std::string_view NameOf(PartMoment moment) {
  switch (moment) {
    case PartMoment::Start:
      return "start";
    case PartMoment::Middle:
      return "middle";
    case PartMoment::End:
      return "end";
  }
  return "start";
}

std::optional<VarnadaMethod> VarnadaMethodNamed(std::string_view name) {
  for (const VarnadaMethod method : {VarnadaMethod::WholeSigns, VarnadaMethod::Longitudes}) {
    if (name == NameOf(method)) return method;
  }
  return std::nullopt;
}

std::optional<PartMoment> PartMomentNamed(std::string_view name) {
  for (const PartMoment moment : {PartMoment::Start, PartMoment::Middle, PartMoment::End}) {
    if (name == NameOf(moment)) return moment;
  }
  return std::nullopt;
}

SpecialLagnas ComputeSpecialLagnas(const ChartResult& chart, const SpecialLagnaOptions& options) {
  SpecialLagnas out;
  out.options = options;
  const ChartEngine engine(chart.birth, chart.conventions);
  const LocalDateTime& birth = chart.BirthMoment;
  const int ascSign = chart.AscSign;
  const auto set = [&](SpecialLagna lagna, const SpecialLagnaPoint& point) {
    out.points[static_cast<std::size_t>(lagna)] = point;
  };

  // The ascendant and the Moon at the birth second.
  out.ascendant = chart.ascendant.AscendantSidereal;
  out.moon = chart.moon.MoonSidereal;
  if (!engine.ReadsSeconds() && birth.second != 0) {
    out.ascendant = engine.AscendantAt(birth, 0.0);
    out.moon = engine.MoonAt(birth, 0.0);
  }

  // The time lagnas count forward from the sunrise of the birth's day, through the night.
  const SunDay& before = chart.sunDays[0];
  const SunDay& today = chart.sunDays[1];
  const SunDay& after = chart.sunDays[2];
  const std::optional<LocalDateTime>& sunrise =
      today.sunrise && birth < *today.sunrise ? before.sunrise : today.sunrise;
  if (sunrise) {
    out.hasSunrise = true;
    out.sunrise = *sunrise;
    out.elapsedSeconds = SecondsBetween(*sunrise, birth);
    const bool chartsOwnSun = *sunrise == chart.ReferenceSunrise &&
                              chart.conventions.pranapadaSun == PranapadaSunConvention::AtSunrise;
    out.sunAtSunrise = chartsOwnSun
                           ? chart.SunAtSunrise
                           : engine.Sun(*sunrise, std::fabs(chart.ascendant.AyanamsaOffset));
    const auto elapsed = static_cast<double>(out.elapsedSeconds);
    set(SpecialLagna::Bhava, PointAt(TimeLagna(out.sunAtSunrise, elapsed, kBhavaRate), ascSign));
    set(SpecialLagna::Hora, PointAt(TimeLagna(out.sunAtSunrise, elapsed, kHoraRate), ascSign));
    set(SpecialLagna::Ghati, PointAt(TimeLagna(out.sunAtSunrise, elapsed, kGhatiRate), ascSign));
    const double hora = out[SpecialLagna::Hora].longitude;
    if (options.varnada == VarnadaMethod::Longitudes) {
      set(SpecialLagna::Varnada, PointAt(VarnadaByLongitudes(out.ascendant, hora), ascSign));
    } else {
      const int sign =
          VarnadaSignBySigns(VargaSign(out.ascendant, Varga::D1), VargaSign(hora, Varga::D1));
      set(SpecialLagna::Varnada, SignPoint(sign, out.ascendant, ascSign));
    }
  }

  set(SpecialLagna::Sree, PointAt(SreeLagna(out.ascendant, out.moon), ascSign));
  set(SpecialLagna::Indu,
      SignPoint(InduSign(VargaSign(out.ascendant, Varga::D1), VargaSign(out.moon, Varga::D1)),
                out.moon, ascSign));
  set(SpecialLagna::BhriguBindu,
      PointAt(BhriguBindu(chart.longitudes[kRahuBody], out.moon), ascSign));
  set(SpecialLagna::Kunda, PointAt(KundaLagna(out.ascendant), ascSign));

  // Gulika and Mandi: the day (sunrise to sunset) or the night (sunset to the next sunrise)
  // the birth falls in, in eight equal parts.
  std::optional<LocalDateTime> spanStart, spanEnd;
  LocalDateTime weekdayDate = birth;
  if (today.sunrise && birth < *today.sunrise) {
    spanStart = before.sunset;
    spanEnd = today.sunrise;
    weekdayDate = AddDays(birth, -1);
    out.byNight = true;
  } else if (today.sunset && birth > *today.sunset) {
    spanStart = today.sunset;
    spanEnd = after.sunrise;
    out.byNight = true;
  } else {
    spanStart = today.sunrise;
    spanEnd = today.sunset;
  }
  if (spanStart && spanEnd) {
    out.hasSpan = true;
    out.spanStart = *spanStart;
    out.spanEnd = *spanEnd;
    const int weekday = DaysSinceSunday(weekdayDate.year, weekdayDate.month, weekdayDate.day);
    const int part = SaturnPart(weekday, out.byNight);
    out.saturnPart = part + 1;
    const double eighth = SecondsFrom(*spanStart, *spanEnd) / 8.0;
    const auto at = [&](PartMoment moment) {
      return PointAt(engine.AscendantAt(*spanStart, eighth * (part + PartFraction(moment))),
                     ascSign);
    };
    set(SpecialLagna::Gulika, at(options.gulika));
    set(SpecialLagna::Mandi, options.mandi == options.gulika ? out[SpecialLagna::Gulika]
                                                             : at(options.mandi));
  }
  return out;
}

}  // namespace velquor
