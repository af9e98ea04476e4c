#include "cli/windows_output.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/signs.h"
#include "chart/birth_instant.h"
#include "cli/batch_line.h"
#include "cli/printable_text.h"
#include "text/json_text.h"

namespace velquor {

namespace {

// Columns of the degree range, "12°30' - 29°59'", counted in characters.
constexpr std::size_t kDegreesWidth = 15;

// "12°30'": the degrees and minutes of a longitude within its sign.
std::string InSign(double longitude) {
  const auto minutes = static_cast<long>(std::floor(longitude * 60.0 + 1e-9));
  char text[16];
  std::snprintf(text, sizeof text, "%ld\u00B0%02ld'", minutes / 60 % 30, minutes % 60);
  return text;
}

std::string_view Sign(int signNumber) { return SignAbbreviation(signNumber - 1); }

std::string CheckMarks(const TimelineChart& c) {
  if (c.checkFromAscendant && c.checkFromMoon) return "asc moon";
  if (c.checkFromAscendant) return "asc";
  if (c.checkFromMoon) return "moon";
  return "-";
}

}  // namespace

std::string FormatWindowsText(const BirthData& birth, int spanMinutes,
                              const Conventions& conventions,
                              const std::vector<TimelineInterval>& timeline) {
  const LocalDateTime moment = BirthMomentOf(birth);
  std::string out = "Pranapada windows of " + PrintableText(birth.personName) + ", born " +
                    FormatSecond(moment) + ", " + std::to_string(spanMinutes) +
                    " minutes either side\n" + ConventionsLine(conventions) + "\n";
  out +=
      "  From                 To                   PpL  Degrees          Asc  "
      "House/Asc  House/Moon  Check\n";
  for (const TimelineInterval& interval : timeline) {
    const bool holdsBirth = interval.from <= moment && moment <= interval.to;
    out += holdsBirth ? "> " : "  ";
    out += FormatSecond(interval.from) + "  " + FormatSecond(interval.to) + "  ";
    if (!interval.chart) {
      out += "no chart: " + interval.stopMessage + '\n';
      continue;
    }
    const TimelineChart& c = *interval.chart;
    // The degree sign takes two bytes but one column: pad by characters, not bytes.
    std::string degrees = InSign(c.firstDegrees) + " - " + InSign(c.lastDegrees);
    degrees.append(kDegreesWidth + 2 - std::min(degrees.size(), kDegreesWidth + 2), ' ');
    char row[96];
    std::snprintf(row, sizeof row, "%-3.3s  %s %-3.3s  %9d  %10d  %s\n",
                  Sign(c.pranapadaSign).data(), degrees.c_str(), Sign(c.ascendantSign).data(),
                  c.houseFromAscendant, c.houseFromMoon, CheckMarks(c).c_str());
    out += row;
  }
  return out;
}

void AppendWindowsJson(std::string& out, const std::vector<TimelineInterval>& timeline) {
  out += '[';
  for (const TimelineInterval& interval : timeline) {
    if (out.back() != '[') out += ',';
    out += '{';
    AppendJsonMember(out, "from", FormatSecond(interval.from));
    AppendJsonMember(out, "to", FormatSecond(interval.to));
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
