#include "births/convention_options.h"

#include <optional>

#include "births/input_error.h"

namespace velquor {

namespace {

template <typename Value>
void Apply(const std::string& text, std::string_view field,
           std::optional<Value> (*named)(std::string_view), std::string_view known, Value& choice) {
  if (text.empty()) return;
  const std::optional<Value> value = named(text);
  if (!value) {
    throw InputError(std::string(field),
                     "unknown value \"" + text + "\"; one of " + std::string(known));
  }
  choice = *value;
}

}  // namespace

Conventions ConventionsOfTexts(const ConventionTexts& texts, const ConventionNames& names) {
  Conventions c;
  Apply(texts.set, names.set, &ConventionsNamed, "classic, modern", c);
  Apply(texts.ephemeris, names.ephemeris, &EphemerisNamed, "classic, precise", c.ephemeris);
  Apply(texts.sunrise, names.sunrise, &SunriseNamed, "classic, upper-limb, disc-centre", c.sunrise);
  Apply(texts.pranapadaSun, names.pranapadaSun, &PranapadaSunNamed, "at-sunrise, at-birth",
        c.pranapadaSun);
  Apply(texts.afterSunset, names.afterSunset, &AfterSunsetNamed, "to-next-sunrise, from-sunrise",
        c.afterSunset);
  return c;
}

}  // namespace velquor
