#include "gui/common/number_box.h"

#include <QLineEdit>
#include <algorithm>

namespace velquor {

namespace {
// Room for a pasted text longer than the number it starts with, such as " 12" or "7x7";
// the guard cuts it to the number.
constexpr int kPasteRoom = 64;
}  // namespace

void NumberBox::Install(QLineEdit* box, int digits) { new NumberBox(box, digits); }

NumberBox::NumberBox(QLineEdit* box, int digits)
    : QObject(box), box_(box), digits_(digits), lastNumber_(box->text()) {
  box->setMaxLength(kPasteRoom);
  connect(box, &QLineEdit::textChanged, this, &NumberBox::changed);
  connect(box, &QLineEdit::textEdited, this, &NumberBox::edited);
}

QString NumberBox::ShownNumber(const QString& text) {
  qsizetype start = 0;
  while (start < text.size() && text[start].isSpace()) ++start;
  qsizetype end = start;
  while (end < text.size() && text[end] >= u'0' && text[end] <= u'9') ++end;
  return text.mid(start, end - start);
}

bool NumberBox::holdsNumber(const QString& text) const {
  return text.isEmpty() || (text.size() <= digits_ && ShownNumber(text) == text);
}

void NumberBox::changed(const QString& text) {
  if (holdsNumber(text)) lastNumber_ = text;
}

void NumberBox::edited(const QString& text) {
  if (holdsNumber(text)) return;
  const QString number = ShownNumber(text);
  if (number.isEmpty() || number.size() > digits_) {
    const int cursor =
        static_cast<int>(std::min<qsizetype>(box_->cursorPosition(), lastNumber_.size()));
    box_->setText(lastNumber_);
    box_->setCursorPosition(cursor);
    return;
  }
  box_->setText(number);
}

}  // namespace velquor
