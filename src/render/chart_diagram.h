// The sign chart of one chart result drawn in a style: the house shapes, each sign's label,
// the bodies and tags in their houses, the ascendant's and the Pranapada Lagna's houses
// marked. One drawing for the screen, the printer and every export: it paints on any
// QPainter.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <string>

#include "chart/chart_result.h"
#include "render/diagram_style.h"

class QPainter;

namespace velquor {

// The lines of a cell text of the chart run (SignCells, SpecialCells) that carry
// something, top to bottom, without their trailing blanks.
QStringList CellLines(const std::string& cell);

// Draws the chart into `square` (painter units; the sizes of lines and letters follow its
// side, which should be at least a few hundred units so that letters can be sized finely:
// a page gives it in tenths of a point, the screen widget scales to a side of 3000).
// Black on white, legible in black and white; the Pranapada Lagna's house is tinted.
void DrawChartDiagram(QPainter& painter, const QRectF& square, const ChartResult& chart,
                      DiagramStyle style);

// The chart in words, house by house, for a screen reader: "North-Indian chart. House 1,
// Leo: Asc, Moon. House 2, Virgo: empty. …".
QString DiagramDescription(const ChartResult& chart, DiagramStyle style);

}  // namespace velquor
