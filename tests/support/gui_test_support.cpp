#include "support/gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace velquor::test {

RecordedMessages::RecordedMessages() : previous_(ReplaceMessageBoxes(this)) {}

RecordedMessages::~RecordedMessages() { ReplaceMessageBoxes(previous_); }

void RecordedMessages::show(QWidget*, const QString& text, MessageIcon icon) {
  messages.push_back({text, icon});
}

ModalWatcher::ModalWatcher(std::function<void(QWidget*)> inspect) : inspect_(std::move(inspect)) {
  connect(&timer_, &QTimer::timeout, this, &ModalWatcher::check);
  timer_.start(10);
}

void ModalWatcher::check() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  Seen entry{modal->objectName(), modal->windowTitle(), {}, QMessageBox::NoIcon};
  auto* box = qobject_cast<QMessageBox*>(modal);
  if (box != nullptr) {
    entry.text = box->text();
    entry.icon = box->icon();
  }
  seen.push_back(entry);
  if (inspect_) inspect_(modal);
  if (!modal->isVisible()) return;
  if (box != nullptr && box->defaultButton() != nullptr) {
    box->defaultButton()->click();
  } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  }
}

OpenedPages::OpenedPages() {
  for (const char* scheme : {"http", "https", "file"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

OpenedPages::~OpenedPages() {
  for (const char* scheme : {"http", "https", "file"})
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void OpenedPages::open(const QUrl& url) { urls.push_back(url); }

QStringList MenuOutline(const QMenuBar& menuBar) {
  QStringList lines;
  for (QAction* top : menuBar.actions()) {
    QMenu* menu = top->menu();
    if (menu == nullptr) continue;
    lines << menu->objectName() + u' ' + menu->title();
    for (QAction* item : menu->actions())
      lines << QStringLiteral("  ") + item->objectName() + u' ' +
                   (item->isSeparator() ? QStringLiteral("-") : item->text());
  }
  return lines;
}

}  // namespace velquor::test
