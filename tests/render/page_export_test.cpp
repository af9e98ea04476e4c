// The chart page as files: every body and the "PpL" tag inside the right house of the SVG in
// every style, one PDF page whose text holds the result, PNG sizes that follow the
// resolution and the paper, and faults that leave nothing behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

#include "astro/position_text.h"
#include "chart/sign_names.h"
#include "pranapada/pranapada_lagna.h"
#include "render/chart_diagram.h"
#include "render/page_export.h"
#include "sample_charts.h"
#include "svg_page.h"

namespace velquor {
namespace {

using test::SampleCharts;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// What a poppler tool prints for the file; fails the test when the tool is missing.
QString Poppler(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    ADD_FAILURE() << tool.toStdString() << " failed (poppler-utils installed?)";
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString SignLabel(DiagramStyle style, int sign) {
  if (style == DiagramStyle::North) return QString::number(sign + 1);
  return QString::fromLatin1(kSignNames[static_cast<std::size_t>(sign)]).left(3);
}

// The smallest shape holding the text's baseline start, or nothing.
std::optional<QPolygonF> HouseOf(const test::SvgPage& page, const test::SvgText& text) {
  std::optional<QPolygonF> found;
  double foundArea = 0;
  for (const QPolygonF& shape : page.shapes) {
    if (!shape.containsPoint(text.anchor, Qt::OddEvenFill)) continue;
    const QRectF bounds = shape.boundingRect();
    const double area = bounds.width() * bounds.height();
    if (!found || area < foundArea) {
      found = shape;
      foundArea = area;
    }
  }
  return found;
}

// The signs whose labels lie inside `house`.
std::vector<int> LabelledSigns(const test::SvgPage& page, const QPolygonF& house,
                               DiagramStyle style) {
  std::vector<int> signs;
  for (int sign = 0; sign < 12; ++sign)
    for (const test::SvgText& text : page.texts)
      if (text.text == SignLabel(style, sign) && house.containsPoint(text.anchor, Qt::OddEvenFill))
        signs.push_back(sign);
  return signs;
}

class ChartPageStyles : public ::testing::TestWithParam<DiagramStyle> {};

TEST_P(ChartPageStyles, SvgHoldsEveryBodyAndTagInsideItsSignsHouse) {
  const DiagramStyle style = GetParam();
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("chart.svg"));
  for (const ChartResult& chart : SampleCharts()) {
    PageOptions options;
    options.style = style;
    ExportChartPage(path, chart, options);
    const test::SvgPage page = test::ReadSvgPage(ReadAll(path));
    for (int sign = 0; sign < 12; ++sign) {
      const auto index = static_cast<std::size_t>(sign);
      QStringList expected =
          CellLines(chart.SignCells[index]) + CellLines(chart.SpecialCells[index]);
      for (const QString& name : expected) {
        SCOPED_TRACE(testing::Message() << NameOf(style) << ", " << chart.details.tob << ", "
                                        << name.toStdString() << " in sign " << sign);
        // The body's name or its abbreviation: a narrow house may put its retrograde mark on
        // the next line.
        const QString word = name.section(u' ', 0, 0);
        const QString shortWord = AbbreviatedLine(word);
        bool placed = false;
        for (const test::SvgText& text : page.texts) {
          const QString drawn = text.text.trimmed().section(u' ', 0, 0);
          if (drawn != word && drawn != shortWord) continue;
          const std::optional<QPolygonF> house = HouseOf(page, text);
          if (house && LabelledSigns(page, *house, style) == std::vector<int>{sign}) placed = true;
        }
        EXPECT_TRUE(placed);
      }
    }
  }
}

QPointF Centre(const QPolygonF& polygon) {
  QPointF sum;
  for (qsizetype i = 0; i + 1 < polygon.size(); ++i) sum += polygon[i];
  return sum / static_cast<double>(polygon.size() - 1);
}

// The smallest shape holding the label of sign index `sign`.
std::optional<QPolygonF> HouseOfLabel(const test::SvgPage& page, DiagramStyle style, int sign) {
  for (const test::SvgText& text : page.texts)
    if (text.text == SignLabel(style, sign)) return HouseOf(page, text);
  return std::nullopt;
}

// The North-Indian houses stay: the ascendant's sign is numbered in the top house, the 4th
// sign from it on the left, the 7th at the bottom, the 10th on the right.
TEST(ChartPage, NorthIndianHousesTurnWithTheAscendant) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("chart.svg"));
  for (const ChartResult& chart : SampleCharts()) {
    PageOptions options;
    options.style = DiagramStyle::North;
    ExportChartPage(path, chart, options);
    const test::SvgPage page = test::ReadSvgPage(ReadAll(path));
    const int ascendant = chart.AscSign - 1;
    std::array<QPointF, 4> centres;  // houses 1, 4, 7, 10
    for (std::size_t quarter = 0; quarter < 4; ++quarter) {
      const std::optional<QPolygonF> house =
          HouseOfLabel(page, DiagramStyle::North, (ascendant + 3 * static_cast<int>(quarter)) % 12);
      ASSERT_TRUE(house.has_value());
      centres[quarter] = Centre(*house);
    }
    SCOPED_TRACE(chart.details.tob);
    EXPECT_NEAR(centres[0].x(), centres[2].x(), 1.0);
    EXPECT_LT(centres[0].y(), centres[2].y());
    EXPECT_NEAR(centres[1].y(), centres[3].y(), 1.0);
    EXPECT_LT(centres[1].x(), centres[3].x());
    EXPECT_NEAR((centres[1].y() + centres[3].y()) / 2, (centres[0].y() + centres[2].y()) / 2, 1.0);
  }
}

