// Writing the chart page (chart_page.h) to a file: PNG at a chosen resolution, SVG or PDF,
// by Qt's own QImage, QSvgGenerator and QPdfWriter. A file is written whole or not at all:
// the page goes to a temporary file in the same folder, which replaces the target only once
// everything was written (QSaveFile).
#pragma once

#include <QPageSize>
#include <QString>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "chart/chart_result.h"
#include "render/diagram_style.h"

namespace velquor {

enum class PageFormat { Png, Svg, Pdf };

// The format named by the path's extension: .png, .svg or .pdf, in any case; nothing for
// any other or none.
std::optional<PageFormat> PageFormatOfPath(const QString& path);

// `text` as XML character data or attribute value: & < > " ' as their entities, and the
// characters XML 1.0 forbids (C0 controls but tab, line feed and carriage return, lone
// surrogates, U+FFFE, U+FFFF) left out.
QString XmlText(const QString& text);

// The paper sizes offered where no printer chooses one: "a4" and "letter".
std::optional<QPageSize> PaperNamed(std::string_view name);

inline constexpr int kDefaultPngDpi = 300;
inline constexpr int kMinimumPngDpi = 30;
inline constexpr int kMaximumPngDpi = 1200;

struct PageOptions {
  DiagramStyle style = DiagramStyle::South;
  QPageSize paper{QPageSize::A4};
  int pngDpi = kDefaultPngDpi;  // kMinimumPngDpi..kMaximumPngDpi; PNG only
};

class ExportError : public std::runtime_error {
 public:
  enum class Kind {
    UnknownFormat,  // the path's extension names no format
    BadOption,      // a resolution outside its range
    WriteFailed,    // the folder is missing or read-only, the disk is full, …
  };
  ExportError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// Writes the page of `chart` to `path` in the format of its extension. Needs a
// QGuiApplication (any platform, offscreen included). Throws ExportError, its message
// naming the file; the target is then untouched and no temporary file is left.
void ExportChartPage(const QString& path, const ChartResult& chart, const PageOptions& options);

}  // namespace velquor
