#include "cli/windows_output.h"

#include <algorithm>
#include <cstdio>

#include "astro/position_text.h"
#include "astro/signs.h"
#include "chart/birth_instant.h"
#include "cli/batch_line.h"
#include "cli/printable_text.h"
#include "places/zone_suggestion.h"
#include "text/json_text.h"

namespace velquor {

namespace {

// Columns of the degree range, "12°30' - 29°59'", counted in characters.
constexpr std::size_t kDegreesWidth = 15;

std::string_view Sign(int signNumber) { return SignAbbreviation(signNumber - 1); }

std::string CheckMarks(const TimelineChart& c) {
  if (c.checkFromAscendant && c.checkFromMoon) return "asc moon";
  if (c.checkFromAscendant) return "asc";
  if (c.checkFromMoon) return "moon";
  return "-";
}

ClockReading ReadingAt(const PlaceClock& place, const LocalDateTime& fixed) {
  const std::int64_t utc = SecondsSinceEpoch(fixed) - place.fixedOffsetSeconds;
  const int offset = OffsetAtInstant(place.ianaZone, utc).value_or(place.fixedOffsetSeconds);
  return {FromSecondsSinceEpoch(utc + offset), offset};
}

std::string ReadingText(const ClockReading& reading) {
  return FormatSecond(reading.clock) + " " + UtcOffsetText(reading.offsetSeconds);
}

// "The clocks of America/New_York went forward at 2021-03-14 02:00:00 -5:00 to 03:00:00
// -4:00: the clock times between did not happen." for each change within the span.
std::string ClockChangeLines(const PlaceClock& place,
                             const std::vector<TimelineInterval>& timeline) {
  std::string lines;
  if (timeline.empty()) return lines;
  const std::int64_t from = SecondsSinceEpoch(timeline.front().from) - place.fixedOffsetSeconds;
  const std::int64_t to = SecondsSinceEpoch(timeline.back().to) - place.fixedOffsetSeconds;
  for (const ClockChange& change : ClockChangesBetween(place.ianaZone, from, to)) {
    const bool forward = change.offsetAfter > change.offsetBefore;
    const ClockReading before{FromSecondsSinceEpoch(change.utcSeconds + change.offsetBefore),
                              change.offsetBefore};
    const ClockReading after{FromSecondsSinceEpoch(change.utcSeconds + change.offsetAfter),
                             change.offsetAfter};
    lines += "The clocks of " + place.ianaZone + (forward ? " went forward" : " went back") +
             " at " + ReadingText(before) + " to " + ReadingText(after) +
             (forward ? ": the clock times between did not happen; each time is shown with its "
                        "offset\n"
                      : ": the clock times between happened twice; each time is shown with its "
                        "offset\n");
  }
  return lines;
}

}  // namespace

std::optional<std::vector<std::pair<ClockReading, ClockReading>>> PlaceReadings(
    const PlaceClock& place, const std::vector<TimelineInterval>& timeline) {
  std::vector<std::pair<ClockReading, ClockReading>> readings;
  bool differs = false;
  for (const TimelineInterval& interval : timeline) {
    readings.emplace_back(ReadingAt(place, interval.from), ReadingAt(place, interval.to));
    differs = differs || readings.back().first.offsetSeconds != place.fixedOffsetSeconds ||
              readings.back().second.offsetSeconds != place.fixedOffsetSeconds;
  }
  if (!differs) return std::nullopt;
  return readings;
}

std::string FormatWindowsText(const BirthData& birth, int spanMinutes,
                              const Conventions& conventions,
                              const std::vector<TimelineInterval>& timeline,
                              const PlaceClock* place) {
  const LocalDateTime moment = BirthMomentOf(birth);
  std::string out = "Pranapada windows of " + PrintableText(birth.personName) + ", born " +
                    FormatSecond(moment) + ", " + std::to_string(spanMinutes) +
                    " minutes either side\n" + ConventionsLine(conventions) + "\n";
  const auto readings = place != nullptr ? PlaceReadings(*place, timeline) : std::nullopt;
  // The times' column: 19 characters, or the widest time with its offset.
  std::size_t width = 19;
  if (readings) {
    for (const auto& [from, to] : *readings)
      width = std::max({width, ReadingText(from).size(), ReadingText(to).size()});
  }
  const auto padded = [&](std::string text) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
  };
  out += "  " + padded("From") + "  " + padded("To") +
         "  PpL  Degrees          Asc  House/Asc  House/Moon  Check\n";
  if (readings) out += ClockChangeLines(*place, timeline);
  for (std::size_t i = 0; i < timeline.size(); ++i) {
    const TimelineInterval& interval = timeline[i];
    const bool holdsBirth = interval.from <= moment && moment <= interval.to;
    out += holdsBirth ? "> " : "  ";
    if (readings) {
      out += padded(ReadingText((*readings)[i].first)) + "  " +
             padded(ReadingText((*readings)[i].second)) + "  ";
    } else {
      out += FormatSecond(interval.from) + "  " + FormatSecond(interval.to) + "  ";
    }
    if (!interval.chart) {
      out += "no chart: " + interval.stopMessage + '\n';
      continue;
    }
    const TimelineChart& c = *interval.chart;
    // The degree sign takes two bytes but one column: pad by characters, not bytes.
    std::string degrees = DegreesInSign(c.firstDegrees) + " - " + DegreesInSign(c.lastDegrees);
    degrees.append(kDegreesWidth + 2 - std::min(degrees.size(), kDegreesWidth + 2), ' ');
    char row[96];
    std::snprintf(row, sizeof row, "%-3.3s  %s %-3.3s  %9d  %10d  %s\n",
                  Sign(c.pranapadaSign).data(), degrees.c_str(), Sign(c.ascendantSign).data(),
                  c.houseFromAscendant, c.houseFromMoon, CheckMarks(c).c_str());
    out += row;
  }
  return out;
}

