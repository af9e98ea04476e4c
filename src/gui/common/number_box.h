// A coordinate box that shows the number a chart reads from it. The chart reads a box's
// leading digits after its leading blanks (LeadingNumber); text pasted or dropped into the
// box is cut to just those digits, so that what the box shows is what is charted.
#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace velquor {

class NumberBox : public QObject {
  Q_OBJECT

 public:
  // Keeps `box` to at most `digits` digits, shown as the chart reads them. An edit whose
  // text has no leading digits, or more than `digits` of them, is undone: the box keeps
  // its last number. The guard belongs to the box.
  static void Install(QLineEdit* box, int digits);

  // What a box holding `text` shows: its leading digits after leading blanks ("7x7" → "7",
  // " 12" → "12", "abc" → "").
  static QString ShownNumber(const QString& text);

 private:
  NumberBox(QLineEdit* box, int digits);
  void changed(const QString& text);
  void edited(const QString& text);
  bool holdsNumber(const QString& text) const;

  QLineEdit* box_;
  int digits_;
  QString lastNumber_;  // the last text the box held that was a number within its digits
};

}  // namespace velquor
