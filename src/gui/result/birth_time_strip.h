// The birth-time strip of the result window: the timeline around the birth time as bands
// coloured by the Pranapada Lagna's sign (hatched where no chart can be made), edge marks
// on the bands that pass the classical check, clock ticks (a midnight's tick reads its
// date), and the birth time as a line with
// a handle. It computes nothing: it shows the timeline it is given and asks, by its signals,
// for the birth time to move when it is dragged or keyed.
//
// Keys: Left/Right one second; Shift+Left/Right or Down/Up one minute; PageUp/PageDown or
// Ctrl+Left/Right the previous/next interval boundary; Home/End the span's ends.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "astro/date_time.h"
#include "chart/birth_timeline.h"

namespace velquor {

// One interval in words, as its tooltip and the strip's accessible description read it:
// its clock times, the Pranapada's sign and degrees, its houses from the ascendant and the
// Moon, the classical check and the sunrise it is counted from; or why no chart is made.
QString DescribeInterval(const TimelineInterval& interval);

class BirthTimeStrip : public QWidget {
  Q_OBJECT

 public:
  enum class Step {
    SecondBack,
    SecondOn,
    MinuteBack,
    MinuteOn,
    PreviousBoundary,
    NextBoundary,
    SpanStart,
    SpanEnd,
  };

  explicit BirthTimeStrip(QWidget* parent = nullptr);

  // Shows `timeline` (never empty) with the birth time at `moment`, a second inside it.
  void setTimeline(std::shared_ptr<const std::vector<TimelineInterval>> timeline,
                   const LocalDateTime& moment);
  const LocalDateTime& moment() const { return moment_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 Q_SIGNALS:
  void stepRequested(velquor::BirthTimeStrip::Step step);
  // The pointer pressed or dragged to this second of the span.
  void momentRequested(const velquor::LocalDateTime& moment);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Rows of the strip, top to bottom, from the font.
  struct Rows {
    int bandTop, bandBottom, tickBottom, labelTop, legendTop, height;
  };
  Rows rows() const;
  QRectF bandArea() const;
  std::int64_t spanSeconds() const;
  double xOf(const LocalDateTime& moment) const;
  LocalDateTime momentAt(double x) const;
  void requestMomentAt(double x);

  void paintBands(QPainter& painter, const QRectF& area) const;
  void paintTicks(QPainter& painter, const QRectF& area) const;
  void paintLegend(QPainter& painter) const;
  void paintBirthLine(QPainter& painter, const QRectF& area) const;

  std::shared_ptr<const std::vector<TimelineInterval>> timeline_;
  LocalDateTime moment_;
};

}  // namespace velquor
