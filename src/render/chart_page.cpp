#include "render/chart_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <utility>

#include "astro/position_text.h"
#include "chart/conventions.h"
#include "chart/position_texts.h"
#include "chart/sign_names.h"
#include "chart/time_zones.h"
#include "pranapada/pranapada_lagna.h"
#include "render/chart_diagram.h"
#include "render/page_fonts.h"
#include "render/render_colours.h"

namespace velquor {

namespace {

// The page is laid out in tenths of a point, so that letter sizes (whole units) are fine.
constexpr double kUnitsPerPoint = 10;
constexpr double kMargin = 420;
constexpr double kColumnGap = 240;
constexpr int kTextSize = 95;
constexpr int kSmallSize = 80;
constexpr int kHeadingSize = 110;
constexpr int kNameSize = 200;
constexpr int kSmallestNameSize = 130;
constexpr double kLargestChart = 4000;

QString Text(const std::string& text) { return QString::fromStdString(text); }
QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

double LineHeight(const QFont& font) { return QFontMetricsF(font).lineSpacing(); }

// Draws `text` word-wrapped in `width` from `top`; returns the height it took.
double DrawWrapped(QPainter& painter, double left, double top, double width, const QString& text) {
  const QRectF room(left, top, width, 1e6);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  QRectF used;
  painter.drawText(room, flags, text, &used);
  return used.height();
}

double WrappedHeight(const QFont& font, double width, const QString& text) {
  return QFontMetricsF(font)
      .boundingRect(QRectF(0, 0, width, 1e6), Qt::AlignLeft | Qt::TextWordWrap, text)
      .height();
}

void DrawLine(QPainter& painter, double left, double baseline, const QString& text) {
  painter.drawText(QPointF(left, baseline), text);
}

QString TimeOfBirth(const BirthData& birth) {
  return QStringLiteral("%1:%2:%3")
      .arg(birth.hourNumber, 2, 10, QLatin1Char('0'))
      .arg(birth.minuteNumber, 2, 10, QLatin1Char('0'))
      .arg(birth.secondNumber, 2, 10, QLatin1Char('0'));
}

using Row = std::pair<QString, QString>;

// "at 12°30' of Aquarius": where in its sign the Pranapada Lagna stands, in the degrees
// of the command line's tables.
QString PranapadaDegreeText(const ChartResult& chart) {
  const double longitude = PranapadaLongitude(chart.SunAtSunriseText, chart.pranapada);
  return QStringLiteral("at %1 of %2")
      .arg(Text(DegreesInSign(longitude)),
           QString::fromLatin1(kSignNames[static_cast<std::size_t>(chart.pranapada.PpLSign - 1)]));
}

// Captions and values in two columns of rows.
double DrawDetails(QPainter& painter, double left, double top, double width,
                   const ChartResult& chart) {
  const DetailTexts& d = chart.details;
  const auto zoneIndex =
      static_cast<std::size_t>(std::clamp(chart.zoneIndex, 0, kTimeZoneCount - 1));
  const std::array<std::array<Row, 4>, 2> columns = {{
      {{{QStringLiteral("Date of Birth :"), Text(d.dob)},
        {QStringLiteral("Time of Birth :"), TimeOfBirth(chart.birth)},
        {QStringLiteral("Time zone :"), Text(TimeZoneTable()[zoneIndex].label)},
        {QStringLiteral("Daylight saving :"),
         chart.dst ? QStringLiteral("yes") : QStringLiteral("no")}}},
      {{{QStringLiteral("Latitude :"), Text(d.latitude)},
        {QStringLiteral("Longitude :"), Text(d.longitude)},
        {QStringLiteral("Place :"), Text(d.city)},
        {QStringLiteral("State, country :"),
         Text(d.state) + (d.state.empty() || d.country.empty() ? QString() : QStringLiteral(", ")) +
             Text(d.country)}}},
  }};
  const QFont font = PageFont(kTextSize, false);
  const QFontMetricsF metrics(font);
  const double step = metrics.lineSpacing() * 1.25;
  const double columnWidth = (width - kColumnGap) / 2;
  const double captionWidth =
      QFontMetricsF(font).horizontalAdvance(QStringLiteral("Daylight saving : "));
  painter.setFont(font);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const double x = left + static_cast<double>(c) * (columnWidth + kColumnGap);
    double baseline = top + metrics.ascent();
    for (const auto& [caption, value] : columns[c]) {
      painter.setPen(RenderColours::kFaintInk);
      DrawLine(painter, x, baseline, caption);
      painter.setPen(RenderColours::kInk);
      DrawLine(painter, x + captionWidth, baseline,
               metrics.elidedText(value, Qt::ElideRight, columnWidth - captionWidth));
      baseline += step;
    }
  }
  return step * 4;
}

double DrawPositions(QPainter& painter, double left, double top, double width,
                     const ChartResult& chart) {
  const QFont heading = PageFont(kHeadingSize, true);
  const QFont caption = PageFont(kTextSize, false);
  const QFont fixed = FixedPageFont(kTextSize);
  painter.setFont(heading);
  painter.setPen(RenderColours::kInk);
  double baseline = top + QFontMetricsF(heading).ascent();
  DrawLine(painter, left, baseline, QStringLiteral("Vedic Planetary Position"));
  baseline += LineHeight(heading) * 1.4;
  const double step = LineHeight(caption) * 1.3;
  const double valueX =
      left + width - QFontMetricsF(fixed).horizontalAdvance(QStringLiteral("00 Ari 00"));
  for (std::size_t body = 0; body < chart.PositionTexts.size(); ++body) {
    painter.setFont(caption);
    DrawLine(painter, left, baseline, QString::fromLatin1(kPositionCaptions[body]));
    painter.setFont(fixed);
    DrawLine(painter, valueX, baseline, Text(chart.PositionTexts[body]));
    baseline += step;
  }
  return baseline - top;
}

// The Pranapada Lagna's sign and house, and the meaning of that house.
double DrawPranapada(QPainter& painter, double left, double top, double width,
                     const ChartResult& chart) {
  const QFont heading = PageFont(kHeadingSize, true);
  const QFont result = PageFont(kHeadingSize * 3 / 2, true);
  const QFont text = PageFont(kTextSize, false);
  QFont italic = text;
  italic.setItalic(true);
  double y = top;
  painter.setFont(heading);
  painter.setPen(RenderColours::kInk);
  y += DrawWrapped(painter, left, y, width,
                   QStringLiteral("Pranapada Lagna Present House Significance"));
  y += LineHeight(heading) * 0.4;
  painter.setFont(result);
  painter.setPen(RenderColours::kAccent);
  y += DrawWrapped(painter, left, y, width, PranapadaCentreText(chart));
  const int sign = chart.pranapada.PpLSign;
  if (sign >= 1 && sign <= 12) {
    painter.setFont(PageFont(kTextSize, true));
    y += DrawWrapped(painter, left, y, width, PranapadaDegreeText(chart));
  }
  y += LineHeight(text) * 0.5;
  painter.setFont(italic);
  painter.setPen(RenderColours::kInk);
  y += DrawWrapped(painter, left, y, width,
                   QStringLiteral("Pranapada Lagna signifies the energy that you have in life."));
  y += LineHeight(text) * 0.5;
  painter.setFont(PageFont(kTextSize, true));
  y += DrawWrapped(painter, left, y, width, QStringLiteral("Significance"));
  painter.setFont(text);
  y += DrawWrapped(painter, left, y, width, Text(chart.HouseText));
  return y - top;
}

}  // namespace