TEST_P(ChartPageStyles, PdfIsOnePageWithTheNameTheSignAndTheHouseText) {
  const DiagramStyle style = GetParam();
  const ChartResult& chart = SampleCharts().front();
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("chart.pdf"));
  PageOptions options;
  options.style = style;
  ExportChartPage(path, chart, options);
  EXPECT_TRUE(ReadAll(path).startsWith("%PDF-"));
  EXPECT_TRUE(Poppler(QStringLiteral("pdfinfo"), {path})
                  .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
  const QString text =
      Poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).simplified();
  EXPECT_TRUE(text.contains(QString::fromStdString(chart.details.name)));
  const QString sign =
      QString::fromLatin1(kSignNames[static_cast<std::size_t>(chart.pranapada.PpLSign - 1)]);
  EXPECT_TRUE(
      text.contains(QStringLiteral("PpL: %1, house %2").arg(sign).arg(chart.pranapada.House)))
      << text.toStdString();
  // Where in the sign, in the command line's degrees.
  const double longitude = PranapadaLongitude(chart.SunAtSunriseText, chart.pranapada);
  EXPECT_TRUE(text.contains(
      QStringLiteral("at %1 of %2").arg(QString::fromStdString(DegreesInSign(longitude)), sign)))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromStdString(chart.HouseText))) << text.toStdString();
  EXPECT_TRUE(
      text.contains(QStringLiteral("%1 style").arg(QString::fromLatin1(TitleOf(style).data()))));
}

INSTANTIATE_TEST_SUITE_P(Styles, ChartPageStyles,
                         ::testing::Values(DiagramStyle::South, DiagramStyle::North,
                                           DiagramStyle::East),
                         [](const auto& style) { return std::string(NameOf(style.param)); });

TEST(ChartPage, PngSizeFollowsTheResolutionAndThePaper) {
  struct Case {
    QPageSize::PageSizeId paper;
    int dpi;
    QSize pixels;
  };
  const Case cases[] = {
      {QPageSize::A4, 300, {2480, 3508}},
      {QPageSize::A4, 150, {1240, 1754}},
      {QPageSize::Letter, 100, {850, 1100}},
      {QPageSize::Letter, 30, {255, 330}},
  };
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("chart.png"));
  for (const Case& c : cases) {
    PageOptions options;
    options.paper = QPageSize(c.paper);
    options.pngDpi = c.dpi;
    ExportChartPage(path, SampleCharts().front(), options);
    const QImage image(path);
    EXPECT_EQ(image.size(), c.pixels) << c.dpi;
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, c.dpi, 0.5);
  }
}

TEST(ChartPage, FormatFollowsTheExtensionInAnyCase) {
  EXPECT_EQ(PageFormatOfPath(QStringLiteral("a/b.PNG")), PageFormat::Png);
  EXPECT_EQ(PageFormatOfPath(QStringLiteral("b.svg")), PageFormat::Svg);
  EXPECT_EQ(PageFormatOfPath(QStringLiteral("c.Pdf")), PageFormat::Pdf);
  for (const char* other : {"chart", "chart.txt", "chart.pdf.bak", "pdf", "chart.jpeg"})
    EXPECT_FALSE(PageFormatOfPath(QString::fromLatin1(other)).has_value()) << other;
}

