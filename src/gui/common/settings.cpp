#include "gui/common/settings.h"

#include <QSettings>
#include <QString>
#include <QVariant>

namespace velquor::settings {

namespace {

QString KeyOf(const char* key) { return QString::fromLatin1(key); }

}  // namespace

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
