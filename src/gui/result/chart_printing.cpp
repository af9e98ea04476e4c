#include "gui/result/chart_printing.h"

#include <QPainter>
#include <QPrinter>
#include <stdexcept>

#include "render/chart_page.h"

namespace velquor {

void PrintChartPage(QPrinter& printer, const ChartResult& chart, DiagramStyle style) {
  // The page keeps its own margins, wider than any printer's: the painter starts at the
  // sheet's corner.
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) throw std::runtime_error("The printer could not be started.");
  const QRectF sheet = printer.pageLayout().fullRectPoints();
  const double devicePerPoint = printer.resolution() / 72.0;
  painter.scale(devicePerPoint, devicePerPoint);
  DrawChartPage(painter, sheet.size(), chart, style);
  painter.end();
}

}  // namespace velquor
