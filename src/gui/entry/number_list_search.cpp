#include "gui/entry/number_list_search.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace velquor {

namespace {

QStringList Entries(const QComboBox& list) {
  QStringList entries;
  for (int row = 0; row < list.count(); ++row) entries << list.itemText(row);
  return entries;
}

// The digit a key press types, or a null character for every other key.
QChar TypedDigit(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  const QString text = key.text();
  if (text.size() != 1 || !text.front().isDigit()) return {};
  return text.front();
}

}  // namespace

void NumberListSearch::Install(QComboBox* list) {
  auto* search = new NumberListSearch(list);
  list->installEventFilter(search);
  list->view()->installEventFilter(search);
}

NumberListSearch::NumberListSearch(QComboBox* list) : QObject(list), list_(list) {}

int NumberListSearch::MatchingRow(const QStringList& entries, const QString& digits) {
  const auto equal = entries.indexOf(digits);
  if (equal >= 0) return static_cast<int>(equal);
  for (qsizetype row = 0; row < entries.size(); ++row)
    if (entries[row].startsWith(digits)) return static_cast<int>(row);
  return -1;
}

int NumberListSearch::rowFor(QChar digit) {
  const bool continues = sinceLastDigit_.isValid() &&
                         sinceLastDigit_.elapsed() < QApplication::keyboardInputInterval();
  sinceLastDigit_.start();
  const QStringList entries = Entries(*list_);
  if (continues) {
    const int row = MatchingRow(entries, typed_ + digit);
    if (row >= 0) {
      typed_ += digit;
      return row;
    }
  }
  // A new number: after a pause, or when the digits so far and this one match nothing.
  typed_ = digit;
  return MatchingRow(entries, typed_);
}

bool NumberListSearch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const QChar digit = TypedDigit(*static_cast<QKeyEvent*>(event));
  if (digit.isNull()) return false;
  const int row = rowFor(digit);
  if (row < 0) return true;  // no entry reads so: the selection stays
  if (watched == list_)
    list_->setCurrentIndex(row);
  else
    list_->view()->setCurrentIndex(list_->model()->index(row, list_->modelColumn()));
  return true;
}

}  // namespace velquor
