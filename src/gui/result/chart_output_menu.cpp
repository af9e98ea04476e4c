#include "gui/result/chart_output_menu.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <array>

#include "gui/common/message_boxes.h"
#include "gui/result/chart_printing.h"
#include "gui/result/frm_display.h"
#include "render/page_export.h"

namespace velquor {

namespace {

struct ExportItem {
  const char* name;
  const char* caption;
  PageFormat format;
  const char* extension;
  const char* filter;
};

constexpr std::array<ExportItem, 3> kExportItems = {{
    {"mnuExportPng", "Export as P&NG\u2026", PageFormat::Png, "png", "PNG image (*.png)"},
    {"mnuExportSvg", "Export as SV&G\u2026", PageFormat::Svg, "svg", "SVG drawing (*.svg)"},
    {"mnuExportPdf", "Export as P&DF\u2026", PageFormat::Pdf, "pdf", "PDF document (*.pdf)"},
}};

// The shown chart, or nothing after telling the user why there is none.
const ChartResult* ShownChart(QWidget* window, FrmDisplay* display) {
  if (display != nullptr && display->shownChart()) return &*display->shownChart();
  ShowMessage(window, QStringLiteral("There is no chart at this birth time to print or export."),
              MessageIcon::Information);
  return nullptr;
}

void Print(QWidget* window, FrmDisplay* display) {
  const ChartResult* chart = ShownChart(window, display);
  if (chart == nullptr) return;
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, window);
  dialog.setObjectName(QStringLiteral("dlgPrint"));
  if (dialog.exec() != QDialog::Accepted) return;
  PrintChartPage(printer, *chart, display->diagramStyle());
}

void Preview(QWidget* window, FrmDisplay* display) {
  const ChartResult* chart = ShownChart(window, display);
  if (chart == nullptr) return;
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog dialog(&printer, window);
  dialog.setObjectName(QStringLiteral("dlgPrintPreview"));
  const DiagramStyle style = display->diagramStyle();
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, window, [&](QPrinter* shown) {
    RunGuarded(window, [&] { PrintChartPage(*shown, *chart, style); });
  });
  dialog.exec();
}

void Export(QWidget* window, FrmDisplay* display, const ExportItem& item) {
  const ChartResult* chart = ShownChart(window, display);
  if (chart == nullptr) return;
  // The person's name as the file's, without the folder separator it may hold.
  const QString name = QString::fromStdString(chart->details.name).simplified().replace(u'/', u'-');
  const QString suggested =
      QDir::home().filePath((name.isEmpty() ? QStringLiteral("chart") : name) + u'.' +
                            QString::fromLatin1(item.extension));
  const QString path = QFileDialog::getSaveFileName(window, QStringLiteral("Export the chart"),
                                                    suggested, QString::fromLatin1(item.filter));
  if (path.isEmpty()) return;
  PageOptions options;
  options.style = display->diagramStyle();
  if (item.format == PageFormat::Png) {
    bool chosen = false;
    options.pngDpi =
        QInputDialog::getInt(window, QStringLiteral("Resolution"), QStringLiteral("Dots per inch:"),
                             kDefaultPngDpi, kMinimumPngDpi, kMaximumPngDpi, 50, &chosen);
    if (!chosen) return;
  }
  try {
    ExportChartPage(path, *chart, options);
  } catch (const ExportError& error) {
    ShowMessage(window, QString::fromStdString(error.what()), MessageIcon::Critical);
  }
}

QAction* Item(QMenu* file, QAction* before, const char* name, const QString& caption) {
  auto* action = new QAction(caption, file);
  action->setObjectName(QString::fromLatin1(name));
  file->insertAction(before, action);
  return action;
}

}  // namespace

void AddChartOutputMenuItems(QMenu* file, QAction* before, QWidget* window,
                             const std::function<FrmDisplay*()>& display) {
  file->insertSeparator(before)->setObjectName(QStringLiteral("mnuFileSepPrint"));
  QAction* print = Item(file, before, "mnuPrint", QStringLiteral("&Print\u2026"));
  print->setShortcut(QKeySequence::Print);
  QAction* preview = Item(file, before, "mnuPrintPreview", QStringLiteral("Print Pre&view\u2026"));
  ConnectGuarded(print, &QAction::triggered, window,
                 [window, display] { Print(window, display()); });
  ConnectGuarded(preview, &QAction::triggered, window,
                 [window, display] { Preview(window, display()); });
  for (const ExportItem& item : kExportItems) {
    QAction* action = Item(file, before, item.name, QString::fromUtf8(item.caption));
    ConnectGuarded(action, &QAction::triggered, window,
                   [window, display, &item] { Export(window, display(), item); });
  }
  file->insertSeparator(before)->setObjectName(QStringLiteral("mnuFileSepExport"));
}

}  // namespace velquor
