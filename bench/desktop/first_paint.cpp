#include "desktop/first_paint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace velquor::bench {

FirstPaint::FirstPaint(QWidget& widget) { widget.installEventFilter(this); }

bool FirstPaint::wait() {
  QElapsedTimer waited;
  waited.start();
  while (!painted_ && waited.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
  }
  return painted_;
}

bool FirstPaint::eventFilter(QObject* /*watched*/, QEvent* event) {
  if (event->type() == QEvent::Paint) painted_ = true;
  return false;
}

}  // namespace velquor::bench
