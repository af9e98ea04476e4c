#include "gui/common/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QVariant>

namespace velquor::settings {

namespace {

QString KeyOf(const char* key) { return QString::fromLatin1(key); }

// Writes the fallback of `setting` when a value is stored that it cannot read, and says so.
template <typename Value>
void ResetIfUnreadable(const Choice<Value>& setting, std::vector<std::string>& reset) {
  QSettings stored;
  if (!stored.contains(KeyOf(setting.key))) return;
  const std::string text = stored.value(KeyOf(setting.key)).toString().toStdString();
  if (setting.named(text)) return;
  reset.push_back(std::string(setting.key) + ": \"" + text + "\"");
  Write(setting, setting.fallback);
}

}  // namespace

bool UseProgramSettings() {
  QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganization));
  QSettings current;
  if (QFileInfo::exists(current.fileName())) return false;
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString old = QDir(config).filePath(
      QStringLiteral("Unknown Organization/%1.conf").arg(QCoreApplication::applicationName()));
  if (!QFileInfo::exists(old)) return false;
  const QSettings earlier(old, QSettings::IniFormat);
  const QStringList keys = earlier.allKeys();
  for (const QString& key : keys) current.setValue(key, earlier.value(key));
  current.sync();
  return !keys.isEmpty();
}

std::vector<std::string> ResetUnreadableSettings() {
  std::vector<std::string> reset;
  ResetIfUnreadable(kEphemeris, reset);
  ResetIfUnreadable(kSunrise, reset);
  ResetIfUnreadable(kPranapadaSun, reset);
  ResetIfUnreadable(kAfterSunset, reset);
  ResetIfUnreadable(kChartStyle, reset);
  ResetIfUnreadable(kChartVarga, reset);
  QSettings stored;
  const QString recent = KeyOf(kRecentBirthIds.key);
  if (stored.contains(recent)) {
    const QVariant value = stored.value(recent);
    // One id may be kept as a plain text rather than a list.
    const QVariantList ids = value.toList().isEmpty() && !value.toString().isEmpty()
                                 ? QVariantList{value}
                                 : value.toList();
    bool readable = true;
    for (const QVariant& id : ids) {
      bool number = false;
      id.toString().toLongLong(&number);
      readable = readable && number;
    }
    if (!readable) {
      reset.push_back(std::string(kRecentBirthIds.key) + ": \"" +
                      value.toStringList().join(u',').toStdString() + "\"");
      stored.remove(recent);
    }
  }
  return reset;
}

std::string ReadText(const char* key) {
  return QSettings().value(KeyOf(key)).toString().toStdString();
}

void WriteText(const char* key, std::string_view text) {
  QSettings().setValue(KeyOf(key),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

int Read(const Number& setting) {
  bool read = false;
  const int value = QSettings().value(KeyOf(setting.key)).toInt(&read);
  return read && value >= setting.first && value <= setting.last ? value : setting.fallback;
}

void Write(const Number& setting, int value) { QSettings().setValue(KeyOf(setting.key), value); }

std::vector<std::int64_t> Read(const IdList& setting) {
  std::vector<std::int64_t> ids;
  for (const QVariant& id : QSettings().value(KeyOf(setting.key)).toList())
    ids.push_back(id.toLongLong());
  return ids;
}

void Write(const IdList& setting, const std::vector<std::int64_t>& ids) {
  QVariantList list;
  for (const std::int64_t id : ids) list << QVariant::fromValue<qlonglong>(id);
  QSettings().setValue(KeyOf(setting.key), list);
}

}  // namespace velquor::settings
