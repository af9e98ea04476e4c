#include "cli/chart_export.h"

#include <QGuiApplication>
#include <array>
#include <memory>

#include <CLI/CLI.hpp>

#include "births/input_error.h"
#include "cli/command.h"
#include "cli/option_values.h"

namespace velquor {

namespace {

// A QGuiApplication for the time of one export when the process has none: the command-line
// tool needs Qt Gui only to draw a page, and then without a display.
class OffscreenGui {
 public:
  OffscreenGui() {
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt warns that a session without XDG_RUNTIME_DIR has no runtime folder, which a page
    // needs none of: that one warning is left out of the tool's messages.
    previousHandler_ = qInstallMessageHandler(&WithoutRuntimeFolderWarning);
    app_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
    qInstallMessageHandler(previousHandler_);
  }

 private:
  static void WithoutRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context,
                                          const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (previousHandler_ != nullptr) previousHandler_(type, context, message);
  }

  static inline QtMessageHandler previousHandler_ = nullptr;

  // QGuiApplication keeps references to these for its lifetime.
  std::array<char, 12> name_{"velquor-cli"};
  int argc_ = 1;
  std::array<char*, 2> argv_{name_.data(), nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace

void AddExportOptions(CLI::App& chart, ExportTexts& texts) {
  CLI::Option* path = chart.add_option(
      "--export", texts.path,
      "Write the chart's page (the one the desktop program prints) to FILE instead of the "
      "readable chart, as PNG, SVG or PDF by its extension: .png, .svg or .pdf");
  path->type_name("FILE");
  chart
      .add_option("--style", texts.style,
                  "The page's chart style: south (the default), north or east (Indian)")
      ->needs(path);
  chart.add_option("--paper", texts.paper, "The page's paper size: a4 (the default) or letter")
      ->needs(path);
  chart
      .add_option("--dpi", texts.dpi,
                  "Resolution of a .png page in dots per inch, 30 to 1200 (default 300)")
      ->transform(CLI::Validator(DecimalWholeNumber, "", "decimal"))
      ->check(CLI::Range(kMinimumPngDpi, kMaximumPngDpi))
      ->needs(path);
}

ExportRequest ReadExportRequest(const ExportTexts& texts) {
  ExportRequest request;
  request.path = QString::fromStdString(texts.path);
  const std::optional<PageFormat> format = PageFormatOfPath(request.path);
  if (!format)
    throw InputError("--export", "\"" + texts.path + "\" ends in none of .png, .svg and .pdf");
  if (!texts.style.empty()) {
    const std::optional<DiagramStyle> style = DiagramStyleNamed(texts.style);
    if (!style)
      throw InputError("--style", "\"" + texts.style + "\" is none of south, north and east");
    request.options.style = *style;
  }
  if (!texts.paper.empty()) {
    const std::optional<QPageSize> paper = PaperNamed(texts.paper);
    if (!paper) throw InputError("--paper", "\"" + texts.paper + "\" is neither a4 nor letter");
    request.options.paper = *paper;
  }
  if (texts.dpi != 0) {
    if (*format != PageFormat::Png)
      throw InputError("--dpi", "only a .png page has a resolution in dots");
    request.options.pngDpi = texts.dpi;
  }
  return request;
}

int WriteChartExport(const ExportRequest& request, const ChartResult& chart, std::ostream& err) {
  const OffscreenGui gui;
  try {
    ExportChartPage(request.path, chart, request.options);
    return kExitOk;
  } catch (const ExportError& error) {
    err << kProgram << ": " << error.what() << '\n';
    return error.kind() == ExportError::Kind::WriteFailed ? kExitIoFailure : kExitBadInput;
  }
}

}  // namespace velquor