// Each fault names the file and leaves the folder as it was.
TEST(ChartPage, FaultsNameTheFileAndLeaveNothingBehind) {
  QTemporaryDir folder;
  QDir(folder.path()).mkdir(QStringLiteral("taken.pdf"));
  struct Case {
    QString path;
    int dpi;
    ExportError::Kind kind;
  };
  const Case cases[] = {
      {folder.filePath(QStringLiteral("chart.txt")), kDefaultPngDpi,
       ExportError::Kind::UnknownFormat},
      {folder.filePath(QStringLiteral("chart")), kDefaultPngDpi, ExportError::Kind::UnknownFormat},
      {folder.filePath(QStringLiteral("chart.png")), kMaximumPngDpi + 1,
       ExportError::Kind::BadOption},
      {folder.filePath(QStringLiteral("chart.png")), kMinimumPngDpi - 1,
       ExportError::Kind::BadOption},
      {folder.filePath(QStringLiteral("no/such/folder/chart.pdf")), kDefaultPngDpi,
       ExportError::Kind::WriteFailed},
      {folder.filePath(QStringLiteral("taken.pdf")), kDefaultPngDpi,
       ExportError::Kind::WriteFailed},
  };
  for (const Case& c : cases) {
    PageOptions options;
    options.pngDpi = c.dpi;
    try {
      ExportChartPage(c.path, SampleCharts().front(), options);
      ADD_FAILURE() << "no error for " << c.path.toStdString();
    } catch (const ExportError& error) {
      EXPECT_EQ(error.kind(), c.kind) << c.path.toStdString();
      EXPECT_NE(std::string(error.what()).find(c.path.toStdString()), std::string::npos)
          << error.what();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("taken.pdf")});
  }
}

TEST(ChartPage, ReadOnlyFolderKeepsItsFile) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("chart.pdf"));
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old page");
  old.close();
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_THROW(ExportChartPage(path, SampleCharts().front(), {}), ExportError);
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(ReadAll(path), "old page");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("chart.pdf")});
}

TEST(ChartPage, DescriptionReadsTheHousesFromTheAscendant) {
  const ChartResult& chart = SampleCharts().front();
  const QString asc = QString::fromLatin1(kSignNames[static_cast<std::size_t>(chart.AscSign - 1)]);
  for (DiagramStyle style : kDiagramStyles) {
    const QString text = DiagramDescription(chart, style);
    EXPECT_TRUE(
        text.startsWith(QString::fromLatin1(TitleOf(style).data()) + QStringLiteral(" chart.")));
    EXPECT_TRUE(text.contains(QStringLiteral("House 1, %1: ").arg(asc))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("House 12, ")));
    EXPECT_TRUE(text.contains(QStringLiteral("PpL")));
  }
}

// The texts of an SVG page read back by an XML reader: the title, and whether any element
// is named `element`. Fails the test when the document is not well-formed.
struct SvgRead {
  QString title;
  bool hasElement = false;
};

