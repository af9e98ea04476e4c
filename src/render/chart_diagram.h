// The sign chart of one chart result drawn in a style: the house shapes, each sign's label,
// the bodies and tags in their houses, the ascendant's and the Pranapada Lagna's houses
// marked. One drawing for the screen, the printer and every export: it paints on any
// QPainter. Every body and tag is drawn inside its house whatever the house's size: smaller
// letters first, then two or three columns, then the names' abbreviations ("Sa", "Ke").
#pragma once

#include <QFont>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

#include "chart/chart_result.h"
#include "render/diagram_style.h"

class QPainter;

namespace velquor {

// The lines of a cell text of the chart run (SignCells, SpecialCells) that carry
// something, top to bottom, without their trailing blanks.
QStringList CellLines(const std::string& cell);

// The short form of a body's or tag's line: the first word cut to two letters when it is
// longer than three, the rest kept ("Saturn (R)" → "Sa (R)", "Ketu" → "Ke", "Asc" and
// "PpL" as they are).
QString AbbreviatedLine(const QString& line);

// "PpL: Aquarius, house 10": the Pranapada Lagna's sign and house as the chart's middle,
// the result window and the page write it; "PpL: no sign" for a chart without one.
QString PranapadaCentreText(const ChartResult& chart);

// One text of the drawing where it stands, in painter units.
struct DiagramText {
  QString text;   // as drawn: the line, one part of it, or its abbreviation
  QString whole;  // the cell line it shows, whole
  bool tag = false;
  QFont font;
  QRectF rect;  // the text's advance by its font's height; `text` is drawn on its baseline
};

struct DiagramHouse {
  int sign = 0;   // 0 = Aries .. 11 = Pisces
  int house = 1;  // 1..12 from the ascendant's sign
  QPolygonF outline;
  DiagramText label;               // the sign's label
  std::vector<DiagramText> lines;  // the bodies first, then the tags
  bool abbreviated = false;        // some line is drawn shorter than it is
};

struct DiagramLayout {
  QRectF square;
  // The South-Indian ascendant's stroke across its cell's top left corner (none in the other
  // styles or without an ascendant); no text of that cell reaches it.
  QLineF ascendantStroke;
  std::array<DiagramHouse, 12> houses;  // by sign index
  std::vector<DiagramText> centre;      // the title and PranapadaCentreText; none when left out
};

// Whether the drawing writes its title ("Rasi") and the Pranapada's sign and house in the chart's
// empty middle (where the style has one), or leaves it to the caller.
enum class DiagramCentreText { Drawn, LeftOut };

// Where every text of the chart in `square` goes (see DrawChartDiagram).
// `title` is the middle's first line: "Rasi" for the birth chart, a varga's name for another.
DiagramLayout LayOutChartDiagram(const QRectF& square, const ChartResult& chart, DiagramStyle style,
                                 DiagramCentreText centre = DiagramCentreText::Drawn,
                                 const QString& title = QStringLiteral("Rasi"));

// Draws the chart into `square` (painter units; the sizes of lines and letters follow its
// side, which should be at least a few hundred units so that letters can be sized finely:
// a page gives it in tenths of a point, the screen widget scales to a side of 3000).
// Black on white, legible in black and white; the Pranapada Lagna's house is tinted.
void DrawChartDiagram(QPainter& painter, const QRectF& square, const ChartResult& chart,
                      DiagramStyle style, DiagramCentreText centre = DiagramCentreText::Drawn,
                      const QString& title = QStringLiteral("Rasi"));
// The same from a layout already made.
void DrawChartDiagram(QPainter& painter, const DiagramLayout& layout, const ChartResult& chart);

// The chart in words, house by house, for a screen reader: "North-Indian chart. House 1,
// Leo: Asc, Moon. House 2, Virgo: empty. …".
QString DiagramDescription(const ChartResult& chart, DiagramStyle style);

}  // namespace velquor
