// The printed and exported page of one chart: the name and birth details, the sign chart
// in the chosen style, the table of positions, the Pranapada Lagna with its house and the
// meaning of that house, and the conventions it was counted by. Print, print preview and
// every export (PNG, SVG, PDF) draw this one page.
#pragma once

#include <QSizeF>

#include "chart/chart_result.h"
#include "render/diagram_style.h"

class QPainter;

namespace velquor {

// Draws the page onto `painter`, whose units must be points (1/72 inch) with the page's
// top left corner at the origin; `pageSize` in points (A4 is 595.3 × 841.9). The page keeps
// margins of 42 points, which every printer can print. Text stays text on vector devices.
void DrawChartPage(QPainter& painter, const QSizeF& pageSize, const ChartResult& chart,
                   DiagramStyle style);

}  // namespace velquor
