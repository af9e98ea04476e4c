// The chart page on a printer: the same page as every export (render/chart_page.h), at the
// printer's paper size (A4, Letter, … as the print dialog chose).
#pragma once

#include "chart/chart_result.h"
#include "render/diagram_style.h"

class QPrinter;

namespace velquor {

// Paints the page on `printer` as one sheet, in vector form. Throws std::runtime_error
// when the printer cannot be started (no printer, an output file that cannot be written).
void PrintChartPage(QPrinter& printer, const ChartResult& chart, DiagramStyle style);

}  // namespace velquor
