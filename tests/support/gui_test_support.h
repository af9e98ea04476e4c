// Helpers of the GUI tests: finding controls by name, recording message boxes, closing
// real modal windows from a timer, and catching the pages the program opens.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <stdexcept>
#include <vector>

#include "gui/common/message_boxes.h"

class QMenuBar;

namespace velquor::test {

// The child of `root` named `name`, of type T; throws (failing the test) when missing.
template <typename T>
T& Child(const QObject& root, const QString& name) {
  T* child = root.findChild<T*>(name);
  if (child == nullptr)
    throw std::runtime_error("no " + std::string(T::staticMetaObject.className()) + " named " +
                             name.toStdString());
  return *child;
}

// Records every message box instead of showing it, while it lives.
class RecordedMessages final : public MessageBoxes {
 public:
  struct Message {
    QString text;
    MessageIcon icon;
  };

  RecordedMessages();
  ~RecordedMessages() override;
  void show(QWidget* parent, const QString& text, MessageIcon icon) override;

  std::vector<Message> messages;

 private:
  MessageBoxes* previous_;
};

// While it lives, looks every 10 ms for a modal window, records it, lets `inspect` look at
// (and act on) it, then closes it if it is still open: a message box by its default button,
// any other dialog by reject().
class ModalWatcher : public QObject {
 public:
  struct Seen {
    QString objectName;
    QString title;
    QString text;  // of a message box
    QMessageBox::Icon icon = QMessageBox::NoIcon;
  };

  explicit ModalWatcher(std::function<void(QWidget*)> inspect = {});

  std::vector<Seen> seen;

 private:
  void check();

  std::function<void(QWidget*)> inspect_;
  QTimer timer_;
};

// Catches the addresses handed to the desktop (QDesktopServices) for the http, https and
// file schemes while it lives.
class OpenedPages : public QObject {
  Q_OBJECT

 public:
  OpenedPages();
  ~OpenedPages() override;

  std::vector<QUrl> urls;

 public Q_SLOTS:
  void open(const QUrl& url);
};

// The menus of a menu bar as "objectName caption" lines, one per menu and item in order,
// items indented by two blanks, separators as their objectName followed by " -".
QStringList MenuOutline(const QMenuBar& menuBar);

}  // namespace velquor::test
