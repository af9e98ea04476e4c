// What an SVG file of QSvgGenerator holds, read back for tests: the closed shapes drawn as
// paths of straight lines, and each text with the start of its baseline, both in the
// document's coordinates (the transforms of the enclosing groups applied).
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <vector>

namespace velquor::test {

struct SvgText {
  QString text;
  QPointF anchor;  // where its baseline starts
};

struct SvgPage {
  std::vector<QPolygonF> shapes;
  std::vector<SvgText> texts;
};

// Throws std::runtime_error when the document is not well-formed XML.
SvgPage ReadSvgPage(const QByteArray& svg);

}  // namespace velquor::test
