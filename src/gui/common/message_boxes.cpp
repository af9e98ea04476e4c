#include "gui/common/message_boxes.h"

#include <QMessageBox>
#include <exception>

#include "gui/common/program_title.h"

namespace velquor {

namespace {

class QtMessageBoxes final : public MessageBoxes {
 public:
  void show(QWidget* parent, const QString& text, MessageIcon icon) override {
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromUtf8(kProgramTitle), text, QMessageBox::Ok, parent);
    box.exec();
  }
  bool ask(QWidget* parent, const QString& text) override {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kProgramTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
  }
};

QtMessageBoxes realBoxes;
MessageBoxes* currentBoxes = &realBoxes;

}  // namespace

MessageBoxes* ReplaceMessageBoxes(MessageBoxes* boxes) {
  MessageBoxes* previous = currentBoxes;
  currentBoxes = boxes != nullptr ? boxes : &realBoxes;
  return previous;
}

void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
  currentBoxes->show(parent, text, icon);
}

bool AskQuestion(QWidget* parent, const QString& text) { return currentBoxes->ask(parent, text); }

void RunGuarded(QWidget* parent, const std::function<void()>& handler) {
  QString failure;
  try {
    handler();
    return;
  } catch (const std::exception& e) {
    failure = QString::fromUtf8(e.what());
  } catch (...) {
    failure = QStringLiteral("an unknown error");
  }
  ShowMessage(parent, QStringLiteral("The action could not be completed: %1").arg(failure),
              MessageIcon::Critical);
}

}  // namespace velquor
