// Waiting until a window has really been drawn: "shown" in the desktop benchmarks means
// the widget has handled its first paint event, not merely that show() was called.
#pragma once

#include <QObject>

class QWidget;

namespace velquor::bench {

class FirstPaint : public QObject {
 public:
  // Watches `widget` from now on.
  explicit FirstPaint(QWidget& widget);

  // Runs the event loop until the widget has painted. False when it has not within five
  // seconds (a window that never draws must not hang the benchmark).
  bool wait();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool painted_ = false;
};

}  // namespace velquor::bench
