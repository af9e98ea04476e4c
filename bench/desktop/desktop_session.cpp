#include "desktop/desktop_session.h"

#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <memory>

#include "desktop/first_paint.h"
#include "gui/app/app_shell.h"
#include "gui/app/frm_main.h"
#include "gui/app/mdi.h"
#include "gui/app/single_instance.h"
#include "gui/app/start_up.h"
#include "gui/common/program_icon.h"
#include "gui/result/frm_display.h"
#include "support/birth_entry.h"
#include "support/gui_test_support.h"

namespace velquor::bench {

namespace {

bool Report(int fd, char step) { return ::write(fd, &step, 1) == 1; }

}  // namespace

int RunDesktopSession(int reportFd) {
  // What the program's main does before its event loop.
  QApplication::setApplicationName(QStringLiteral("velquor"));
  QApplication::setWindowIcon(ProgramIcon());
  QApplication::setQuitOnLastWindowClosed(false);
  SingleInstance instance(SingleInstance::DefaultFolder());
  std::unique_ptr<AppShell> shell = StartUp(instance);
  if (!shell) return 1;

  FrmMain& form = shell->frmMain();
  if (!FirstPaint(form).wait() || !Report(reportFd, kFormShown)) return 1;

  test::Enter(form, test::BirthEntry{});
  test::Child<QPushButton>(form, QStringLiteral("cmdRashi")).click();
  if (shell->mdi() == nullptr || shell->mdi()->frmDisplay() == nullptr) return 1;
  if (!FirstPaint(*shell->mdi()->frmDisplay()).wait() || !Report(reportFd, kResultShown)) return 1;

  shell->shutDown();
  return 0;
}

}  // namespace velquor::bench
