#include "svg_page.h"

#include <QRegularExpression>
#include <QTransform>
#include <QXmlStreamReader>
#include <stdexcept>

namespace velquor::test {

namespace {

QTransform TransformOf(const QString& text) {
  static const QRegularExpression kMatrix(QStringLiteral(R"(matrix\(([^)]*)\))"));
  const QRegularExpressionMatch match = kMatrix.match(text);
  if (!match.hasMatch()) return {};
  const QStringList n = match.captured(1).split(u',');
  if (n.size() != 6) return {};
  return {n[0].toDouble(), n[1].toDouble(), n[2].toDouble(),
          n[3].toDouble(), n[4].toDouble(), n[5].toDouble()};
}

// The polygon of "M x,y L x,y …"; empty for a path with curves or without closing point.
QPolygonF PolygonOf(const QString& d) {
  static const QRegularExpression kStep(
      QStringLiteral(R"(([MLCZmlcz])\s*([-0-9.e]+),([-0-9.e]+))"));
  QPolygonF polygon;
  for (const QRegularExpressionMatch& step : kStep.globalMatch(d)) {
    const QString command = step.captured(1);
    if (command != QStringLiteral("M") && command != QStringLiteral("L")) return {};
    polygon << QPointF(step.captured(2).toDouble(), step.captured(3).toDouble());
  }
  if (polygon.size() < 4 || polygon.first() != polygon.last()) return {};
  return polygon;
}

}  // namespace

SvgPage ReadSvgPage(const QByteArray& svg) {
  SvgPage page;
  QXmlStreamReader reader(svg);
  std::vector<QTransform> transforms{QTransform()};
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      const QXmlStreamAttributes attributes = reader.attributes();
      const QTransform transform =
          TransformOf(attributes.value(QStringLiteral("transform")).toString()) * transforms.back();
      transforms.push_back(transform);
      if (reader.name() == QStringLiteral("path")) {
        const QPolygonF polygon = PolygonOf(attributes.value(QStringLiteral("d")).toString());
        if (!polygon.isEmpty()) page.shapes.push_back(transform.map(polygon));
      } else if (reader.name() == QStringLiteral("text")) {
        const QPointF at(attributes.value(QStringLiteral("x")).toDouble(),
                         attributes.value(QStringLiteral("y")).toDouble());
        const QString text = reader.readElementText();
        transforms.pop_back();  // readElementText consumed the end element
        page.texts.push_back({text, transform.map(at)});
      }
    } else if (reader.isEndElement()) {
      transforms.pop_back();
    }
  }
  if (reader.hasError()) throw std::runtime_error(reader.errorString().toStdString());
  return page;
}

}  // namespace velquor::test
