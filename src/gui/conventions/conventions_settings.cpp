#include "gui/conventions/conventions_settings.h"

#include "gui/common/settings.h"

namespace velquor {

Conventions LoadConventions() {
  return {settings::Read(settings::kEphemeris), settings::Read(settings::kSunrise),
          settings::Read(settings::kPranapadaSun), settings::Read(settings::kAfterSunset)};
}

void SaveConventions(const Conventions& c) {
  settings::Write(settings::kEphemeris, c.ephemeris);
  settings::Write(settings::kSunrise, c.sunrise);
  settings::Write(settings::kPranapadaSun, c.pranapadaSun);
  settings::Write(settings::kAfterSunset, c.afterSunset);
}

}  // namespace velquor
