#include "places/zone_suggestion.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "astro/date_time.h"
#include "chart/time_zone_rows.h"
#include "chart/time_zones.h"

namespace velquor {

namespace {

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

std::string MomentText(std::string_view zoneId, const LocalDateTime& moment) {
  return std::string(zoneId) + " on " + DateText(moment.year, moment.month, moment.day);
}

ZoneSuggestion Refusal(ZoneSuggestion suggestion, ZoneSuggestion::Outcome outcome,
                       std::string text) {
  suggestion.outcome = outcome;
  suggestion.text = std::move(text);
  return suggestion;
}

std::string ClockText(const LocalDateTime& moment) {
  char clock[40];
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", moment.hour, moment.minute, moment.second);
  return clock;
}

// The instants (seconds since 1970) at which the zone's clocks showed `clock` (a local
// reading written as if it were universal time), earliest first: none for a skipped time,
// two for a repeated one. Every offset the zone had within a day either side is tried.
std::vector<qint64> InstantsOf(const QTimeZone& zone, const QDateTime& clock) {
  constexpr qint64 kOneDay = 86400;
  const qint64 reading = clock.toSecsSinceEpoch();
  const QDateTime from = QDateTime::fromSecsSinceEpoch(reading - kOneDay, Qt::UTC);
  const QDateTime to = QDateTime::fromSecsSinceEpoch(reading + kOneDay, Qt::UTC);
  std::vector<int> offsets{zone.offsetFromUtc(from)};
  for (const QTimeZone::OffsetData& transition : zone.transitions(from, to)) {
    offsets.push_back(transition.offsetFromUtc);
  }
  std::vector<qint64> instants;
  for (const int offset : offsets) {
    const qint64 instant = reading - offset;
    if (zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(instant, Qt::UTC)) == offset &&
        std::find(instants.begin(), instants.end(), instant) == instants.end()) {
      instants.push_back(instant);
    }
  }
  std::sort(instants.begin(), instants.end());
  return instants;
}

// The suggestion for the zone's clock at one instant.
ZoneSuggestion SuggestAt(const QTimeZone& zone, std::string_view ianaZone, qint64 instant,
                         const LocalDateTime& moment) {
  ZoneSuggestion suggestion;
  const QDateTime when = QDateTime::fromSecsSinceEpoch(instant, Qt::UTC);
  suggestion.offsetSeconds = zone.offsetFromUtc(when);
  suggestion.standardOffsetSeconds = zone.standardTimeOffset(when);
  suggestion.abbreviation = zone.abbreviation(when).toStdString();
  const int shift = suggestion.offsetSeconds - suggestion.standardOffsetSeconds;
  // Daylight saving over the zone's standard time: the abbreviation of that standard time.
  const std::string standardAbbreviation =
      shift > 0 ? StandardAbbreviation(zone, when).toStdString() : suggestion.abbreviation;

  std::optional<RowChoice> choice;
  if (suggestion.offsetSeconds % 60 == 0 && suggestion.standardOffsetSeconds % 60 == 0) {
    choice = RowForClock({suggestion.offsetSeconds / 60, suggestion.standardOffsetSeconds / 60,
                          suggestion.abbreviation, standardAbbreviation, ianaZone});
  }
  if (!choice) {
    return Refusal(suggestion, ZoneSuggestion::Outcome::NoRowForOffset,
                   "No time zone in the list has " + UtcOffsetText(suggestion.offsetSeconds) +
                       (shift > 0 ? ", the clock time of " : ", the standard time of ") +
                       MomentText(ianaZone, moment));
  }
  suggestion.outcome = ZoneSuggestion::Outcome::RowFound;
  suggestion.row = choice->row;
  suggestion.daylightSaving = choice->daylightSaving;
  suggestion.text =
      std::string(TimeZoneTable()[static_cast<std::size_t>(choice->row)].label) +
      (suggestion.daylightSaving ? ", with daylight saving on " : ", no daylight saving on ") +
      DateText(moment.year, moment.month, moment.day);
  return suggestion;
}

}  // namespace

