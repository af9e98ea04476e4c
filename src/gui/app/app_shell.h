// The window registry of the program and the moves between its windows: the birth-data
// form, the result frame (with the result window inside it) and shut-down. Each window
// exists at most once; it is created the first time it is needed and released when it is
// unloaded, so the next reference creates a fresh one.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <optional>

#include "births/saved_birth.h"
#include "chart/chart_result.h"
#include "gui/births/birth_library.h"

namespace velquor {

class FrmMain;
class Mdi;

class AppShell : public QObject {
  Q_OBJECT

 public:
  // `birthsPath`: the births database (default: the user's).
  explicit AppShell(QString birthsPath = {});
  ~AppShell() override;

  // The birth-data form, loaded on first reference.
  FrmMain& frmMain();
  // The result frame while a result is shown, otherwise null.
  Mdi* mdi() const;

  // Shows the birth-data form; the frame waits for the first chart.
  void start();
  // A chart is ready: the form is hidden (keeping every typed value) and a freshly loaded
  // frame shows the chart. A birth time the frame's "Use this time" chooses is written
  // into the form.
  void showChart(const ChartResult& chart);
  // Back: the frame (and the result window in it) is unloaded and the form shown again.
  void back();
  // Unloads every window, then reports finished.
  void shutDown();
  // Brings the window the user works in to the front (another start asked for it).
  void bringToFront();
  // A saved birth opened: the form takes it and its chart is shown.
  void showSavedBirth(const SavedBirth& birth);

  BirthLibrary& births() { return births_; }

 Q_SIGNALS:
  // Every window has been unloaded: the program may end.
  void finished();

 private:
  void unloadMdi();

  BirthLibrary births_;
  QPointer<FrmMain> frmMain_;
  QPointer<Mdi> mdi_;
  std::optional<SavedBirth> opened_;
  QRect formGeometry_;  // the form's place and size when a chart hid it  // the saved birth opened last
};

}  // namespace velquor
