#include "chart/chart_run.h"

#include <stdexcept>
#include <string>

#include "astro/ascendant.h"
#include "astro/position_text.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "chart/chart_cells.h"
#include "chart/detail_texts.h"
#include "chart/house_texts.h"
#include "chart/chart_context.h"
#include "pranapada/arudha.h"
#include "pranapada/pranapada_lagna.h"
#include "pranapada/reference_sunrise.h"
#include "pranapada/special_points.h"
#include "astro/sunrise.h"
#include "retro/retrograde.h"

namespace velquor {

namespace {

void RequireRange(int value, int low, int high, const char* field) {
  if (value < low || value > high) {
    throw std::invalid_argument(std::string("RunChart: ") + field + " " + std::to_string(value) + " is outside " +
                                std::to_string(low) + ".." + std::to_string(high));
  }
}

// The form's lists and checks keep every field in these ranges; anything else is a
// caller's fault, reported before any arithmetic can turn it into a NaN.
void RequireChartable(const BirthData& b, int zoneIndex) {
  RequireRange(zoneIndex, 0, kTimeZoneCount - 1, "zoneIndex");
  RequireRange(b.yearNumber, 1901, 2050, "yearNumber");
  RequireRange(b.monthNumber, 1, 12, "monthNumber");
  RequireRange(b.dayNumber, 1, DaysInMonth(b.yearNumber, b.monthNumber), "dayNumber");
  RequireRange(b.hourNumber, 0, 23, "hourNumber");
  RequireRange(b.minuteNumber, 0, 59, "minuteNumber");
  RequireRange(b.secondNumber, 0, 59, "secondNumber");
  RequireRange(b.lonDegrees, 0, 179, "lonDegrees");
  RequireRange(b.lonMinutes, 0, 59, "lonMinutes");
  RequireRange(b.latDegrees, 0, 89, "latDegrees");
  RequireRange(b.latMinutes, 0, 59, "latMinutes");
}

// The sunrise routine counts longitude positive to the East and takes the clock's offset
// east of Greenwich; a ticked daylight box adds its hour on every day, as the user gave it.
SunPlace SunPlaceOf(const BirthData& b, const ZoneCorrection& zone) {
  double latitude = b.latDegrees + b.latMinutes / 60.0;
  if (b.isSouth) latitude = -latitude;
  double longitude = b.lonDegrees + b.lonMinutes / 60.0;
  if (!b.isEast) longitude = -longitude;
  double offset = -zone.Hours();
  if (b.isDst) offset += 1.0;
  return {latitude, longitude, offset};
}

SunRiseSet SunRiseSetOf(const LocalDateTime& date, const SunPlace& place) {
  return ComputeSunRiseSet(date.month, date.day, date.year, place);
}

std::optional<LocalDateTime> TimeIfOccurs(const SunEvent& event) {
  if (!event.occurs()) return std::nullopt;
  return event.time;
}

SunDay SunDayOf(const SunRiseSet& events) { return {TimeIfOccurs(events.sunrise), TimeIfOccurs(events.sunset)}; }

std::string NoEventMessage(const LocalDateTime& date, const char* event, SunEventStatus status) {
  return std::string("There is no ") + event + " at the birth place on " + std::to_string(date.day) + " " +
         MonthName(date.month) + " " + std::to_string(date.year) + ": the Sun stays " +
         (status == SunEventStatus::SunStaysUp ? "above" : "below") +
         " the horizon all day. The Pranapada Lagna is counted from sunrise, so no chart can be made for this "
         "birth.";
}

ChartOutcome Stop(std::string message) { return {std::nullopt, std::move(message)}; }

void FillSignCells(const ChartContext& chart, ChartResult& result) {
  for (std::size_t b = 0; b < 10; ++b) {
    const int k = SignIndexOfShortPosition(chart.planets.PositionTexts[b]);
    if (k < 0) throw std::logic_error("position text without a sign: \"" + chart.planets.PositionTexts[b] + "\"");
    AppendToCell(result.SignCells[static_cast<std::size_t>(k)], chart.ChartNames[b]);
    if (b == 9) result.AscSign = k + 1;
  }
}

// The twelve houses in order, starting at the ascendant's sign.
void MarkArudhaPadas(ChartContext& chart, int ascSign) {
  chart.arudha = ArudhaState{};
  chart.SpecialCells = {};
  for (int house = 0; house < 12; ++house) {
    const int signIndex = (ascSign - 1 + house) % 12;
    MarkArudhaPada(chart, signIndex, SignLord(signIndex));
  }
}

}  // namespace

ChartOutcome RunChart(const BirthData& birth, int zoneIndex) {
  RequireChartable(birth, zoneIndex);

  ChartContext chart;
  chart.birth = birth;
  Zone_Calculation(zoneIndex, chart.zone);

  // The birth moment.
  chart.SunriseMode = false;
  ComputeAscendant(chart);
  ComputeMoon(chart);
  ComputePlanets(chart);
  MarkRetrogrades(chart);

  ChartResult result;
  result.zoneIndex = zoneIndex;
  result.zone = chart.zone;
  result.dst = birth.isDst;
  result.details = MakeDetailTexts(birth);
  result.PositionTexts = chart.planets.PositionTexts;
  result.ChartNames = chart.ChartNames;
  FillSignCells(chart, result);
  MarkArudhaPadas(chart, result.AscSign);

  // Sunrise and sunset of the birth day and its neighbours; the day's own pair is always
  // needed, a neighbour's sunrise only when the count starts from it.
  const SunPlace place = SunPlaceOf(birth, chart.zone);
  const LocalDateTime birthDay{birth.yearNumber, birth.monthNumber, birth.dayNumber, 0, 0, 0};
  const LocalDateTime dayBefore = AddDays(birthDay, -1);
  const LocalDateTime dayAfter = AddDays(birthDay, 1);
  const SunRiseSet before = SunRiseSetOf(dayBefore, place);
  const SunRiseSet today = SunRiseSetOf(birthDay, place);
  const SunRiseSet after = SunRiseSetOf(dayAfter, place);
  if (!today.sunrise.occurs()) return Stop(NoEventMessage(birthDay, "sunrise", today.sunrise.status));
  if (!today.sunset.occurs()) return Stop(NoEventMessage(birthDay, "sunset", today.sunset.status));

  result.BirthMoment = {birth.yearNumber, birth.monthNumber, birth.dayNumber,
                        birth.hourNumber, birth.minuteNumber, birth.secondNumber};
  const ReferenceDay referenceDay = ReferenceDayOf(result.BirthMoment, today.sunrise.time, today.sunset.time);
  const SunEvent& reference = referenceDay == ReferenceDay::Previous ? before.sunrise
                              : referenceDay == ReferenceDay::Next   ? after.sunrise
                                                                     : today.sunrise;
  if (!reference.occurs()) {
    const LocalDateTime& day = referenceDay == ReferenceDay::Previous ? dayBefore : dayAfter;
    return Stop(NoEventMessage(day, "sunrise", reference.status));
  }
  result.sunDays = {SunDayOf(before), SunDayOf(today), SunDayOf(after)};
  result.ReferenceSunrise = reference.time;
  const ElapsedTime elapsed = ElapsedBetween(result.ReferenceSunrise, result.BirthMoment);
  result.ElapsedSeconds = elapsed.seconds;
  result.ElapsedMinutes = elapsed.minutes;

  // The Sun at the reference sunrise; the birth-moment texts above stay as they are.
  chart.ReferenceSunriseParts = result.ReferenceSunrise;
  chart.ReferenceSunriseParts.second = 0;
  chart.SunriseMode = true;
  ComputePlanets(chart);
  result.SunAtSunrise = chart.planets.SunAtSunrise;
  result.SunAtSunriseText = chart.planets.SunAtSunriseText;
  result.SunrisePositionTexts = chart.planets.PositionTexts;

  for (const int sign : SpecialPointSigns(chart, result.ElapsedMinutes)) {
    AppendToCell(chart.SpecialCells[static_cast<std::size_t>(sign)], "");
  }

  result.pranapada = ComputePranapadaLagna(result.SunAtSunriseText, result.ElapsedSeconds, result.AscSign);
  AppendToCell(chart.SpecialCells[static_cast<std::size_t>(result.pranapada.PpLSign - 1)], "PpL");
  result.HouseText = HouseSignificance(result.pranapada.House);

  result.ascendant = std::move(chart.ascendant);
  result.moon = std::move(chart.moon);
  result.SpecialCells = std::move(chart.SpecialCells);
  return {std::move(result), std::string()};
}

}  // namespace velquor
