#include "gui/entry/typed_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "gui/common/message_boxes.h"

namespace velquor {

namespace {

// The character a key press types, or nothing when the key edits or moves instead of
// typing: navigation and function keys (no text), Tab and Escape, Delete, and shortcuts
// such as Ctrl+V. Enter is left to the form, where it runs the chart. Backspace is a typed
// code and goes through the filter.
std::optional<char32_t> TypedCode(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return std::nullopt;
  if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return std::nullopt;
  const QList<uint> codes = key.text().toUcs4();
  if (codes.size() != 1) return std::nullopt;
  const char32_t code = codes.front();
  const bool control = code < 32 || code == 127;
  if (control && code != kBackspaceCode) return std::nullopt;
  return code;
}

}  // namespace

void TypedKeyFilter::Install(QLineEdit* box, Rule rule) {
  box->installEventFilter(new TypedKeyFilter(box, rule));
}

TypedKeyFilter::TypedKeyFilter(QLineEdit* box, Rule rule) : QObject(box), box_(box), rule_(rule) {}

bool TypedKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_ || event->type() != QEvent::KeyPress) return false;
  const std::optional<char32_t> code = TypedCode(*static_cast<QKeyEvent*>(event));
  if (!code) return false;

  const KeyVerdict verdict = rule_(*code);
  if (verdict.rejection) {
    RunGuarded(box_->window(), [&] {
      ShowMessage(box_->window(), QString::fromStdString(verdict.rejection->message),
                  verdict.rejection->icon);
    });
    return true;
  }
  if (verdict.code != *code) {
    const char32_t replacement = verdict.code;
    box_->insert(QString::fromUcs4(&replacement, 1));
    return true;
  }
  return false;
}

}  // namespace velquor