std::optional<int> OffsetAtInstant(std::string_view ianaZone, std::int64_t utcSeconds) {
  const QTimeZone zone(QByteArray(ianaZone.data(), static_cast<qsizetype>(ianaZone.size())));
  if (!zone.isValid()) return std::nullopt;
  return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC));
}

std::vector<ClockChange> ClockChangesBetween(std::string_view ianaZone, std::int64_t fromUtc,
                                             std::int64_t toUtc) {
  std::vector<ClockChange> changes;
  const QTimeZone zone(QByteArray(ianaZone.data(), static_cast<qsizetype>(ianaZone.size())));
  if (!zone.isValid() || toUtc <= fromUtc) return changes;
  int offset = zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(fromUtc, Qt::UTC));
  for (const QTimeZone::OffsetData& transition :
       zone.transitions(QDateTime::fromSecsSinceEpoch(fromUtc + 1, Qt::UTC),
                        QDateTime::fromSecsSinceEpoch(toUtc, Qt::UTC))) {
    if (transition.offsetFromUtc == offset) continue;
    changes.push_back({transition.atUtc.toSecsSinceEpoch(), offset, transition.offsetFromUtc});
    offset = transition.offsetFromUtc;
  }
  return changes;
}

std::string ReadingText(const ZoneSuggestion& reading) {
  const std::string offset = (reading.abbreviation.empty() ? "" : reading.abbreviation + " ") +
                             UtcOffsetText(reading.offsetSeconds);
  if (!reading.row) return offset + ", which no time zone in the list has";
  return offset + ", " +
         std::string(TimeZoneTable()[static_cast<std::size_t>(*reading.row)].label) +
         (reading.daylightSaving ? " with daylight saving" : " without daylight saving");
}

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

ZoneSuggestion SuggestZone(std::string_view ianaZone, const LocalDateTime& moment, ClockFold fold) {
  using Outcome = ZoneSuggestion::Outcome;
  ZoneSuggestion suggestion;

  const QTimeZone zone(QByteArray(ianaZone.data(), static_cast<qsizetype>(ianaZone.size())));
  if (!zone.isValid()) {
    return Refusal(suggestion, Outcome::UnknownZone,
                   "The system's time-zone database does not know " + std::string(ianaZone) +
                       " (is tzdata installed?)");
  }
  const QDate date(moment.year, moment.month, moment.day);
  const QTime time(moment.hour, moment.minute, moment.second);
  if (!date.isValid()) {
    return Refusal(suggestion, Outcome::InvalidDate,
                   DateText(moment.year, moment.month, moment.day) + " is not a date");
  }
  if (!time.isValid()) {
    return Refusal(suggestion, Outcome::InvalidDate, ClockText(moment) + " is not a time of day");
  }
  const std::vector<qint64> instants = InstantsOf(zone, QDateTime(date, time, Qt::UTC));
  if (instants.empty()) {
    return Refusal(suggestion, Outcome::SkippedClockTime,
                   std::string("The clocks of ") + MomentText(ianaZone, moment) + " skipped " +
                       ClockText(moment) + " when they were put forward");
  }
  if (instants.size() == 1) return SuggestAt(zone, ianaZone, instants.front(), moment);

  const ZoneSuggestion first = SuggestAt(zone, ianaZone, instants.front(), moment);
  const ZoneSuggestion second = SuggestAt(zone, ianaZone, instants.back(), moment);
  if (fold != ClockFold::Unknown) {
    ZoneSuggestion chosen = fold == ClockFold::First ? first : second;
    chosen.text += std::string(fold == ClockFold::First ? " (the first " : " (the second ") +
                   ClockText(moment) + " of two)";
    return chosen;
  }
  suggestion.outcome = Outcome::RepeatedClockTime;
  suggestion.text = "The clocks of " + MomentText(ianaZone, moment) + " showed " +
                    ClockText(moment) + " twice when they were put back: first " +
                    ReadingText(first) + ", then " + ReadingText(second);
  suggestion.readings = {first, second};
  return suggestion;
}

}  // namespace velquor
