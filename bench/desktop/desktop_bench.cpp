// Benchmarks of the desktop program, headless (Qt's offscreen platform):
//  - BM_DesktopStartToFormShown: a new process from its start to the birth-data form drawn;
//    its counter peak_rss_MB is the most memory that process held over a session with one
//    chart shown;
//  - BM_DesktopChartToResultShown: one chart from the button to the drawn result window;
//  - BM_DesktopMoveBirthTime: one key on the birth-time strip to the result window redrawn
//    with the chart of the moved time; /0 a second on or back (the timeline stays), /1 the
//    next interval boundary (new signs each time, the timeline re-centred now and then);
//  - BM_DesktopFilterBirths: one key typed into the Open Birth dialog's find box, over
//    10,000 saved births, to the list redrawn with the matches.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "births/birth_store.h"
#include "desktop/desktop_session.h"
#include "desktop/first_paint.h"
#include "gui/app/app_shell.h"
#include "gui/app/frm_main.h"
#include "gui/app/mdi.h"
#include "gui/births/open_birth_dialog.h"
#include "gui/result/birth_time_strip.h"
#include "gui/result/frm_display.h"
#include "support/birth_entry.h"
#include "support/gui_test_support.h"

extern char** environ;

namespace velquor::bench {
namespace {

using Clock = std::chrono::steady_clock;

struct SessionFigures {
  double formShownSeconds = 0.0;
  double peakMegabytes = 0.0;
  std::string error;  // empty when the session went through
};

bool ReadStep(int fd, char expected) {
  char step = 0;
  return ::read(fd, &step, 1) == 1 && step == expected;
}

// Starts this program again in session mode and times it from before the spawn.
SessionFigures RunSessionProcess() {
  SessionFigures figures;
  int report[2];
  if (::pipe(report) != 0) return {0, 0, std::strerror(errno)};
  ::fcntl(report[0], F_SETFD, FD_CLOEXEC);
  std::string fd = std::to_string(report[1]);
  std::string self = "/proc/self/exe";
  std::string session = kSessionArgument;
  char* argv[] = {self.data(), session.data(), fd.data(), nullptr};

  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, environ);
  ::close(report[1]);
  if (spawned != 0) {
    ::close(report[0]);
    return {0, 0, std::strerror(spawned)};
  }
  const bool formShown = ReadStep(report[0], kFormShown);
  figures.formShownSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  const bool resultShown = formShown && ReadStep(report[0], kResultShown);
  ::close(report[0]);

  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  figures.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
  if (!resultShown || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    figures.error = "the desktop session did not show the form and the result and end cleanly";
  }
  return figures;
}

void BM_DesktopStartToFormShown(benchmark::State& state) {
  double peak = 0.0;
  for (auto _ : state) {
    const SessionFigures figures = RunSessionProcess();
    if (!figures.error.empty()) {
      state.SkipWithError(figures.error.c_str());
      return;
    }
    state.SetIterationTime(figures.formShownSeconds);
    peak = std::max(peak, figures.peakMegabytes);
  }
  state.counters["peak_rss_MB"] = peak;
}
BENCHMARK(BM_DesktopStartToFormShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_DesktopChartToResultShown(benchmark::State& state) {
  AppShell shell;
  shell.start();
  FrmMain& form = shell.frmMain();
  if (!FirstPaint(form).wait()) {
    state.SkipWithError("the birth-data form did not draw");
    return;
  }
  test::Enter(form, test::BirthEntry{});
  auto& button = test::Child<QPushButton>(form, QStringLiteral("cmdRashi"));
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    button.click();
    const bool drawn = shell.mdi() != nullptr && FirstPaint(*shell.mdi()->frmDisplay()).wait();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    if (!drawn) {
      state.SkipWithError("the result window did not draw");
      return;
    }
    shell.back();
    FirstPaint(form).wait();
  }
}
BENCHMARK(BM_DesktopChartToResultShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_DesktopMoveBirthTime(benchmark::State& state) {
  AppShell shell;
  shell.start();
  test::Enter(shell.frmMain(), test::BirthEntry{});
  test::Child<QPushButton>(shell.frmMain(), QStringLiteral("cmdRashi")).click();
  if (shell.mdi() == nullptr || !FirstPaint(*shell.mdi()->frmDisplay()).wait()) {
    state.SkipWithError("the result window did not draw");
    return;
  }
  auto& strip = test::Child<BirthTimeStrip>(*shell.mdi(), QStringLiteral("birthTimeStrip"));
  strip.setFocus();
  const bool boundaries = state.range(0) == 1;
  Qt::Key key = boundaries ? Qt::Key_PageDown : Qt::Key_Right;
  for (auto _ : state) {
    FirstPaint painted(strip);
    const Clock::time_point start = Clock::now();
    QTest::keyClick(&strip, key);
    const bool drawn = painted.wait();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    if (!drawn) {
      state.SkipWithError("the strip did not redraw");
      return;
    }
    if (!boundaries) key = key == Qt::Key_Right ? Qt::Key_Left : Qt::Key_Right;
  }
}
BENCHMARK(BM_DesktopMoveBirthTime)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_DesktopFilterBirths(benchmark::State& state) {
  QTemporaryDir folder;
  BirthStore store(folder.filePath(QStringLiteral("births.sqlite")));
  constexpr const char* kCities[] = {"New Delhi", "Mumbai",   "Chennai",   "Kolkata",
                                     "London",    "New York", "São Paulo", "Zürich"};
  std::vector<SavedBirth> births(10000);
  for (std::size_t i = 0; i < births.size(); ++i) {
    BirthData& b = births[i].birth;
    b.personName = "PERSON " + std::to_string(i) + (i % 3 == 0 ? " SHARMA" : " RAO");
    b.yearNumber = 1901 + static_cast<int>(i % 150);
    b.cityText = kCities[i % std::size(kCities)];
  }
  store.addAll(births);
  std::vector<SavedBirth> deleted;
  OpenBirthDialog dialog(store, deleted);
  dialog.show();
  if (!FirstPaint(dialog).wait()) {
    state.SkipWithError("the dialog did not draw");
    return;
  }
  auto& find = test::Child<QLineEdit>(dialog, QStringLiteral("txtFindBirth"));
  QWidget* list = test::Child<QTableView>(dialog, QStringLiteral("lstBirths")).viewport();
  // Typing "sharma 12" and erasing it again, one key at a time.
  const QString typed = QStringLiteral("sharma 12");
  int length = 0;
  bool erasing = false;
  for (auto _ : state) {
    FirstPaint painted(*list);
    const Clock::time_point start = Clock::now();
    if (erasing) {
      QTest::keyClick(&find, Qt::Key_Backspace);
    } else {
      QTest::keyClick(&find, typed.at(length).toLatin1());
    }
    const bool drawn = painted.wait();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    if (!drawn) {
      state.SkipWithError("the list did not redraw");
      return;
    }
    length += erasing ? -1 : 1;
    if (length == typed.size()) erasing = true;
    if (length == 0) erasing = false;
  }
}
BENCHMARK(BM_DesktopFilterBirths)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(36)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace velquor::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 3 && std::strcmp(argv[1], velquor::bench::kSessionArgument) == 0) {
    QApplication app(argc, argv);
    return velquor::bench::RunDesktopSession(std::atoi(argv[2]));
  }
  // A private runtime folder for the sessions' single-instance lock, so that a desktop
  // program the user runs meanwhile does not turn them away.
  QTemporaryDir runtime;
  QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));

  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
