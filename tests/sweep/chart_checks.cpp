#include "sweep/chart_checks.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "astro/date_time.h"
#include "astro/signs.h"
#include "chart/house_texts.h"
#include "chart/time_zones.h"

namespace velquor {

namespace {

constexpr std::array<std::string_view, 10> kBodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};
constexpr std::string_view kRetrogradeMark = " (R) ";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::int64_t kSecondsPerDay = 86400;

// The Sun can stay above or below the horizon all day only beyond 90° less the obliquity
// (23.4°) and the zenith's 50': 65.7°. The stop must never come nearer the equator.
constexpr int kPolarLatitudeDegrees = 65;

class FaultList {
 public:
  explicit FaultList(std::vector<std::string>& faults) : faults_(faults) {}

  void Expect(bool ok, std::string_view what, std::string_view got = {}) {
    if (ok) return;
    std::string fault(what);
    if (!got.empty()) {
      fault += ": \"";
      fault += got;
      fault += '"';
    }
    faults_.push_back(std::move(fault));
  }

  void ExpectNumber(bool ok, std::string_view what, double got) {
    if (!ok) Expect(false, what, std::to_string(got));
  }

 private:
  std::vector<std::string>& faults_;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A plain decimal number 0..max without leading zeros, or -1.
int PlainNumber(std::string_view text, int max) {
  if (text.empty() || text.size() > 3 || (text.size() > 1 && text[0] == '0')) return -1;
  int value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value <= max ? value : -1;
}

bool IsTwoDigits(std::string_view text, int max) {
  return text.size() == 2 && IsDigit(text[0]) && IsDigit(text[1]) &&
         (text[0] - '0') * 10 + (text[1] - '0') <= max;
}

// "DD Abc MM": degrees 00..29 within the sign, minutes 00..59.
bool IsShortPosition(std::string_view text) {
  return text.size() == 9 && IsTwoDigits(text.substr(0, 2), 29) && text[2] == ' ' &&
         SignIndexOfAbbreviation(text.substr(3, 3)) >= 0 && text[6] == ' ' &&
         IsTwoDigits(text.substr(7, 2), 59);
}

// Reads the number before `separator` and moves past both; -1 when it is not there.
int TakeNumber(std::string_view& text, std::string_view separator, int max) {
  const std::size_t end = text.find(separator);
  if (end == std::string_view::npos) return -1;
  const int value = PlainNumber(text.substr(0, end), max);
  text.remove_prefix(end + separator.size());
  return value;
}

// "D° M' S\" Abc": degrees 0..29 within the sign, minutes and seconds 0..59.
bool IsLongPosition(std::string_view text) {
  return TakeNumber(text, "\u00B0 ", 29) >= 0 && TakeNumber(text, "' ", 59) >= 0 &&
         TakeNumber(text, "\" ", 59) >= 0 && text.size() == 3 && SignIndexOfAbbreviation(text) >= 0;
}

int SignIndexOf(std::string_view shortPosition) {
  return SignIndexOfAbbreviation(shortPosition.substr(3, 3));
}

bool IsChartName(std::string_view name, std::size_t body) {
  const bool markable = body >= 2 && body <= 6;  // Mercury .. Saturn
  if (markable && name.ends_with(kRetrogradeMark)) name.remove_suffix(kRetrogradeMark.size());
  return name == kBodyNames[body];
}

bool IsSoundEvent(const LocalDateTime& t) {
  return IsValidCivilDate(t.year, t.month, t.day) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
         t.minute <= 59 && t.second == 0;
}

std::int64_t DayNumber(const LocalDateTime& t) { return DaysFromCivil(t.year, t.month, t.day); }

std::string Coordinate(int degrees, int minutes, char hemisphere) {
  return std::to_string(degrees) + ' ' + std::to_string(minutes) + "' " + hemisphere;
}

void CheckNumbers(const ChartResult& r, FaultList& f) {
  const double ayanamsa = r.ascendant.AyanamsaOffset;
  f.ExpectNumber(std::isfinite(ayanamsa) && ayanamsa < -22.0 && ayanamsa > -25.0,
                 "ayanamsa of 1901..2050", ayanamsa);
  const double asc = r.ascendant.AscendantSidereal;
  f.ExpectNumber(asc >= 0.0 && asc <= 360.0, "ascendant in 0..360", asc);
  f.Expect(std::isfinite(asc) && r.ascendant.AscendantDegree == static_cast<int>(std::floor(asc)),
           "ascendant degree is the ascendant's whole degrees");
  f.ExpectNumber(r.moon.MoonSidereal >= 0.0 && r.moon.MoonSidereal < 360.0, "Moon in 0..360",
                 r.moon.MoonSidereal);
  f.ExpectNumber(
      r.moon.MoonNakshatraStart >= 0.0 && r.moon.MoonNakshatraStart <= r.moon.MoonSidereal,
      "nakshatra start at or before the Moon", r.moon.MoonNakshatraStart);
  f.ExpectNumber(r.SunAtSunrise >= 0.0 && r.SunAtSunrise <= 360.0, "Sun at sunrise in 0..360",
                 r.SunAtSunrise);
}

void CheckPositionTexts(const ChartResult& r, FaultList& f) {
  f.Expect(IsLongPosition(r.ascendant.AscendantText), "ascendant text", r.ascendant.AscendantText);
  f.Expect(IsLongPosition(r.moon.MoonText), "Moon text", r.moon.MoonText);
  for (std::size_t b = 0; b < 10; ++b) {
    f.Expect(IsShortPosition(r.PositionTexts[b]), "birth position text", r.PositionTexts[b]);
    f.Expect(IsShortPosition(r.SunrisePositionTexts[b]), "sunrise position text",
             r.SunrisePositionTexts[b]);
    f.Expect(IsChartName(r.ChartNames[b], b), "chart name", r.ChartNames[b]);
  }
  f.Expect(r.SunrisePositionTexts[0] == r.SunAtSunriseText,
           "the Sun at sunrise heads the sunrise texts", r.SunAtSunriseText);
  f.Expect(r.SunrisePositionTexts[1] == r.PositionTexts[1] &&
               r.SunrisePositionTexts[9] == r.PositionTexts[9],
           "the sunrise run repeats the Moon and the ascendant");
}

// Each body once, in the cell of its sign, and nothing else in the sign cells.
void CheckSignCells(const ChartResult& r, FaultList& f) {
  std::size_t expectedLength = 0;
  for (std::size_t b = 0; b < 10; ++b) {
    const std::string& name = r.ChartNames[b];
    expectedLength += kLineBreak.size() + name.size();
    const int sign = SignIndexOf(r.PositionTexts[b]);
    if (sign < 0) continue;  // reported with the texts
    const std::string& cell = r.SignCells[static_cast<std::size_t>(sign)];
    bool found = false;
    for (std::size_t at = cell.find(name); at != std::string::npos && !found;
         at = cell.find(name, at + 1)) {
      const bool opensLine = at >= 2 && cell.compare(at - 2, 2, kLineBreak) == 0;
      const std::size_t end = at + name.size();
      found = opensLine && (end == cell.size() || cell.compare(end, 2, kLineBreak) == 0);
    }
    f.Expect(found, "body missing from the cell of its sign", name);
  }
  std::size_t length = 0;
  for (const std::string& cell : r.SignCells) length += cell.size();
  f.Expect(length == expectedLength, "sign cells hold exactly the ten bodies");
  f.Expect(r.AscSign >= 1 && r.AscSign <= 12 && r.AscSign == SignIndexOf(r.PositionTexts[9]) + 1,
           "ascendant sign is the sign of the ascendant's text", std::to_string(r.AscSign));
}

// Thirteen arudha marks and eight special points as empty lines, one "PpL" closing its cell.
void CheckSpecialCells(const ChartResult& r, FaultList& f) {
  int lines = 0;
  int pplCells = 0;
  for (std::size_t s = 0; s < 12; ++s) {
    std::string_view cell = r.SpecialCells[s];
    const bool ppl = cell.ends_with("PpL");
    if (ppl) {
      cell.remove_suffix(3);
      ++pplCells;
      f.Expect(static_cast<int>(s) + 1 == r.pranapada.PpLSign,
               "PpL tag in the Pranapada sign's cell");
    }
    while (cell.starts_with(kLineBreak)) {
      cell.remove_prefix(kLineBreak.size());
      ++lines;
    }
    f.Expect(cell.empty(), "special-point cell of empty tags", r.SpecialCells[s]);
  }
  f.Expect(lines == 13 + 8 + 1, "22 tags in the special-point cells", std::to_string(lines));
  f.Expect(pplCells == 1, "one PpL tag", std::to_string(pplCells));
}

void CheckPranapada(const ChartResult& r, FaultList& f) {
  const PranapadaResult& p = r.pranapada;
  f.Expect(p.PpLSign >= 1 && p.PpLSign <= 12, "Pranapada sign 1..12", std::to_string(p.PpLSign));
  f.Expect(p.House >= 1 && p.House <= 12, "house 1..12", std::to_string(p.House));
  f.Expect(p.House == (p.PpLSign - r.AscSign + 12) % 12 + 1,
           "house counted from the ascendant's sign");
  f.Expect(p.Signs >= 0 && p.Degrees >= 0 && p.Degrees <= 29 && p.Minutes >= 0 && p.Minutes <= 59,
           "Pranapada arc in signs, degrees 0..29, minutes 0..59");
  if (p.House >= 1 && p.House <= 12)
    f.Expect(r.HouseText == HouseSignificance(p.House), "text of the house");
}

void CheckDetails(const BirthData& b, const ChartResult& r, FaultList& f) {
  const int zoneIndex = b.zoneIndex;
  const DetailTexts& d = r.details;
  f.Expect(d.name == b.personName && d.city == b.cityText && d.state == b.stateText &&
               d.country == b.countryText,
           "name and place as typed");
  f.Expect(d.dob == std::string(MonthName(b.monthNumber)) + '/' + std::to_string(b.dayNumber) +
                        '/' + std::to_string(b.yearNumber),
           "date of birth text", d.dob);
  f.Expect(d.tob == std::to_string(b.hourNumber) + ':' + std::to_string(b.minuteNumber),
           "time of birth text", d.tob);
  f.Expect(d.latitude == Coordinate(b.latDegrees, b.latMinutes, b.isSouth ? 'S' : 'N'),
           "latitude text", d.latitude);
  f.Expect(d.longitude == Coordinate(b.lonDegrees, b.lonMinutes, b.isEast ? 'E' : 'W'),
           "longitude text", d.longitude);
  const TimeZoneRow& row = TimeZoneTable()[static_cast<std::size_t>(zoneIndex)];
  f.Expect(r.zoneIndex == zoneIndex && r.zone.ZoneHours == row.zoneHours &&
               r.zone.ZoneMinutes == row.zoneMinutes && r.dst == b.isDst,
           "zone and daylight flag of the input");
}

void CheckSunriseAndElapsedTime(const BirthData& b, const ChartResult& r, FaultList& f) {
  const LocalDateTime birth{b.yearNumber, b.monthNumber,  b.dayNumber,
                            b.hourNumber, b.minuteNumber, b.secondNumber};
  f.Expect(r.BirthMoment == birth, "birth moment as typed", FormatSecond(r.BirthMoment));
  // The events of a day fall on its date on the local clock, or on the date before or
  // after when the clock runs far from the place's sun.
  for (std::int64_t k = 0; k < 3; ++k) {
    const SunDay& day = r.sunDays[static_cast<std::size_t>(k)];
    for (const auto& event : {day.sunrise, day.sunset}) {
      if (!event) continue;
      f.Expect(IsSoundEvent(*event), "sunrise or sunset at a whole minute", FormatSecond(*event));
      const std::int64_t offset = DayNumber(*event) - DayNumber(birth) - (k - 1);
      f.Expect(offset >= -1 && offset <= 1, "sunrise or sunset within a day of its date",
               FormatSecond(*event));
    }
  }
  const SunDay& today = r.sunDays[1];
  if (!today.sunrise || !today.sunset) {
    f.Expect(false, "sunrise and sunset of the birth day");
    return;
  }
  f.Expect(*today.sunrise < *today.sunset, "sunrise before sunset", FormatMinute(*today.sunrise));

  const std::size_t day = birth < *today.sunrise ? 0 : (birth > *today.sunset ? 2 : 1);
  const auto& reference = r.sunDays[day].sunrise;
  f.Expect(reference && r.ReferenceSunrise == *reference,
           day == 0   ? "reference sunrise of D-1 for a birth before sunrise"
           : day == 1 ? "reference sunrise of D for a birth by day"
                      : "reference sunrise of D+1 for a birth after sunset",
           FormatSecond(r.ReferenceSunrise));

  const std::int64_t seconds = r.ElapsedSeconds;
  f.Expect(seconds >= 0 && seconds < 2 * kSecondsPerDay, "elapsed seconds in 0 .. 2 days",
           std::to_string(seconds));
  const std::int64_t between = SecondsBetween(r.ReferenceSunrise, birth);
  f.Expect(seconds == (between < 0 ? -between : between),
           "elapsed seconds between reference sunrise and birth", std::to_string(seconds));
  const std::int64_t minuteGap = r.ElapsedMinutes * 60 - seconds;
  f.Expect(minuteGap > -60 && minuteGap < 60, "elapsed minutes agree with the seconds",
           std::to_string(r.ElapsedMinutes));
}

std::string PolarMessage(const LocalDateTime& day, std::string_view event, std::string_view where) {
  std::string text = "There is no ";
  text += event;
  text += " at the birth place on " + std::to_string(day.day) + ' ' + MonthName(day.month) + ' ' +
          std::to_string(day.year) + ": the Sun stays ";
  text += where;
  text +=
      " the horizon all day. The Pranapada Lagna is counted from sunrise, so no chart can be made "
      "for this birth.";
  return text;
}

void CheckStop(const BirthData& b, const std::string& message, FaultList& f) {
  bool known = false;
  const LocalDateTime birthDay{b.yearNumber, b.monthNumber, b.dayNumber, 0, 0, 0};
  for (const int offset : {-1, 0, 1}) {
    const LocalDateTime day = AddDays(birthDay, offset);
    for (const std::string_view event : {"sunrise", "sunset"}) {
      for (const std::string_view where : {"above", "below"})
        known = known || message == PolarMessage(day, event, where);
    }
  }
  f.Expect(known, "a stop with the polar message of D-1, D or D+1", message);
  f.Expect(b.latDegrees >= kPolarLatitudeDegrees, "a polar stop only in polar latitudes", message);
}

}  // namespace

std::vector<std::string> ChartOutcomeFaults(const BirthData& birth, const ChartOutcome& outcome) {
  std::vector<std::string> faults;
  FaultList f(faults);
  if (!outcome.chart) {
    CheckStop(birth, outcome.stopMessage, f);
    const bool sunriseMessage = outcome.stopMessage.starts_with("There is no sunrise");
    f.Expect(outcome.stopReason == (sunriseMessage ? StopReason::NoSunrise : StopReason::NoSunset),
             "a stop reason that agrees with its message", outcome.stopMessage);
    return faults;
  }
  f.Expect(outcome.stopMessage.empty(), "no stop message with a chart", outcome.stopMessage);
  const ChartResult& r = *outcome.chart;
  CheckNumbers(r, f);
  CheckPositionTexts(r, f);
  CheckSignCells(r, f);
  CheckSpecialCells(r, f);
  CheckPranapada(r, f);
  CheckDetails(birth, r, f);
  CheckSunriseAndElapsedTime(birth, r, f);
  return faults;
}

}  // namespace velquor