SvgRead ReadSvgTitle(const QByteArray& svg, const QString& element) {
  SvgRead read;
  QXmlStreamReader reader(svg);
  while (!reader.atEnd()) {
    reader.readNext();
    if (!reader.isStartElement()) continue;
    if (reader.name() == element) read.hasElement = true;
    if (reader.name() == QStringLiteral("title")) read.title = reader.readElementText();
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString() << " at line "
                                  << reader.lineNumber();
  return read;
}

// What XML keeps of a text: the characters XML 1.0 allows.
QString XmlAllowed(const QString& text) {
  QString kept;
  for (const char32_t c : text.toUcs4()) {
    const bool allowed = c >= 0x20 ? !(c >= 0xD800 && c <= 0xDFFF) && c != 0xFFFE && c != 0xFFFF
                                   : c == 0x09 || c == 0x0A || c == 0x0D;
    if (allowed && c != 0xFFFD) kept += QString::fromUcs4(&c, 1);
  }
  return kept;
}

// Hostile and ordinary names, in the title and drawn on the page, make a well-formed SVG
// whose title reads back as the name without the characters XML forbids, and in which no
// markup of the name became an element.
TEST(ChartPage, SvgOfAnyNameIsWellFormedXml) {
  const QString loneSurrogate(QChar(0xD800));
  const QString names[] = {
      QStringLiteral("</title><script>alert(1)</script><title>"),
      QStringLiteral("Ram & Sita"),
      QStringLiteral("O'Brien \"Junior\""),
      QStringLiteral("A <b>bold</b> name"),
      QStringLiteral("&amp; &#1; &lt;"),
      QStringLiteral("bell\x07 escape\x1b[31m nul-free \x01\x1f tab\tend"),
      QStringLiteral("Priya \U0001F31F Sharma"),
      QStringLiteral("\uFFFE\uFFFF noncharacters"),
      QStringLiteral("lone ") + loneSurrogate + QStringLiteral(" surrogate"),
      QStringLiteral("]]> <![CDATA[ x"),
      QStringLiteral("ASHA MEHTA"),
      QStringLiteral("Zoë Ångström-Müller"),
      QStringLiteral("\u0905\u0936\u093E \u092E\u0947\u0939\u0924\u093E"),
  };
  QTemporaryDir folder;
  for (const QString& name : names) {
    ChartResult chart = SampleCharts().front();
    chart.details.name = name.toStdString();
    chart.details.city = name.toStdString();
    const QString path = folder.filePath(QStringLiteral("chart.svg"));
    ASSERT_NO_THROW(ExportChartPage(path, chart, {})) << name.toStdString();
    const QByteArray svg = ReadAll(path);
    const SvgRead read = ReadSvgTitle(svg, QStringLiteral("script"));
    const QString written = QString::fromStdString(chart.details.name);
    EXPECT_EQ(read.title, XmlAllowed(written) + QStringLiteral(", %1 chart").arg(QString::fromLatin1(TitleOf(DiagramStyle::South).data())))
        << name.toStdString();
    EXPECT_FALSE(read.hasElement) << name.toStdString();
    EXPECT_FALSE(svg.contains("<script")) << name.toStdString();
    // The name as drawn text reads back too.
    bool drawn = false;
    for (const test::SvgText& text : test::ReadSvgPage(svg).texts)
      drawn = drawn || text.text.contains(XmlAllowed(written).trimmed().left(4));
    EXPECT_TRUE(drawn) << name.toStdString();
  }
}

TEST(ChartPage, XmlTextEscapesMarkupAndDropsForbiddenCharacters) {
  EXPECT_EQ(XmlText(QStringLiteral("a&b<c>d\"e'f")),
            QStringLiteral("a&amp;b&lt;c&gt;d&quot;e&apos;f"));
  EXPECT_EQ(XmlText(QStringLiteral("t\tl\nr\r")), QStringLiteral("t\tl\nr\r"));
  EXPECT_EQ(XmlText(QString(QChar(0xDC00)) + QStringLiteral("x") + QChar(0xD800)),
            QStringLiteral("x"));
  EXPECT_EQ(XmlText(QStringLiteral("\U0001F31F")), QStringLiteral("\U0001F31F"));
  // Every code point of the lower planes: forbidden ones vanish, the rest pass or become
  // one entity.
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const QString one = QString::fromUcs4(&c, 1);
    const QString out = XmlText(one);
    const bool forbidden = (c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D) || c == 0xFFFE ||
                           c == 0xFFFF;
    if (forbidden) {
      EXPECT_TRUE(out.isEmpty()) << static_cast<unsigned>(c);
    } else if (c == U'&' || c == U'<' || c == U'>' || c == U'"' || c == U'\'') {
      EXPECT_TRUE(out.startsWith(u'&') && out.endsWith(u';')) << static_cast<unsigned>(c);
    } else {
      EXPECT_EQ(out, one) << static_cast<unsigned>(c);
    }
  }
}

// A FIFO in place of the page is neither opened (nothing waits on it) nor replaced.
TEST(ChartPage, FifoIsRefusedAndKept) {
  QTemporaryDir folder;
  for (const char* name : {"page.svg", "page.png", "page.pdf"}) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    try {
      ExportChartPage(path, SampleCharts().front(), {});
      ADD_FAILURE() << "no error for " << name;
    } catch (const ExportError& error) {
      EXPECT_EQ(error.kind(), ExportError::Kind::WriteFailed);
      EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos);
    }
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << name;
  }
}

}  // namespace
}  // namespace velquor
