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

// Letter sizes as fractions of the chart's side. Whole names are written down to
// kReadableBodySize; below it, abbreviations at larger letters are clearer, down to
// kSmallestBodySize. Only a house too small for even that (a chart of a few hundred units
// or less) takes smaller letters still, so that nothing ever leaves its house.
constexpr double kBodySize = 0.036;
constexpr double kReadableBodySize = 0.025;
constexpr double kSmallestBodySize = 0.019;
constexpr double kLabelSize = 0.03;
constexpr double kCentreSize = 0.038;
// How far the South-Indian ascendant's stroke reaches along its cell's sides, in cell sides.
constexpr double kStrokeReach = 0.18;
// Room between two columns of a house, in letter sizes.
constexpr double kColumnGap = 0.4;

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
  QString text;   // as it will be drawn
  QString whole;  // the cell's line
  bool tag = false;
};

std::vector<Line> HouseLines(const ChartResult& chart, int sign) {
  std::vector<Line> lines;
  const auto index = static_cast<std::size_t>(sign);
  for (const QString& body : CellLines(chart.SignCells[index]))
    lines.push_back({body, body, false});
  for (const QString& tag : CellLines(chart.SpecialCells[index])) lines.push_back({tag, tag, true});
  return lines;
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
    broken.push_back({line.text.left(space), line.whole, line.tag});
    broken.push_back({line.text.mid(space + 1), line.whole, line.tag});
  }
  return broken;
}

std::vector<Line> Abbreviated(std::vector<Line> lines) {
  for (Line& line : lines) line.text = AbbreviatedLine(line.text);
  return lines;
}

// A way of setting a house's lines: which texts, in how many columns.
struct Arrangement {
  std::vector<Line> lines;
  int columns = 1;
  bool shortened = false;  // the lines are abbreviations
};

int Rows(std::size_t count, int columns) {
  return static_cast<int>((count + static_cast<std::size_t>(columns) - 1) /
                          static_cast<std::size_t>(columns));
}

// Rows of the bodies, then rows of the tags: the tags start a row of their own, so that
// the bodies and the tags each take a rectangle of their own.
std::pair<int, int> RowsOf(const Arrangement& arrangement) {
  std::size_t tags = 0;
  for (const Line& line : arrangement.lines) tags += line.tag ? 1 : 0;
  return {Rows(arrangement.lines.size() - tags, arrangement.columns),
          Rows(tags, arrangement.columns)};
}

double Advance(const Line& line, const QFontMetricsF& regular, const QFontMetricsF& bold) {
  return (line.tag ? bold : regular).horizontalAdvance(line.text);
}

bool Fits(const Arrangement& arrangement, int size, const QRectF& box) {
  const QFontMetricsF regular(PageFont(size, false));
  const QFontMetricsF bold(PageFont(size, true));
  double widest = 0;
  for (const Line& line : arrangement.lines)
    widest = std::max(widest, Advance(line, regular, bold));
  const auto [bodyRows, tagRows] = RowsOf(arrangement);
  const double width = widest * arrangement.columns + kColumnGap * size * (arrangement.columns - 1);
  return width <= box.width() && bold.height() * (bodyRows + tagRows) <= box.height();
}

// Letter sizes from `largest` down to `smallest`, each a tenth smaller than the last.
std::vector<int> Sizes(int largest, int smallest) {
  std::vector<int> sizes;
  for (int size = largest; size >= std::max(1, smallest); size = std::min(size - 1, size * 9 / 10))
    sizes.push_back(size);
  return sizes;
}

// The arrangement and letter size of a house's lines in `box`: the whole lines in one
// column (or broken before their last words, or in two columns) down to the readable
// size; else the abbreviations in one, two or three columns down to the smallest size;
// else smaller letters, whatever it takes.
std::pair<Arrangement, int> Fitted(const std::vector<Line>& lines, const QRectF& box, double side) {
  const int largest = static_cast<int>(side * kBodySize);
  const int readable = static_cast<int>(side * kReadableBodySize);
  const int smallest = static_cast<int>(side * kSmallestBodySize);
  const std::vector<Arrangement> whole = {{lines, 1}, {Broken(lines), 1}, {lines, 2}};
  for (int size : Sizes(largest, readable))
    for (const Arrangement& arrangement : whole)
      if (Fits(arrangement, size, box)) return {arrangement, size};
  const std::vector<Line> shortLines = Abbreviated(lines);
  const std::vector<Arrangement> shortened = {
      {shortLines, 1, true}, {shortLines, 2, true}, {shortLines, 3, true}};
  for (int size : Sizes(largest, smallest))
    for (const Arrangement& arrangement : shortened)
      if (Fits(arrangement, size, box)) return {arrangement, size};
  for (int size : Sizes(smallest, 1))
    for (const Arrangement& arrangement : shortened)
      if (Fits(arrangement, size, box)) return {arrangement, size};
  return {shortened.back(), 1};
}

