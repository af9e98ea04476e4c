// Applies a key filter (key_filter.h) to a text box as the user types: a rejected
// character is discarded after a message box, a replaced one is inserted in its place.
#pragma once

#include <QObject>

#include "chart/key_filter.h"

class QLineEdit;

namespace velquor {

class TypedKeyFilter : public QObject {
  Q_OBJECT

 public:
  using Rule = KeyVerdict (*)(char32_t code);

  // Filters the keys typed into `box`; the filter belongs to the box.
  static void Install(QLineEdit* box, Rule rule);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TypedKeyFilter(QLineEdit* box, Rule rule);

  QLineEdit* box_;
  Rule rule_;
};

}  // namespace velquor
