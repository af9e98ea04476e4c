// Every value the desktop program keeps between runs, in one table: the key of each in the
// user's settings (QSettings of the organisation "Velquor" and the application "velquor",
// which Qt keeps in ~/.config/Velquor/velquor.conf; UseProgramSettings sets that up) and what
// it reads as when it is missing or unreadable. The keys are the ones the program has always
// written, so that the users' settings survive; a new setting joins the table here, and the
// window that keeps it reads and writes it through Read and Write.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/vargas.h"
#include "chart/birth_timeline.h"
#include "chart/conventions.h"
#include "render/diagram_style.h"

namespace velquor {

// "D1" .. "D60": how the settings name a varga.
inline std::string_view NameOf(Varga varga) { return VargaCode(varga); }

}  // namespace velquor

namespace velquor::settings {

// A choice kept as its name (NameOf): a missing value, or a name `named` does not know,
// reads as `fallback`.
template <typename Value>
struct Choice {
  const char* key;
  Value fallback;
  std::optional<Value> (*named)(std::string_view name);
};

// A whole number within first..last; a missing, unreadable or outside value reads as
// `fallback`.
struct Number {
  const char* key;
  int fallback;
  int first;
  int last;
};

// Saved-birth ids in order; a missing list reads as none.
struct IdList {
  const char* key;
};

// The conventions charts are counted by (Options → Conventions…), each choice classic when
// missing.
inline constexpr Choice<EphemerisConvention> kEphemeris{"conventions/ephemeris",
                                                        Conventions{}.ephemeris, &EphemerisNamed};
inline constexpr Choice<SunriseConvention> kSunrise{"conventions/sunrise", Conventions{}.sunrise,
                                                    &SunriseNamed};
inline constexpr Choice<PranapadaSunConvention> kPranapadaSun{
    "conventions/pranapada_sun", Conventions{}.pranapadaSun, &PranapadaSunNamed};
inline constexpr Choice<AfterSunsetConvention> kAfterSunset{
    "conventions/after_sunset", Conventions{}.afterSunset, &AfterSunsetNamed};
// The style the result window draws its chart in, South-Indian when missing.
inline constexpr Choice<DiagramStyle> kChartStyle{"chart/style", DiagramStyle::South,
                                                  &DiagramStyleNamed};
// The divisional chart the result window draws (cmbVarga), the birth chart when missing.
inline constexpr Choice<Varga> kChartVarga{"chart/varga", Varga::D1, &VargaNamed};
// The span of the result window's birth-time strip, minutes either side (cmbSpan).
inline constexpr Number kTimelineSpanMinutes{"chart/span_minutes", kDefaultTimelineSpanMinutes, 1,
                                             kMaxTimelineSpanMinutes};
// The births opened last, most recent first (File → Recent Births).
inline constexpr IdList kRecentBirthIds{"births/recent"};

// The organisation the settings file is kept under.
inline constexpr char kOrganization[] = "Velquor";

// For the program's start, once its application name is set: sets the organisation name, and
// when the settings file does not exist yet, copies into it the values of the file that
// versions without an organisation name kept (~/.config/Unknown Organization/velquor.conf,
// under XDG_CONFIG_HOME when set), which stays as it was. Returns true when values were
// copied.
bool UseProgramSettings();

// The stored values the table cannot read (a choice's name it does not know, a list entry that
// is no number), each as "key: \"value\"", after writing the fallback in their place, so that
// each is reported once; empty when every stored value reads.
std::vector<std::string> ResetUnreadableSettings();

// The text kept under `key`, empty when there is none.
std::string ReadText(const char* key);
void WriteText(const char* key, std::string_view text);

template <typename Value>
Value Read(const Choice<Value>& setting) {
  return setting.named(ReadText(setting.key)).value_or(setting.fallback);
}

template <typename Value>
void Write(const Choice<Value>& setting, Value value) {
  WriteText(setting.key, NameOf(value));
}

int Read(const Number& setting);
void Write(const Number& setting, int value);

std::vector<std::int64_t> Read(const IdList& setting);
void Write(const IdList& setting, const std::vector<std::int64_t>& ids);

}  // namespace velquor::settings