// The lines set in the box: the block of rows centred, each text centred in its column.
// Marks the house abbreviated when a line is drawn shorter than it is.
std::vector<DiagramText> Set(const std::vector<Line>& lines, const QRectF& box, double side,
                             bool& abbreviated) {
  abbreviated = false;
  if (lines.empty()) return {};
  const auto [arrangement, size] = Fitted(lines, box, side);
  abbreviated =
      arrangement.shortened && std::any_of(lines.begin(), lines.end(), [](const Line& line) {
        return AbbreviatedLine(line.text) != line.text;
      });
  const QFont regular = PageFont(size, false);
  const QFont bold = PageFont(size, true);
  const QFontMetricsF regularMetrics(regular);
  const QFontMetricsF boldMetrics(bold);
  double widest = 0;
  for (const Line& line : arrangement.lines)
    widest = std::max(widest, Advance(line, regularMetrics, boldMetrics));
  const int columns = arrangement.columns;
  const double gap = kColumnGap * size;
  const double width = widest * columns + gap * (columns - 1);
  const double lineHeight = boldMetrics.height();
  const auto [bodyRows, tagRows] = RowsOf(arrangement);
  const double top = box.center().y() - lineHeight * (bodyRows + tagRows) / 2;
  const double left = box.center().x() - width / 2;
  std::vector<DiagramText> set;
  int index = 0;  // within the bodies, then within the tags
  bool inTags = false;
  for (const Line& line : arrangement.lines) {
    if (line.tag && !inTags) {
      inTags = true;
      index = 0;
    }
    const int row = index / columns + (inTags ? bodyRows : 0);
    const int column = index % columns;
    ++index;
    const double advance = Advance(line, regularMetrics, boldMetrics);
    const double x = left + column * (widest + gap) + (widest - advance) / 2;
    set.push_back({line.text, line.whole, line.tag, line.tag ? bold : regular,
                   QRectF(x, top + row * lineHeight, advance, lineHeight)});
  }
  return set;
}

// A text centred on `centre`, its letters' middle on the point.
DiagramText Centred(const QString& text, const QFont& font, const QPointF& centre) {
  const QFontMetricsF metrics(font);
  const double width = metrics.horizontalAdvance(text);
  const double baseline = centre.y() + (metrics.ascent() - metrics.descent()) / 2;
  return {text, text, false, font,
          QRectF(centre.x() - width / 2, baseline - metrics.ascent(), width, metrics.height())};
}

