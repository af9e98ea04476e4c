#include "births/birth_schema.h"

#include <array>
#include <span>

namespace velquor {

namespace {

// Version 1: one table of the saved births, the birth data's columns together unique.
constexpr const char* kVersion1[] = {
    "CREATE TABLE births ("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL, year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL,"
    " hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL,"
    " zone INTEGER NOT NULL, lat_deg INTEGER NOT NULL, lat_min INTEGER NOT NULL,"
    " south INTEGER NOT NULL, lon_deg INTEGER NOT NULL, lon_min INTEGER NOT NULL,"
    " east INTEGER NOT NULL, dst INTEGER NOT NULL,"
    " city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,"
    " ephemeris TEXT NOT NULL, sunrise TEXT NOT NULL, pranapada_sun TEXT NOT NULL,"
    " after_sunset TEXT NOT NULL,"
    " note TEXT NOT NULL DEFAULT '',"
    " created TEXT NOT NULL, modified TEXT NOT NULL,"
    " UNIQUE (name, year, month, day, hour, minute, second, zone, lat_deg, lat_min, south,"
    " lon_deg, lon_min, east, dst, city, state, country))",
};

// Version 2: a birth saved with a rectified time keeps the date and time first entered
// ("1985-03-21T10:45:00", local clock); empty for a birth saved as entered.
constexpr const char* kVersion2[] = {
    "ALTER TABLE births ADD COLUMN entered_time TEXT NOT NULL DEFAULT ''",
};

// The steps by the version they lead to, from 1.
constexpr std::array<std::span<const char* const>, kBirthsSchemaVersion> kSteps = {
    kVersion1,
    kVersion2,
};

}  // namespace

void UpgradeSchema(int version, const std::function<void(const QString& statement)>& run) {
  for (int next = version + 1; next <= kBirthsSchemaVersion; ++next) {
    for (const char* statement : kSteps[static_cast<std::size_t>(next - 1)]) {
      run(QLatin1String(statement));
    }
    run(QStringLiteral("PRAGMA user_version = %1").arg(next));
  }
}

}  // namespace velquor
