#include "chart/chart_run.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "astro/ascendant.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/position_text.h"
#include "astro/sunrise.h"
#include "chart/birth_instant.h"
#include "chart/chart_cells.h"
#include "chart/chart_engine.h"
#include "chart/detail_texts.h"
#include "chart/house_texts.h"
#include "chart/position_texts.h"
#include "chart/validation.h"
#include "pranapada/arudha.h"
#include "pranapada/pranapada_lagna.h"
#include "pranapada/reference_sunrise.h"
#include "pranapada/special_points.h"
#include "retro/retrograde.h"

namespace velquor {

namespace {

std::optional<LocalDateTime> TimeIfOccurs(const SunEvent& event) {
  if (!event.occurs()) return std::nullopt;
  return event.time;
}

SunDay SunDayOf(const SunRiseSet& events) {
  return {TimeIfOccurs(events.sunrise), TimeIfOccurs(events.sunset)};
}

ChartOutcome Stop(StopReason reason, const LocalDateTime& date, const SunEvent& event) {
  return {std::nullopt, reason, NoSunEventMessage(date, reason, event.status)};
}

void FillSignCells(const PositionTexts& positions, const std::array<std::string, 10>& names,
                   ChartResult& result) {
  for (std::size_t b = 0; b < kBodyCount; ++b) {
    const int k = SignIndexOfShortPosition(positions[b]);
    if (k < 0) throw std::logic_error("position text without a sign: \"" + positions[b] + "\"");
    AppendToCell(result.SignCells[static_cast<std::size_t>(k)], names[b]);
    if (b == kAscendantBody) result.AscSign = k + 1;
  }
}

void Tag(std::array<std::string, 12>& cells, int signIndex, std::string_view tag) {
  AppendToCell(cells[static_cast<std::size_t>(signIndex)], tag);
}

// The twelve houses in order, starting at the ascendant's sign; each tags its arudha pada,
// the first also the sign of the ascendant's lord.
ArudhaState MarkArudhaPadas(const ChartResult& result, std::array<std::string, 12>& cells) {
  ArudhaState state;
  const ArudhaBodies bodies{result.PositionTexts, result.ChartNames};
  for (int house = 0; house < 12; ++house) {
    const int signIndex = (result.AscSign - 1 + house) % 12;
    Tag(cells, MarkArudhaPada(state, bodies, signIndex, SignLord(signIndex)), "");
    if (house == 0) Tag(cells, state.FirstLordSign - 1, "");
  }
  return state;
}

}  // namespace

std::string NoSunEventMessage(const LocalDateTime& date, StopReason reason, SunEventStatus status) {
  const char* event = reason == StopReason::NoSunset ? "sunset" : "sunrise";
  return std::string("There is no ") + event + " at the birth place on " +
         std::to_string(date.day) + " " + MonthName(date.month) + " " + std::to_string(date.year) +
         ": the Sun stays " + (status == SunEventStatus::SunStaysUp ? "above" : "below") +
         " the horizon all day. The Pranapada Lagna is counted from sunrise, so no chart can be "
         "made for this birth.";
}

ChartOutcome RunChart(const BirthData& birth, const Conventions& conventions) {
  if (const auto failure = CheckChartable(birth)) {
    throw std::invalid_argument("RunChart: " + failure->message);
  }
  const ChartEngine engine(birth, conventions);
  const LocalDateTime birthMoment = BirthMomentOf(birth);

  // The birth moment.
  ChartResult result;
  result.conventions = conventions;
  result.ascendant = engine.Ascendant(birthMoment);
  result.moon = engine.Moon(birthMoment);
  // The classic planets take the ayanamsa of the birth moment in both runs.
  const double ayanamsa = std::fabs(result.ascendant.AyanamsaOffset);
  const PlanetLongitudes atBirth = engine.Planets(birthMoment, ayanamsa);
  result.PositionTexts =
      PositionTextsOf(atBirth, result.moon.MoonText, result.ascendant.AscendantText);
  result.longitudes = {atBirth.bodies[kEarthSun],
                       result.moon.MoonSidereal,
                       atBirth.bodies[kMercury],
                       atBirth.bodies[kVenus],
                       atBirth.bodies[kMars],
                       atBirth.bodies[kJupiter],
                       atBirth.bodies[kSaturn],
                       atBirth.rahu,
                       atBirth.ketu,
                       result.ascendant.AscendantSidereal};
  result.ChartNames = MarkRetrogrades(birthMoment);

  result.birth = birth;
  result.zoneIndex = birth.zoneIndex;
  result.zone = ZoneOf(birth);
  result.dst = birth.isDst;
  result.details = MakeDetailTexts(birth);
  FillSignCells(result.PositionTexts, result.ChartNames, result);
  const ArudhaState arudha = MarkArudhaPadas(result, result.SpecialCells);

  // Sunrise and sunset of the birth day and its neighbours; the day's sunrise is always
  // needed, its sunset when a birth after it counts to the next sunrise, a neighbour's
  // sunrise only when the count starts from it.
  const LocalDateTime birthDay{birth.yearNumber, birth.monthNumber, birth.dayNumber, 0, 0, 0};
  const LocalDateTime dayBefore = AddDays(birthDay, -1);
  const LocalDateTime dayAfter = AddDays(birthDay, 1);
  const SunRiseSet before = engine.SunRiseSetOf(dayBefore);
  const SunRiseSet today = engine.SunRiseSetOf(birthDay);
  const SunRiseSet after = engine.SunRiseSetOf(dayAfter);
  const NightCount night = NightCountOf(conventions);
  if (!today.sunrise.occurs()) return Stop(StopReason::NoSunrise, birthDay, today.sunrise);
  if (!today.sunset.occurs() && night == NightCount::ToNextSunrise) {
    return Stop(StopReason::NoSunset, birthDay, today.sunset);
  }

  result.BirthMoment = birthMoment;
  const ReferenceDay referenceDay =
      ReferenceDayOf(result.BirthMoment, today.sunrise.time, today.sunset.time, night);
  const SunEvent& reference = referenceDay == ReferenceDay::Previous ? before.sunrise
                              : referenceDay == ReferenceDay::Next   ? after.sunrise
                                                                     : today.sunrise;
  if (!reference.occurs()) {
    return Stop(StopReason::NoSunrise,
                referenceDay == ReferenceDay::Previous ? dayBefore : dayAfter, reference);
  }
  result.sunDays = {SunDayOf(before), SunDayOf(today), SunDayOf(after)};
  result.ReferenceSunrise = reference.time;
  const ElapsedTime elapsed = ElapsedBetween(result.ReferenceSunrise, result.BirthMoment);
  result.ElapsedSeconds = elapsed.seconds;
  result.ElapsedMinutes = elapsed.minutes;

  // The planets at the reference sunrise; the birth-moment texts above stay as they are.
  // The Pranapada counts from the Sun at that sunrise, or at birth.
  const PlanetLongitudes atSunrise = engine.Planets(result.ReferenceSunrise, ayanamsa);
  result.SunrisePositionTexts =
      PositionTextsOf(atSunrise, result.moon.MoonText, result.ascendant.AscendantText);
  const bool sunAtBirth = conventions.pranapadaSun == PranapadaSunConvention::AtBirth;
  result.SunAtSunrise = (sunAtBirth ? atBirth : atSunrise).bodies[kEarthSun];
  result.SunAtSunriseText =
      sunAtBirth ? result.PositionTexts[kSunBody] : result.SunrisePositionTexts[kSunBody];

  const SpecialPointInputs points{result.SunAtSunrise,
                                  result.SunAtSunriseText,
                                  result.SunrisePositionTexts[kMoonBody],
                                  result.ascendant.AscendantSidereal,
                                  result.ascendant.AscendantDegree,
                                  result.moon.MoonSidereal,
                                  result.moon.MoonNakshatraStart,
                                  arudha};
  for (const int sign : SpecialPointSigns(points, result.ElapsedMinutes)) {
    Tag(result.SpecialCells, sign, "");
  }

  result.pranapada =
      ComputePranapadaLagna(result.SunAtSunriseText, result.ElapsedSeconds, result.AscSign);
  Tag(result.SpecialCells, result.pranapada.PpLSign - 1, "PpL");
  result.HouseText = HouseSignificance(result.pranapada.House);
  return {std::move(result), StopReason::None, std::string()};
}

NightCount NightCountOf(const Conventions& conventions) {
  return conventions.afterSunset == AfterSunsetConvention::FromSunrise ? NightCount::FromSunrise
                                                                       : NightCount::ToNextSunrise;
}

}  // namespace velquor
