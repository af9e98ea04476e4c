#include "gui/result/birth_time_strip.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>

#include "chart/sign_names.h"
#include "gui/result/chart_style.h"

namespace velquor {

namespace {

constexpr int kHandleHeight = 8;
constexpr int kTickLength = 5;
constexpr int kMarkThickness = 4;  // the check marks along a band's edges
// Tick steps in minutes; each divides a day, so ticks fall on the same clock times every day.
constexpr std::array<int, 11> kTickSteps = {1, 2, 5, 10, 15, 30, 60, 120, 180, 360, 720};
constexpr std::int64_t kSecondsPerDay = 86400;

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString ClockText(const LocalDateTime& t) {
  return TwoDigits(t.hour) + u':' + TwoDigits(t.minute) + u':' + TwoDigits(t.second);
}

QString MinuteText(const LocalDateTime& t) {
  return TwoDigits(t.hour) + u':' + TwoDigits(t.minute);
}

QString DateText(const LocalDateTime& t) {
  return QStringLiteral("%1 %2 %3")
      .arg(t.day)
      .arg(QString::fromLatin1(MonthName(t.month)))
      .arg(t.year);
}

bool SameDate(const LocalDateTime& a, const LocalDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

// Degrees and whole arc minutes within the sign: 12°30′.
QString ArcInSign(double longitude) {
  const int minutes = static_cast<int>(std::floor(std::fmod(longitude, 30.0) * 60.0));
  return QStringLiteral("%1°%2′").arg(minutes / 60).arg(TwoDigits(minutes % 60));
}

QString SignName(int signNumber) {
  return QString::fromLatin1(kSignNames.at(static_cast<std::size_t>(signNumber - 1)));
}

QString CheckText(const TimelineChart& chart) {
  if (chart.checkFromAscendant && chart.checkFromMoon)
    return QStringLiteral("passes the check from the ascendant and the Moon");
  if (chart.checkFromAscendant) return QStringLiteral("passes the check from the ascendant");
  if (chart.checkFromMoon) return QStringLiteral("passes the check from the Moon");
  return QStringLiteral("passes neither check");
}

std::int64_t FloorDivide(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

namespace {

// An interval in three parts: its clock times; where the Pranapada stands (or why there is
// no chart); the check and the sunrise it is counted from (empty without a chart).
std::array<QString, 3> IntervalParts(const TimelineInterval& interval) {
  std::array<QString, 3> parts;
  if (SameDate(interval.from, interval.to)) {
    parts[0] = ClockText(interval.from) + QStringLiteral(" – ") + ClockText(interval.to);
  } else {
    parts[0] = QStringLiteral("%1 on %2 – %3 on %4")
                   .arg(ClockText(interval.from), DateText(interval.from), ClockText(interval.to),
                        DateText(interval.to));
  }
  if (!interval.chart) {
    parts[1] = QStringLiteral("No chart: ") + QString::fromStdString(interval.stopMessage);
    return parts;
  }
  const TimelineChart& c = *interval.chart;
  parts[1] =
      QStringLiteral(
          "Pranapada in %1 (%2–%3), house %4 from the ascendant (%5), house %6 from the "
          "Moon (%7)")
          .arg(SignName(c.pranapadaSign), ArcInSign(c.firstDegrees), ArcInSign(c.lastDegrees))
          .arg(c.houseFromAscendant)
          .arg(SignName(c.ascendantSign))
          .arg(c.houseFromMoon)
          .arg(SignName(c.moonSign));
  parts[2] = QStringLiteral("%1; counted from sunrise %2 on %3")
                 .arg(CheckText(c), MinuteText(c.referenceSunrise), DateText(c.referenceSunrise));
  return parts;
}

// The same on three lines, for a tooltip of a sensible width.
QString IntervalTooltip(const TimelineInterval& interval) {
  const std::array<QString, 3> parts = IntervalParts(interval);
  return parts[2].isEmpty() ? parts[0] + u'\n' + parts[1]
                            : parts[0] + u'\n' + parts[1] + QStringLiteral(" —\n") + parts[2];
}

}  // namespace

QString DescribeInterval(const TimelineInterval& interval) {
  const std::array<QString, 3> parts = IntervalParts(interval);
  return parts[2].isEmpty()
             ? parts[0] + QStringLiteral("  ") + parts[1]
             : parts[0] + QStringLiteral("  ") + parts[1] + QStringLiteral(" — ") + parts[2];
}

BirthTimeStrip::BirthTimeStrip(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("birthTimeStrip"));
  setAccessibleName(QStringLiteral("Birth time timeline"));
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BirthTimeStrip::setTimeline(std::shared_ptr<const std::vector<TimelineInterval>> timeline,
                                 const LocalDateTime& moment) {
  timeline_ = std::move(timeline);
  moment_ = moment;
  const TimelineInterval* holding = timeline_ ? IntervalAt(*timeline_, moment_) : nullptr;
  setAccessibleDescription(holding == nullptr ? QString()
                                              : QStringLiteral("Birth time %1 on %2. %3")
                                                    .arg(ClockText(moment_), DateText(moment_),
                                                         DescribeInterval(*holding)));
  update();
}

BirthTimeStrip::Rows BirthTimeStrip::rows() const {
  const int line = fontMetrics().height();
  Rows r{};
  r.bandTop = kHandleHeight + 2;
  r.bandBottom = r.bandTop + std::max(28, line + 12);
  r.tickBottom = r.bandBottom + kTickLength;
  r.labelTop = r.tickBottom + 1;
  r.legendTop = r.labelTop + line + 5;
  r.height = r.legendTop + line + 6;
  return r;
}

QSize BirthTimeStrip::sizeHint() const { return {640, rows().height}; }

QSize BirthTimeStrip::minimumSizeHint() const { return {320, rows().height}; }

void BirthTimeStrip::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) updateGeometry();
  QWidget::changeEvent(event);
}

QRectF BirthTimeStrip::bandArea() const {
  // Room at each side for half a tick label, so that labels at the ends stay whole.
  const double side = fontMetrics().horizontalAdvance(QStringLiteral("00:00")) / 2.0 + 6.0;
  const Rows r = rows();
  return {side, static_cast<double>(r.bandTop), std::max(1.0, width() - 2.0 * side),
          static_cast<double>(r.bandBottom - r.bandTop)};
}

std::int64_t BirthTimeStrip::spanSeconds() const {
  return SecondsBetween(timeline_->front().from, timeline_->back().to) + 1;
}

double BirthTimeStrip::xOf(const LocalDateTime& moment) const {
  const QRectF area = bandArea();
  const auto seconds = static_cast<double>(SecondsBetween(timeline_->front().from, moment));
  return area.left() + area.width() * seconds / static_cast<double>(spanSeconds());
}

LocalDateTime BirthTimeStrip::momentAt(double x) const {
  const QRectF area = bandArea();
  const std::int64_t total = spanSeconds();
  const auto second = static_cast<std::int64_t>(
      std::floor((x - area.left()) / area.width() * static_cast<double>(total)));
  return AddSeconds(timeline_->front().from, std::clamp<std::int64_t>(second, 0, total - 1));
}

void BirthTimeStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
  if (!timeline_ || timeline_->empty()) return;
  const QRectF area = bandArea();
  paintBands(painter, area);
  paintTicks(painter, area);
  paintLegend(painter);
  paintBirthLine(painter, area);
}

void BirthTimeStrip::paintBands(QPainter& painter, const QRectF& area) const {
  const QFontMetrics metrics = fontMetrics();
  for (const TimelineInterval& interval : *timeline_) {
    const double left = xOf(interval.from);
    const double right = xOf(AddSeconds(interval.to, 1));
    const QRectF band(left, area.top(), right - left, area.height());
    if (!interval.chart) {
      painter.fillRect(band, ChartStyle::kNoChartBand);
      painter.fillRect(band, QBrush(ChartStyle::kFaintInk, Qt::BDiagPattern));
      continue;
    }
    const TimelineChart& chart = *interval.chart;
    painter.fillRect(band,
                     ChartStyle::kSignBands.at(static_cast<std::size_t>(chart.pranapadaSign - 1)));
    if (chart.checkFromAscendant)
      painter.fillRect(QRectF(left, area.top(), band.width(), kMarkThickness),
                       ChartStyle::kCheckFromAscendant);
    if (chart.checkFromMoon)
      painter.fillRect(QRectF(left, area.bottom() - kMarkThickness, band.width(), kMarkThickness),
                       ChartStyle::kCheckFromMoon);
    // The sign's name where it fits, else its first three letters.
    const QString name = SignName(chart.pranapadaSign);
    for (const QString& text : {name, name.left(3)}) {
      if (metrics.horizontalAdvance(text) + 6 <= band.width()) {
        painter.setPen(ChartStyle::kInk);
        painter.drawText(band, Qt::AlignCenter, text);
        break;
      }
    }
  }
  // Boundaries between bands, where bands are wide enough for a line to help.
  painter.setPen(QPen(ChartStyle::kLine, 1.0));
  for (std::size_t i = 1; i < timeline_->size(); ++i) {
    const double x = xOf((*timeline_)[i].from);
    if (x - xOf((*timeline_)[i - 1].from) >= 4.0)
      painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  }
  painter.setPen(QPen(ChartStyle::kLine, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area);
}

void BirthTimeStrip::paintTicks(QPainter& painter, const QRectF& area) const {
  const QFontMetrics metrics = fontMetrics();
  const Rows r = rows();
  const double pixelsPerMinute = area.width() * 60.0 / static_cast<double>(spanSeconds());
  // A midnight's tick reads its date, the widest label.
  const int labelWidth = std::max(metrics.horizontalAdvance(QStringLiteral("00:00")),
                                  metrics.horizontalAdvance(QStringLiteral("30 May")));
  int step = kTickSteps.back();
  for (int candidate : kTickSteps) {
    if (candidate * pixelsPerMinute >= labelWidth + 12) {
      step = candidate;
      break;
    }
  }
  // Every step divides a day, so a midnight within the span always gets a tick.
  const std::int64_t stepSeconds = std::int64_t{step} * 60;
  const std::int64_t first = SecondsSinceEpoch(timeline_->front().from);
  const std::int64_t last = SecondsSinceEpoch(timeline_->back().to) + 1;
  for (std::int64_t t = FloorDivide(first + stepSeconds - 1, stepSeconds) * stepSeconds; t <= last;
       t += stepSeconds) {
    const LocalDateTime tick = FromSecondsSinceEpoch(t);
    const double x = std::round(xOf(tick)) + 0.5;
    const bool midnight = t % kSecondsPerDay == 0;
    if (midnight) {
      painter.setPen(QPen(ChartStyle::kLine, 1.0, Qt::DashLine));
      painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    painter.setPen(QPen(ChartStyle::kInk, 1.0));
    painter.drawLine(QPointF(x, area.bottom()), QPointF(x, r.tickBottom));
    const QString text = midnight ? QStringLiteral("%1 %2").arg(tick.day).arg(
                                        QString::fromLatin1(MonthName(tick.month)).left(3))
                                  : MinuteText(tick);
    const QRectF label(x - labelWidth / 2.0 - 4, r.labelTop, labelWidth + 8, metrics.height());
    painter.drawText(label, Qt::AlignCenter, text);
  }
}

void BirthTimeStrip::paintLegend(QPainter& painter) const {
  const QFontMetrics metrics = fontMetrics();
  const Rows r = rows();
  const double swatchWidth = 18, swatchHeight = 11;
  const double top = r.legendTop + (metrics.height() - swatchHeight) / 2.0;
  double x = bandArea().left();
  const auto entry = [&](const QString& text, const auto& drawSwatch) {
    const QRectF swatch(x, top, swatchWidth, swatchHeight);
    drawSwatch(swatch);
    painter.setPen(QPen(ChartStyle::kLine, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swatch);
    x += swatchWidth + 5;
    const double width = metrics.horizontalAdvance(text);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(x, r.legendTop, width, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
    x += width + 16;
  };
  const QColor plain = ChartStyle::kSignBands[9];
  entry(QStringLiteral("passes the check from the ascendant (top edge)"), [&](const QRectF& s) {
    painter.fillRect(s, plain);
    painter.fillRect(QRectF(s.left(), s.top(), s.width(), 3), ChartStyle::kCheckFromAscendant);
  });
  entry(QStringLiteral("from the Moon (bottom edge)"), [&](const QRectF& s) {
    painter.fillRect(s, plain);
    painter.fillRect(QRectF(s.left(), s.bottom() - 3, s.width(), 3), ChartStyle::kCheckFromMoon);
  });
  entry(QStringLiteral("no chart"), [&](const QRectF& s) {
    painter.fillRect(s, ChartStyle::kNoChartBand);
    painter.fillRect(s, QBrush(ChartStyle::kFaintInk, Qt::BDiagPattern));
  });
}

void BirthTimeStrip::paintBirthLine(QPainter& painter, const QRectF& area) const {
  const Rows r = rows();
  const double secondWidth = area.width() / static_cast<double>(spanSeconds());
  const double x = xOf(moment_) + secondWidth / 2.0;
  painter.setRenderHint(QPainter::Antialiasing);
  // A pale outline keeps the line visible on every band colour.
  painter.setPen(QPen(ChartStyle::kPaper, 4.0));
  painter.drawLine(QPointF(x, area.top()), QPointF(x, r.tickBottom));
  painter.setPen(QPen(ChartStyle::kAccent, 2.0));
  painter.drawLine(QPointF(x, area.top()), QPointF(x, r.tickBottom));
  QPainterPath handle;
  handle.moveTo(x - 7, 1);
  handle.lineTo(x + 7, 1);
  handle.lineTo(x, area.top() + 1);
  handle.closeSubpath();
  painter.setPen(QPen(ChartStyle::kPaper, 1.0));
  painter.setBrush(ChartStyle::kAccent);
  painter.drawPath(handle);
}

void BirthTimeStrip::keyPressEvent(QKeyEvent* event) {
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  const bool control = event->modifiers().testFlag(Qt::ControlModifier);
  Step step;
  switch (event->key()) {
    case Qt::Key_Left:
      step = control ? Step::PreviousBoundary : shift ? Step::MinuteBack : Step::SecondBack;
      break;
    case Qt::Key_Right:
      step = control ? Step::NextBoundary : shift ? Step::MinuteOn : Step::SecondOn;
      break;
    case Qt::Key_Down:
      step = Step::MinuteBack;
      break;
    case Qt::Key_Up:
      step = Step::MinuteOn;
      break;
    case Qt::Key_PageUp:
      step = Step::PreviousBoundary;
      break;
    case Qt::Key_PageDown:
      step = Step::NextBoundary;
      break;
    case Qt::Key_Home:
      step = Step::SpanStart;
      break;
    case Qt::Key_End:
      step = Step::SpanEnd;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
  if (timeline_) Q_EMIT stepRequested(step);
}

void BirthTimeStrip::requestMomentAt(double x) {
  if (!timeline_ || timeline_->empty()) return;
  const LocalDateTime pointed = momentAt(x);
  if (pointed != moment_) Q_EMIT momentRequested(pointed);
}

void BirthTimeStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  requestMomentAt(event->position().x());
}

void BirthTimeStrip::mouseMoveEvent(QMouseEvent* event) {
  if (!event->buttons().testFlag(Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  requestMomentAt(event->position().x());
}

bool BirthTimeStrip::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QRectF area = bandArea();
  const TimelineInterval* interval = nullptr;
  if (timeline_ && !timeline_->empty() && help->pos().y() <= rows().tickBottom &&
      help->pos().x() >= area.left() && help->pos().x() <= area.right())
    interval = IntervalAt(*timeline_, momentAt(help->pos().x()));
  if (interval == nullptr) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), IntervalTooltip(*interval), this);
  }
  return true;
}

}  // namespace velquor