void DrawChartPage(QPainter& painter, const QSizeF& pageSize, const ChartResult& chart,
                   DiagramStyle style) {
  painter.save();
  painter.scale(1 / kUnitsPerPoint, 1 / kUnitsPerPoint);
  const QSizeF page = pageSize * kUnitsPerPoint;
  painter.fillRect(QRectF(QPointF(0, 0), page), RenderColours::kPaper);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double left = kMargin;
  const double width = page.width() - 2 * kMargin;
  const double bottom = page.height() - kMargin;

  // The header: what the page is, and whose.
  const QFont small = PageFont(kSmallSize, false);
  painter.setFont(small);
  painter.setPen(RenderColours::kFaintInk);
  double y = kMargin;
  DrawLine(painter, left, y + QFontMetricsF(small).ascent(),
           QStringLiteral("Pranapada Lagna \u00b7 sidereal birth chart"));
  y += LineHeight(small) * 1.5;
  // The whole name, however long: smaller letters first, then more lines.
  const QString name = Text(chart.details.name);
  QFont nameFont = PageFont(kNameSize, true);
  for (int size = kNameSize; size >= kSmallestNameSize; size -= 10) {
    nameFont = PageFont(size, true);
    if (QFontMetricsF(nameFont).horizontalAdvance(name) <= width) break;
  }
  painter.setFont(nameFont);
  painter.setPen(RenderColours::kInk);
  y += DrawWrapped(painter, left, y, width, name) + LineHeight(nameFont) * 0.3;
  y += DrawDetails(painter, left, y, width, chart) + LineHeight(small);

  // The bottom part is measured first; the chart takes the height left between.
  const double columnWidth = (width - kColumnGap) / 2;
  const QFont text = PageFont(kTextSize, false);
  const QString conventions = Text(ConventionsLine(chart.conventions));
  const double footer =
      LineHeight(small) * 1.5 + WrappedHeight(PageFont(kSmallSize, true), width, conventions);
  const double positions =
      LineHeight(PageFont(kHeadingSize, true)) * 1.4 + 10 * LineHeight(text) * 1.3;
  const double lower =
      std::max(positions, LineHeight(PageFont(kHeadingSize, true)) * 5 + LineHeight(text) +
                              WrappedHeight(text, columnWidth, Text(chart.HouseText)));
  const QFont heading = PageFont(kHeadingSize, true);
  const double chartTitle = LineHeight(heading) * 1.4;
  const double side = std::min(
      {width, kLargestChart, bottom - y - chartTitle - lower - footer - 2 * LineHeight(text)});

  painter.setFont(heading);
  painter.setPen(RenderColours::kInk);
  const QString title = QStringLiteral("Rasi chart, %1 style").arg(Text(TitleOf(style)));
  DrawLine(painter, left + (width - QFontMetricsF(heading).horizontalAdvance(title)) / 2,
           y + QFontMetricsF(heading).ascent(), title);
  y += chartTitle;
  DrawChartDiagram(painter, QRectF(left + (width - side) / 2, y, side, side), chart, style);
  y += side + LineHeight(text) * 1.5;

  DrawPositions(painter, left, y, columnWidth, chart);
  DrawPranapada(painter, left + columnWidth + kColumnGap, y, columnWidth, chart);

  // A chart counted by other than the classic conventions says so in bold, so that it is
  // not taken for the classic one.
  const bool classic = chart.conventions == ClassicConventions();
  painter.setFont(classic ? small : PageFont(kSmallSize, true));
  painter.setPen(classic ? RenderColours::kFaintInk : RenderColours::kAccent);
  DrawWrapped(painter, left, bottom - footer, width, conventions);
  painter.setFont(small);
  painter.setPen(RenderColours::kFaintInk);
  DrawLine(painter, left, bottom - QFontMetricsF(small).descent(),
           QStringLiteral("Velquor %1").arg(QStringLiteral(VELQUOR_VERSION)));
  painter.restore();
}

}  // namespace velquor
