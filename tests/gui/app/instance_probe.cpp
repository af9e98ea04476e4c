// The program's start-up, run as a separate process by the single-instance test. It starts
// exactly as the program does, in the folder given as its argument, and reports on stdout
// instead of showing message boxes:
//   "message: <text>"    a message the user would see
//   "question: <text>"   a question it would ask (answered by VELQUOR_PROBE_ANSWER)
//   "started"            this is the running instance; its form is shown
//   "show requested"     a later start asked this instance to come to the front
//   "visible windows: N" after a refused start, the windows it left on screen
#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "gui/app/single_instance.h"
#include "gui/app/start_up.h"
#include "gui/common/message_boxes.h"

namespace {

void Report(const QString& line) {
  std::printf("%s\n", line.toUtf8().constData());
  std::fflush(stdout);
}

class PrintedMessages final : public velquor::MessageBoxes {
 public:
  void show(QWidget*, const QString& text, velquor::MessageIcon) override {
    Report(QStringLiteral("message: ") + text);
  }
  // Answered by the environment variable VELQUOR_PROBE_ANSWER: "yes", else No.
  bool ask(QWidget*, const QString& text) override {
    Report(QStringLiteral("question: ") + text);
    return qEnvironmentVariable("VELQUOR_PROBE_ANSWER") == QStringLiteral("yes");
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc != 2) {
    Report(QStringLiteral("usage: instance_probe FOLDER"));
    return 2;
  }
  PrintedMessages messages;
  velquor::ReplaceMessageBoxes(&messages);

  velquor::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
  QObject::connect(&instance, &velquor::SingleInstance::showRequested,
                   [] { Report(QStringLiteral("show requested")); });
  const std::unique_ptr<velquor::AppShell> shell = velquor::StartUp(instance);
  if (!shell) {
    int visible = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) visible += window->isVisible();
    Report(QStringLiteral("visible windows: %1").arg(visible));
    return 0;
  }
  Report(QStringLiteral("started"));
  return QApplication::exec();
}
