// Modal message boxes with the program's title, behind a replaceable hook so that tests
// record them instead of blocking on a real box; and the guard every event handler runs in.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <utility>

#include "chart/validation.h"

class QWidget;

namespace velquor {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows `text` with the program's title as caption and returns when the user closed it.
  virtual void show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
  // Asks `text` as a question with Yes and No (No the default) and returns true for Yes.
  // Boxes that only record show the question and answer No.
  virtual bool ask(QWidget* parent, const QString& text) {
    show(parent, text, MessageIcon::Information);
    return false;
  }
};

// Installs `boxes` for every window (nullptr restores the real QMessageBox boxes) and
// returns the ones it replaces. The user-interface thread only.
MessageBoxes* ReplaceMessageBoxes(MessageBoxes* boxes);

void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon);

// True when the user answers Yes to the question `text`.
bool AskQuestion(QWidget* parent, const QString& text);

// Runs one event handler. Qt cannot carry an exception through its event loop, so a
// failure inside a handler stops that handler only: the user is told what went wrong in
// a critical box and the program goes on.
void RunGuarded(QWidget* parent, const std::function<void()>& handler);

// Connects `signal` of `sender` to `handler`, run guarded with `window` as the parent of
// any message.
template <typename Sender, typename Signal>
void ConnectGuarded(Sender* sender, Signal signal, QWidget* window, std::function<void()> handler) {
  QObject::connect(sender, signal, window,
                   [window, handler = std::move(handler)] { RunGuarded(window, handler); });
}

}  // namespace velquor
