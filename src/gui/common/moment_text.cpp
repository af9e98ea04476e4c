#include "gui/common/moment_text.h"

namespace velquor {

QString MomentText(const LocalDateTime& t) {
  return QStringLiteral("%1:%2:%3 on %4 %5 %6")
      .arg(t.hour, 2, 10, QLatin1Char('0'))
      .arg(t.minute, 2, 10, QLatin1Char('0'))
      .arg(t.second, 2, 10, QLatin1Char('0'))
      .arg(t.day)
      .arg(QString::fromLatin1(MonthName(t.month)))
      .arg(t.year);
}

}  // namespace velquor
