// Typed numbers in a list of numbers: the digits typed in quick succession form one number,
// and the list selects the entry that reads as that number ("1" then "5" selects 15, "1"
// alone 1), where Qt's own search would step to the next entry starting with the digit.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace velquor {

class NumberListSearch : public QObject {
  Q_OBJECT

 public:
  // Handles the digits typed into `list` and into its open popup; the search belongs to the
  // list. Digits belong to one number while each follows the last within
  // QApplication::keyboardInputInterval() milliseconds.
  static void Install(QComboBox* list);

  // The row of `entries` to select for the typed `digits`: the entry equal to them, else
  // the first that starts with them, else -1.
  static int MatchingRow(const QStringList& entries, const QString& digits);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit NumberListSearch(QComboBox* list);
  // The row for `digit` typed now, or -1 when no entry matches.
  int rowFor(QChar digit);

  QComboBox* list_;
  QString typed_;
  QElapsedTimer sinceLastDigit_;
};

}  // namespace velquor