// The title and the Pranapada's sign and house in the empty middle, where the style has one.
std::vector<DiagramText> CentreTexts(const QRectF& centre, const ChartResult& chart, double side,
                                     const QString& heading) {
  if (centre.isEmpty()) return {};
  const QFont title = PageFont(static_cast<int>(side * kCentreSize), false);
  const double step = QFontMetricsF(title).height();
  std::vector<DiagramText> texts{
      Centred(heading, title, centre.center() - QPointF(0, step / 2))};
  if (SignIndexOf(chart.pranapada.PpLSign) < 0) return texts;
  const QString result = PranapadaCentreText(chart);
  // As large as the middle's width allows (the East-Indian middle is one cell).
  int size = static_cast<int>(side * kCentreSize * 0.8);
  while (size > 1 &&
         QFontMetricsF(PageFont(size, true)).horizontalAdvance(result) > centre.width() * 0.9)
    size = size * 9 / 10;
  DiagramText line = Centred(result, PageFont(size, true), centre.center() + QPointF(0, step / 2));
  line.tag = true;
  texts.push_back(line);
  return texts;
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

void Draw(QPainter& painter, const DiagramText& text) {
  painter.setFont(text.font);
  painter.drawText(QPointF(text.rect.x(), text.rect.y() + QFontMetricsF(text.font).ascent()),
                   text.text);
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

QString AbbreviatedLine(const QString& line) {
  const qsizetype space = line.indexOf(u' ');
  const QString first = space < 0 ? line : line.left(space);
  if (first.size() <= 3) return line;
  return first.left(2) + (space < 0 ? QString() : line.mid(space));
}

QString PranapadaCentreText(const ChartResult& chart) {
  const int sign = SignIndexOf(chart.pranapada.PpLSign);
  if (sign < 0) return QStringLiteral("PpL: no sign");
  return QStringLiteral("PpL: %1, house %2")
      .arg(QString::fromLatin1(kSignNames[static_cast<std::size_t>(sign)]))
      .arg(chart.pranapada.House);
}

DiagramLayout LayOutChartDiagram(const QRectF& square, const ChartResult& chart, DiagramStyle style,
                                 DiagramCentreText centre, const QString& title) {
  const double side = std::min(square.width(), square.height());
  const std::array<HouseShape, 12> shapes = HouseShapes(style, SignIndexOf(chart.AscSign));
  const QFont labelFont = PageFont(static_cast<int>(side * kLabelSize), false);
  DiagramLayout layout;
  layout.square = square;
  const int ascendant = SignIndexOf(chart.AscSign);
  if (style == DiagramStyle::South && ascendant >= 0) {
    const QRectF cell =
        Placed(shapes[static_cast<std::size_t>(ascendant)].outline, square).boundingRect();
    const double reach = cell.width() * kStrokeReach;
    layout.ascendantStroke =
        QLineF(cell.topLeft() + QPointF(0, reach), cell.topLeft() + QPointF(reach, 0));
  }
  for (int sign = 0; sign < 12; ++sign) {
    const HouseShape& shape = shapes[static_cast<std::size_t>(sign)];
    DiagramHouse& house = layout.houses[static_cast<std::size_t>(sign)];
    house.sign = sign;
    house.house = shape.house;
    house.outline = Placed(shape.outline, square);
    house.label = Centred(SignLabel(style, sign), labelFont,
                          square.topLeft() + QPointF(shape.labelPoint.x() * square.width(),
                                                     shape.labelPoint.y() * square.height()));
    QRectF box = Placed(shape.textBox, square);
    if (sign == ascendant && !layout.ascendantStroke.isNull()) {
      // Clear of the stroke: every point of the box lies beyond the line x + y = reach.
      const double half = layout.ascendantStroke.dx() / 2;
      const QPointF corner = layout.ascendantStroke.p1() - QPointF(0, 2 * half);
      box.setTopLeft(
          QPointF(std::max(box.left(), corner.x() + half), std::max(box.top(), corner.y() + half)));
    }
    house.lines = Set(HouseLines(chart, sign), box, side, house.abbreviated);
  }
  if (centre == DiagramCentreText::Drawn)
    layout.centre = CentreTexts(Placed(DiagramCentre(style), square), chart, side, title);
  return layout;
}

void DrawChartDiagram(QPainter& painter, const QRectF& square, const ChartResult& chart,
                      DiagramStyle style, DiagramCentreText centre, const QString& title) {
  DrawChartDiagram(painter, LayOutChartDiagram(square, chart, style, centre, title), chart);
}

void DrawChartDiagram(QPainter& painter, const DiagramLayout& layout, const ChartResult& chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QRectF& square = layout.square;
  const double side = std::min(square.width(), square.height());
  painter.fillRect(square, RenderColours::kPaper);

  const int pranapada = SignIndexOf(chart.pranapada.PpLSign);
  if (pranapada >= 0) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(RenderColours::kPranapadaTint);
    painter.drawPolygon(layout.houses[static_cast<std::size_t>(pranapada)].outline);
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(RenderColours::kLine, side * 0.003));
  for (const DiagramHouse& house : layout.houses) painter.drawPolygon(house.outline);
  painter.setPen(QPen(RenderColours::kLine, side * 0.007));
  painter.drawRect(square);

  // The South-Indian ascendant's cell carries a stroke across its top left corner, as on
  // the screen; the North-Indian ascendant is always the top house; every style writes
  // "Asc" among the bodies.
  if (!layout.ascendantStroke.isNull()) {
    painter.setPen(QPen(RenderColours::kLine, side * 0.004));
    painter.drawLine(layout.ascendantStroke);
  }

  painter.setPen(RenderColours::kFaintInk);
  for (const DiagramHouse& house : layout.houses) Draw(painter, house.label);
  for (const DiagramHouse& house : layout.houses)
    for (const DiagramText& line : house.lines) {
      painter.setPen(line.tag ? RenderColours::kAccent : RenderColours::kInk);
      Draw(painter, line);
    }
  for (const DiagramText& text : layout.centre) {
    painter.setPen(text.tag ? RenderColours::kAccent : RenderColours::kFaintInk);
    Draw(painter, text);
  }
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