void AppendWindowsJson(std::string& out, const std::vector<TimelineInterval>& timeline,
                       const PlaceClock* place) {
  const auto readings = place != nullptr ? PlaceReadings(*place, timeline) : std::nullopt;
  out += '[';
  for (std::size_t i = 0; i < timeline.size(); ++i) {
    const TimelineInterval& interval = timeline[i];
    if (out.back() != '[') out += ',';
    out += '{';
    if (readings) {
      const auto& [from, to] = (*readings)[i];
      AppendJsonMember(out, "from", FormatSecond(from.clock));
      AppendJsonMember(out, "from_offset", UtcOffsetText(from.offsetSeconds));
      AppendJsonMember(out, "to", FormatSecond(to.clock));
      AppendJsonMember(out, "to_offset", UtcOffsetText(to.offsetSeconds));
    } else {
      AppendJsonMember(out, "from", FormatSecond(interval.from));
      AppendJsonMember(out, "to", FormatSecond(interval.to));
    }
    if (!interval.chart) {
      AppendJsonMember(out, "error", interval.stopMessage);
      AppendJsonMember(out, "kind", kErrorKindPolar);
      out += '}';
      continue;
    }
    const TimelineChart& c = *interval.chart;
    AppendJsonMember(out, "pranapada_sign", c.pranapadaSign);
    AppendJsonKey(out, "pranapada_degrees");
    out += '[';
    AppendJsonDouble(out, c.firstDegrees);
    out += ',';
    AppendJsonDouble(out, c.lastDegrees);
    out += ']';
    AppendJsonMember(out, "house_from_ascendant", c.houseFromAscendant);
    AppendJsonMember(out, "house_from_moon", c.houseFromMoon);
    AppendJsonMember(out, "ascendant_sign", c.ascendantSign);
    AppendJsonMember(out, "moon_sign", c.moonSign);
    AppendJsonMember(out, "reference_sunrise", FormatSecond(c.referenceSunrise));
    AppendJsonObject(out, "check", [&] {
      AppendJsonMember(out, "ascendant", c.checkFromAscendant);
      AppendJsonMember(out, "moon", c.checkFromMoon);
    });
    out += '}';
  }
  out += ']';
}

}  // namespace velquor
