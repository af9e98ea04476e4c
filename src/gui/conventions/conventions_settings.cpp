#include "gui/conventions/conventions_settings.h"

#include <QSettings>
#include <QString>
#include <optional>
#include <string>

namespace velquor {

namespace {

template <typename Value>
Value Read(const QSettings& settings, const char* key,
           std::optional<Value> (*named)(std::string_view), Value fallback) {
  const std::string text = settings.value(QString::fromLatin1(key)).toString().toStdString();
  return named(text).value_or(fallback);
}

template <typename Value>
void Write(QSettings& settings, const char* key, Value value) {
  const std::string_view name = NameOf(value);
  settings.setValue(QString::fromLatin1(key),
                    QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace

Conventions LoadConventions() {
  const QSettings settings;
  const Conventions classic;
  return {Read(settings, "conventions/ephemeris", &EphemerisNamed, classic.ephemeris),
          Read(settings, "conventions/sunrise", &SunriseNamed, classic.sunrise),
          Read(settings, "conventions/pranapada_sun", &PranapadaSunNamed, classic.pranapadaSun),
          Read(settings, "conventions/after_sunset", &AfterSunsetNamed, classic.afterSunset)};
}

void SaveConventions(const Conventions& c) {
  QSettings settings;
  Write(settings, "conventions/ephemeris", c.ephemeris);
  Write(settings, "conventions/sunrise", c.sunrise);
  Write(settings, "conventions/pranapada_sun", c.pranapadaSun);
  Write(settings, "conventions/after_sunset", c.afterSunset);
}

}  // namespace velquor
