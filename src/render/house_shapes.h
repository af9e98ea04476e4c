// Where each sign stands in a chart of a given style, on a unit square: x from 0 (left) to
// 1 (right), y from 0 (top) to 1 (bottom). Scale by the chart's side to draw.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <array>

#include "render/diagram_style.h"

namespace velquor {

struct HouseShape {
  int house = 1;       // 1..12, counted from the ascendant's sign as house 1
  QPolygonF outline;   // closed, inside the unit square
  QRectF textBox;      // inside the outline: room for the bodies and tags, one per line
  QPointF labelPoint;  // inside the outline, apart from textBox: the centre of the sign's label
};

// The twelve shapes by sign index (0 = Aries .. 11 = Pisces), for an ascendant in sign
// index `ascendantSign` (0..11; values outside are taken modulo 12). The South- and
// East-Indian shapes stay where they are for every ascendant; the North-Indian houses stay
// and their signs turn with the ascendant.
std::array<HouseShape, 12> HouseShapes(DiagramStyle style, int ascendantSign);

// The empty middle of a South-Indian (two by two cells) or East-Indian (one cell) chart,
// where a caption may stand; an empty rectangle for the North-Indian chart, which has none.
QRectF DiagramCentre(DiagramStyle style);

}  // namespace velquor
