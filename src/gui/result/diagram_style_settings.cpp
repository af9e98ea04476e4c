#include "gui/result/diagram_style_settings.h"

#include <QSettings>
#include <QString>

namespace velquor {

namespace {
const QString kKey = QStringLiteral("chart/style");
}

DiagramStyle LoadDiagramStyle() {
  const std::string name = QSettings().value(kKey).toString().toStdString();
  return DiagramStyleNamed(name).value_or(DiagramStyle::South);
}

void SaveDiagramStyle(DiagramStyle style) {
  const std::string_view name = NameOf(style);
  QSettings().setValue(kKey, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace velquor
