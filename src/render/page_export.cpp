#include "render/page_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>
#include <filesystem>

#include "render/chart_page.h"

namespace velquor {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kMetresPerInch = 0.0254;
constexpr double kMillimetresPerInch = 25.4;
// The PDF's own grid: fine enough that nothing is rounded visibly.
constexpr int kPdfResolution = 1200;

std::string Quoted(const QString& path) { return "\"" + path.toStdString() + "\""; }

[[noreturn]] void WriteFailed(const QString& path, const QString& reason) {
  throw ExportError(ExportError::Kind::WriteFailed,
                    "cannot write " + Quoted(path) + ": " + reason.toStdString());
}

void WriteAll(QSaveFile& file, const QByteArray& bytes) {
  if (file.write(bytes) != bytes.size()) WriteFailed(file.fileName(), file.errorString());
}

QString Title(const ChartResult& chart, const PageOptions& options) {
  return QStringLiteral("%1, %2 chart")
      .arg(QString::fromStdString(chart.details.name),
           QString::fromUtf8(TitleOf(options.style).data(),
                             static_cast<qsizetype>(TitleOf(options.style).size())));
}

void WritePng(QSaveFile& file, const ChartResult& chart, const PageOptions& options) {
  // The paper's size in inches times the resolution, to the nearest pixel: A4 at 300 dpi
  // is 2480 × 3508.
  // (QPageSize gives inches to two decimals only; its millimetres are exact.)
  const QSizeF inches = options.paper.size(QPageSize::Millimeter) / kMillimetresPerInch;
  const QSize pixels(static_cast<int>(std::lround(inches.width() * options.pngDpi)),
                     static_cast<int>(std::lround(inches.height() * options.pngDpi)));
  QImage image(pixels, QImage::Format_RGB32);
  image.fill(Qt::white);
  const int dotsPerMetre = static_cast<int>(std::lround(options.pngDpi / kMetresPerInch));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  {
    QPainter painter(&image);
    painter.scale(options.pngDpi / kPointsPerInch, options.pngDpi / kPointsPerInch);
    DrawChartPage(painter, options.paper.size(QPageSize::Point), chart, options.style);
  }
  image.setText(QStringLiteral("Title"), Title(chart, options));
  // Encoded in memory: the PNG encoder's own way out of a failed write loses memory, and a
  // full disk must cost nothing but the message.
  QBuffer encoded;
  encoded.open(QIODevice::WriteOnly);
  if (!image.save(&encoded, "PNG"))
    WriteFailed(file.fileName(), QStringLiteral("the image could not be encoded"));
  WriteAll(file, encoded.data());
}

// Stands in for the title while the generator writes, which copies a title into the
// document as it is: the escaped title replaces it afterwards.
constexpr char kTitleMark[] = "velquor-page-title-8d1f3c";

bool IsXmlChar(char32_t c) {
  if (c < 0x20) return c == 0x09 || c == 0x0A || c == 0x0D;
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  return c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

// Calls `keep` with each character of `text` XML 1.0 allows, as one code unit or a
// surrogate pair; lone surrogates and the forbidden characters are passed over.
template <typename Keep>
void ForEachXmlChar(const QString& text, Keep keep) {
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
      keep(QChar::surrogateToUcs4(c, text[i + 1]), QStringView(text).mid(i, 2));
      ++i;
    } else if (IsXmlChar(c.unicode())) {
      keep(c.unicode(), QStringView(text).mid(i, 1));
    }
  }
}

// `svg` with every character XML 1.0 forbids left out; bytes that are not UTF-8 become
// U+FFFD first.
QByteArray WithoutForbiddenXmlCharacters(const QByteArray& svg) {
  QString kept;
  kept.reserve(svg.size());
  ForEachXmlChar(QString::fromUtf8(svg), [&](char32_t, QStringView unit) { kept += unit; });
  return kept.toUtf8();
}

