#include "places/zone_suggestion.h"

#include <QDateTime>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>

#include "astro/date_time.h"
#include "chart/time_zone_rows.h"
#include "chart/time_zones.h"

namespace velquor {

namespace {

constexpr int kOneHour = 3600;

// How far back to look for the standard-time abbreviation of a zone in daylight saving;
// wartime years strung several daylight periods together.
constexpr int kTransitionsToSearch = 16;

// The abbreviation of the standard time that the daylight saving in force at `when` advances.
QString StandardAbbreviation(const QTimeZone& zone, const QDateTime& when) {
  QTimeZone::OffsetData transition = zone.previousTransition(when);
  for (int i = 0; i < kTransitionsToSearch && transition.atUtc.isValid(); ++i) {
    if (transition.daylightTimeOffset == 0) return transition.abbreviation;
    transition = zone.previousTransition(transition.atUtc);
  }
  return {};
}

std::string MomentText(std::string_view zoneId, const LocalMoment& moment) {
  return std::string(zoneId) + " on " + DateText(moment.year, moment.month, moment.day);
}

ZoneSuggestion Refusal(ZoneSuggestion suggestion, ZoneSuggestion::Outcome outcome,
                       std::string text) {
  suggestion.outcome = outcome;
  suggestion.text = std::move(text);
  return suggestion;
}

}  // namespace

std::string UtcOffsetText(int offsetSeconds) {
  const int size = std::abs(offsetSeconds);
  char text[24];
  if (size % 60 == 0) {
    std::snprintf(text, sizeof text, "%c%d:%02d", offsetSeconds < 0 ? '-' : '+', size / 3600,
                  size / 60 % 60);
  } else {
    std::snprintf(text, sizeof text, "%c%d:%02d:%02d", offsetSeconds < 0 ? '-' : '+', size / 3600,
                  size / 60 % 60, size % 60);
  }
  return text;
}

std::string DateText(int year, int month, int day) {
  const std::string monthText =
      month >= 1 && month <= 12 ? MonthName(month) : "month " + std::to_string(month);
  return std::to_string(day) + " " + monthText + " " + std::to_string(year);
}

ZoneSuggestion SuggestZone(std::string_view ianaZone, const LocalMoment& moment) {
  using Outcome = ZoneSuggestion::Outcome;
  ZoneSuggestion suggestion;

  const QTimeZone zone(QByteArray(ianaZone.data(), static_cast<qsizetype>(ianaZone.size())));
  if (!zone.isValid()) {
    return Refusal(suggestion, Outcome::UnknownZone,
                   "The system's time-zone database does not know " + std::string(ianaZone) +
                       " (is tzdata installed?)");
  }
  const QDate date(moment.year, moment.month, moment.day);
  if (!date.isValid()) {
    return Refusal(suggestion, Outcome::InvalidDate,
                   DateText(moment.year, moment.month, moment.day) + " is not a date");
  }
  const QDateTime when(date, QTime(moment.hour, moment.minute, moment.second), zone);
  if (!when.isValid()) {
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", moment.hour, moment.minute, moment.second);
    return Refusal(suggestion, Outcome::SkippedClockTime,
                   std::string("The clocks of ") + MomentText(ianaZone, moment) + " skipped " +
                       clock + " when they were put forward");
  }

  suggestion.offsetSeconds = zone.offsetFromUtc(when);
  suggestion.standardOffsetSeconds = zone.standardTimeOffset(when);
  suggestion.abbreviation = zone.abbreviation(when).toStdString();
  const int shift = suggestion.offsetSeconds - suggestion.standardOffsetSeconds;

  // The form can say "standard time" or "standard time and one hour"; anything else
  // has no faithful reading.
  int baseOffset = suggestion.offsetSeconds;
  QString baseAbbreviation = zone.abbreviation(when);
  if (shift == kOneHour) {
    suggestion.daylightSaving = true;
    baseOffset = suggestion.standardOffsetSeconds;
    baseAbbreviation = StandardAbbreviation(zone, when);
  } else if (shift > 0) {
    return Refusal(suggestion, Outcome::UnusualDaylightShift,
                   "Daylight saving put the clocks of " + MomentText(ianaZone, moment) + " " +
                       UtcOffsetText(shift).substr(1) + " ahead of standard time (" +
                       suggestion.abbreviation + ", " + UtcOffsetText(suggestion.offsetSeconds) +
                       "); the list's zones and the daylight-saving tick cannot say that");
  }

  const std::optional<int> row =
      baseOffset % 60 == 0 ? StandardRowForOffset(baseOffset / 60, baseAbbreviation.toStdString())
                           : std::nullopt;
  if (!row) {
    return Refusal(suggestion, Outcome::NoRowForOffset,
                   "No time zone in the list has " + UtcOffsetText(baseOffset) +
                       ", the standard time of " + MomentText(ianaZone, moment));
  }
  suggestion.outcome = Outcome::RowFound;
  suggestion.row = row;
  suggestion.text =
      std::string(TimeZoneTable()[*row].label) +
      (suggestion.daylightSaving ? ", with daylight saving on " : ", no daylight saving on ") +
      DateText(moment.year, moment.month, moment.day);
  return suggestion;
}

}  // namespace velquor
