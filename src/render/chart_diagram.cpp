#include "render/chart_diagram.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

#include "chart/sign_names.h"
#include "render/house_shapes.h"
#include "render/page_fonts.h"
#include "render/render_colours.h"

namespace velquor {

namespace {

// Letter sizes as fractions of the chart's side.
constexpr double kBodySize = 0.036;
constexpr double kSmallestBodySize = 0.017;
constexpr double kLabelSize = 0.03;
constexpr double kCentreSize = 0.038;

int SignIndexOf(int signNumber) {
  return signNumber >= 1 && signNumber <= 12 ? signNumber - 1 : -1;
}

// The sign's label: its number in the North-Indian chart (where the houses stay and the
// signs move), its abbreviation in the others (where the signs stay).
QString SignLabel(DiagramStyle style, int sign) {
  if (style == DiagramStyle::North) return QString::number(sign + 1);
  return QString::fromLatin1(kSignNames[static_cast<std::size_t>(sign)]).left(3);
}

struct Line {
  QString text;
  bool tag = false;
};

std::vector<Line> HouseLines(const ChartResult& chart, int sign) {
  std::vector<Line> lines;
  const auto index = static_cast<std::size_t>(sign);
  for (const QString& body : CellLines(chart.SignCells[index])) lines.push_back({body, false});
  for (const QString& tag : CellLines(chart.SpecialCells[index])) lines.push_back({tag, true});
  return lines;
}

// The largest letter size, from kBodySize down, at which every line fits the box.
int FittingSize(const std::vector<Line>& lines, const QRectF& box, double side) {
  int size = static_cast<int>(side * kBodySize);
  const int smallest = std::max(1, static_cast<int>(side * kSmallestBodySize));
  for (; size > smallest; size = size * 9 / 10) {
    const QFontMetricsF bold(PageFont(size, true));
    double widest = 0;
    for (const Line& line : lines) widest = std::max(widest, bold.horizontalAdvance(line.text));
    if (widest <= box.width() && bold.height() * static_cast<double>(lines.size()) <= box.height())
      break;
  }
  return std::max(size, smallest);
}

// The lines with each one's last word on a line of its own ("Saturn (R)" as "Saturn" and
// "(R)"): narrower, for the narrow houses.
std::vector<Line> Broken(const std::vector<Line>& lines) {
  std::vector<Line> broken;
  for (const Line& line : lines) {
    const qsizetype space = line.text.lastIndexOf(u' ');
    if (space <= 0) {
      broken.push_back(line);
      continue;
    }
    broken.push_back({line.text.left(space), line.tag});
    broken.push_back({line.text.mid(space + 1), line.tag});
  }
  return broken;
}

// The lines centred in the box, one under the other, each drawn from its baseline's start;
// broken before their last words where that lets the letters be larger.
void DrawLines(QPainter& painter, std::vector<Line> lines, const QRectF& box, double side) {
  if (lines.empty()) return;
  int size = FittingSize(lines, box, side);
  if (std::vector<Line> broken = Broken(lines); broken.size() > lines.size()) {
    if (const int brokenSize = FittingSize(broken, box, side); brokenSize > size) {
      lines = std::move(broken);
      size = brokenSize;
    }
  }
  const QFont regular = PageFont(size, false);
  const QFont bold = PageFont(size, true);
  const QFontMetricsF metrics(bold);
  const double height = metrics.height() * static_cast<double>(lines.size());
  double top = box.center().y() - height / 2;
  for (const Line& line : lines) {
    painter.setFont(line.tag ? bold : regular);
    painter.setPen(line.tag ? RenderColours::kAccent : RenderColours::kInk);
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(line.text);
    painter.drawText(QPointF(box.center().x() - width / 2, top + metrics.ascent()), line.text);
    top += metrics.height();
  }
}

void DrawCentredText(QPainter& painter, const QPointF& centre, const QString& text) {
  const QFontMetricsF metrics(painter.font());
  painter.drawText(QPointF(centre.x() - metrics.horizontalAdvance(text) / 2,
                           centre.y() + (metrics.ascent() - metrics.descent()) / 2),
                   text);
}

// "Rasi" and the Pranapada's sign and house in the empty middle, where the style has one.
void DrawCentre(QPainter& painter, const QRectF& centre, const ChartResult& chart, double side) {
  if (centre.isEmpty()) return;
  const int pranapada = SignIndexOf(chart.pranapada.PpLSign);
  painter.setFont(PageFont(static_cast<int>(side * kCentreSize), false));
  painter.setPen(RenderColours::kFaintInk);
  const double step = QFontMetricsF(painter.font()).height();
  DrawCentredText(painter, centre.center() - QPointF(0, step / 2), QStringLiteral("Rasi"));
  if (pranapada < 0) return;
  const QString result =
      QStringLiteral("PpL %1, house %2")
          .arg(QString::fromLatin1(kSignNames[static_cast<std::size_t>(pranapada)]))
          .arg(chart.pranapada.House);
  // As large as the middle's width allows (the East-Indian middle is one cell).
  int size = static_cast<int>(side * kCentreSize * 0.8);
  while (size > 1 &&
         QFontMetricsF(PageFont(size, true)).horizontalAdvance(result) > centre.width() * 0.9)
    size = size * 9 / 10;
  painter.setFont(PageFont(size, true));
  painter.setPen(RenderColours::kAccent);
  DrawCentredText(painter, centre.center() + QPointF(0, step / 2), result);
}

QPolygonF Placed(const QPolygonF& unit, const QRectF& square) {
  QPolygonF placed;
  for (const QPointF& point : unit)
    placed << square.topLeft() + QPointF(point.x() * square.width(), point.y() * square.height());
  return placed;
}

QRectF Placed(const QRectF& unit, const QRectF& square) {
  return {square.x() + unit.x() * square.width(), square.y() + unit.y() * square.height(),
          unit.width() * square.width(), unit.height() * square.height()};
}

}  // namespace

QStringList CellLines(const std::string& cell) {
  static const QRegularExpression kBreaks(QStringLiteral("[\r\n]+"));
  QStringList lines;
  for (const QString& line : QString::fromStdString(cell).split(kBreaks, Qt::SkipEmptyParts)) {
    const QString trimmed = line.trimmed();
    if (!trimmed.isEmpty()) lines << trimmed;
  }
  return lines;
}

void DrawChartDiagram(QPainter& painter, const QRectF& square, const ChartResult& chart,
                      DiagramStyle style) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double side = std::min(square.width(), square.height());
  const std::array<HouseShape, 12> shapes = HouseShapes(style, SignIndexOf(chart.AscSign));
  painter.fillRect(square, RenderColours::kPaper);