void WriteSvg(QSaveFile& file, const ChartResult& chart, const PageOptions& options) {
  const QSizeF points = options.paper.size(QPageSize::Point);
  // The generator's text stream does not pass on a failed write: the drawing is made in
  // memory, and its bytes written with a check.
  QBuffer drawing;
  drawing.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&drawing);
  svg.setSize(points.toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), points));
  svg.setResolution(static_cast<int>(kPointsPerInch));
  svg.setTitle(QString::fromLatin1(kTitleMark));
  QPainter painter;
  if (!painter.begin(&svg))
    WriteFailed(file.fileName(), QStringLiteral("the drawing could not start"));
  DrawChartPage(painter, points, chart, options.style);
  painter.end();
  QByteArray document = drawing.data();
  document.replace(kTitleMark, XmlText(Title(chart, options)).toUtf8());
  WriteAll(file, WithoutForbiddenXmlCharacters(document));
}

void WritePdf(QSaveFile& file, const ChartResult& chart, const PageOptions& options) {
  QPdfWriter pdf(&file);
  pdf.setPageSize(options.paper);
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setResolution(kPdfResolution);
  pdf.setTitle(Title(chart, options));
  pdf.setCreator(QStringLiteral("Velquor"));
  QPainter painter;
  if (!painter.begin(&pdf)) WriteFailed(file.fileName(), file.errorString());
  painter.scale(kPdfResolution / kPointsPerInch, kPdfResolution / kPointsPerInch);
  DrawChartPage(painter, options.paper.size(QPageSize::Point), chart, options.style);
  painter.end();
}

}  // namespace

QString XmlText(const QString& text) {
  QString out;
  out.reserve(text.size());
  ForEachXmlChar(text, [&](char32_t c, QStringView unit) {
    switch (c) {
      case U'&':
        out += QStringLiteral("&amp;");
        break;
      case U'<':
        out += QStringLiteral("&lt;");
        break;
      case U'>':
        out += QStringLiteral("&gt;");
        break;
      case U'"':
        out += QStringLiteral("&quot;");
        break;
      case U'\'':
        out += QStringLiteral("&apos;");
        break;
      default:
        out += unit;
    }
  });
  return out;
}

std::optional<PageFormat> PageFormatOfPath(const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension == QStringLiteral("png")) return PageFormat::Png;
  if (extension == QStringLiteral("svg")) return PageFormat::Svg;
  if (extension == QStringLiteral("pdf")) return PageFormat::Pdf;
  return std::nullopt;
}

std::optional<QPageSize> PaperNamed(std::string_view name) {
  if (name == "a4") return QPageSize(QPageSize::A4);
  if (name == "letter") return QPageSize(QPageSize::Letter);
  return std::nullopt;
}

void ExportChartPage(const QString& path, const ChartResult& chart, const PageOptions& options) {
  const std::optional<PageFormat> format = PageFormatOfPath(path);
  if (!format)
    throw ExportError(ExportError::Kind::UnknownFormat,
                      Quoted(path) + " has none of the extensions .png, .svg and .pdf");
  if (*format == PageFormat::Png &&
      (options.pngDpi < kMinimumPngDpi || options.pngDpi > kMaximumPngDpi))
    throw ExportError(ExportError::Kind::BadOption,
                      Quoted(path) + ": a resolution of " + std::to_string(options.pngDpi) +
                          " dpi is not within " + std::to_string(kMinimumPngDpi) + " to " +
                          std::to_string(kMaximumPngDpi));
  // A folder would take the page's name, and a FIFO or a device would be replaced by a
  // file: refused before anything is written. A symbolic link to a file is written through.
  namespace fs = std::filesystem;
  std::error_code unknown;
  const fs::file_type type = fs::status(path.toStdString(), unknown).type();
  if (type == fs::file_type::directory) WriteFailed(path, QStringLiteral("it is a folder"));
  if (type != fs::file_type::regular && type != fs::file_type::not_found &&
      type != fs::file_type::none)
    WriteFailed(path, QStringLiteral("it is not a regular file (a FIFO, a device or a socket)"));

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) WriteFailed(path, file.errorString());
  switch (*format) {
    case PageFormat::Png:
      WritePng(file, chart, options);
      break;
    case PageFormat::Svg:
      WriteSvg(file, chart, options);
      break;
    case PageFormat::Pdf:
      WritePdf(file, chart, options);
      break;
  }
  if (!file.commit()) WriteFailed(path, file.errorString());
}

}  // namespace velquor
