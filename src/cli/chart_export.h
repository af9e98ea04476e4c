// The chart command's page export: --export FILE with --style, --paper and --dpi. The page
// is the desktop program's printed page (render/chart_page.h), drawn without a display on
// Qt's offscreen platform.
#pragma once

#include <QString>
#include <ostream>
#include <string>

#include "chart/chart_result.h"
#include "render/page_export.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace velquor {

struct ExportTexts {
  std::string path;   // --export; empty: no export
  std::string style;  // --style: south (the default), north or east
  std::string paper;  // --paper: a4 (the default) or letter
  int dpi = 0;        // --dpi: 0 for the default; PNG only
};

struct ExportRequest {
  QString path;
  PageOptions options;
};

// Adds --export, --style, --paper and --dpi to `chart`; the last three need --export.
void AddExportOptions(CLI::App& chart, ExportTexts& texts);

// The request of the options. Throws InputError naming the option: an unknown style or
// paper, a path without .png, .svg or .pdf, --dpi for a page that is not a PNG.
ExportRequest ReadExportRequest(const ExportTexts& texts);

// Writes the page. Creates the QGuiApplication it needs when there is none, on the offscreen
// platform unless QT_QPA_PLATFORM names another. Returns kExitOk, or kExitIoFailure after a
// message naming the file (no file, nor a part of one, is left then).
int WriteChartExport(const ExportRequest& request, const ChartResult& chart, std::ostream& err);

}  // namespace velquor