  const int pranapada = SignIndexOf(chart.pranapada.PpLSign);
  if (pranapada >= 0) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(RenderColours::kPranapadaTint);
    painter.drawPolygon(Placed(shapes[static_cast<std::size_t>(pranapada)].outline, square));
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(RenderColours::kLine, side * 0.003));
  for (const HouseShape& shape : shapes) painter.drawPolygon(Placed(shape.outline, square));
  painter.setPen(QPen(RenderColours::kLine, side * 0.007));
  painter.drawRect(square);

  // The South-Indian ascendant's cell carries a stroke across its top left corner, as on
  // the screen; the North-Indian ascendant is always the top house; every style writes
  // "Asc" among the bodies.
  const int ascendant = SignIndexOf(chart.AscSign);
  if (style == DiagramStyle::South && ascendant >= 0) {
    const QRectF cell =
        Placed(shapes[static_cast<std::size_t>(ascendant)].outline, square).boundingRect();
    const double reach = cell.width() * 0.18;
    painter.setPen(QPen(RenderColours::kLine, side * 0.004));
    painter.drawLine(cell.topLeft() + QPointF(0, reach), cell.topLeft() + QPointF(reach, 0));
  }

  painter.setFont(PageFont(static_cast<int>(side * kLabelSize), false));
  painter.setPen(RenderColours::kFaintInk);
  for (int sign = 0; sign < 12; ++sign) {
    const HouseShape& shape = shapes[static_cast<std::size_t>(sign)];
    const QPointF label(square.x() + shape.labelPoint.x() * square.width(),
                        square.y() + shape.labelPoint.y() * square.height());
    DrawCentredText(painter, label, SignLabel(style, sign));
  }
  for (int sign = 0; sign < 12; ++sign)
    DrawLines(painter, HouseLines(chart, sign),
              Placed(shapes[static_cast<std::size_t>(sign)].textBox, square), side);
  DrawCentre(painter, Placed(DiagramCentre(style), square), chart, side);
  painter.restore();
}

QString DiagramDescription(const ChartResult& chart, DiagramStyle style) {
  const std::array<HouseShape, 12> shapes = HouseShapes(style, SignIndexOf(chart.AscSign));
  std::array<int, 12> signOfHouse{};
  for (int sign = 0; sign < 12; ++sign)
    signOfHouse[static_cast<std::size_t>(shapes[static_cast<std::size_t>(sign)].house - 1)] = sign;
  QString text =
      QString::fromUtf8(TitleOf(style).data(), static_cast<qsizetype>(TitleOf(style).size())) +
      QStringLiteral(" chart.");
  for (int house = 1; house <= 12; ++house) {
    const int sign = signOfHouse[static_cast<std::size_t>(house - 1)];
    QStringList contents;
    for (const Line& line : HouseLines(chart, sign)) contents << line.text;
    text += QStringLiteral(" House %1, %2: %3.")
                .arg(house)
                .arg(QString::fromLatin1(kSignNames[static_cast<std::size_t>(sign)]))
                .arg(contents.isEmpty() ? QStringLiteral("empty")
                                        : contents.join(QStringLiteral(", ")));
  }
  return text;
}

}  // namespace velquor
