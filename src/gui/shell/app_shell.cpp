#include "gui/shell/app_shell.h"

#include "gui/entry/frm_main.h"
#include "gui/shell/mdi.h"
#include "gui/shell/message_boxes.h"

namespace velquor {

namespace {

// A window may be unloaded from inside one of its own handlers (Exit, Back): it is hidden
// at once and deleted when control returns to the event loop.
void Unload(QWidget* window) {
  if (window == nullptr) return;
  window->hide();
  window->deleteLater();
}

}  // namespace

AppShell::AppShell() = default;

AppShell::~AppShell() {
  delete mdi_.data();
  delete frmMain_.data();
}

FrmMain& AppShell::frmMain() {
  if (frmMain_ == nullptr) {
    frmMain_ = new FrmMain;
    connect(frmMain_, &FrmMain::chartReady, this, &AppShell::showChart);
    connect(frmMain_, &FrmMain::shutDownRequested, this, &AppShell::shutDown);
  }
  return *frmMain_;
}

Mdi* AppShell::mdi() const { return mdi_; }

void AppShell::start() { frmMain().show(); }

void AppShell::showChart(const ChartResult& chart) {
  unloadMdi();
  mdi_ = new Mdi;
  connect(mdi_, &Mdi::backRequested, this, [this] { RunGuarded(mdi_, [this] { back(); }); });
  connect(mdi_, &Mdi::shutDownRequested, this, &AppShell::shutDown);
  connect(mdi_, &Mdi::birthTimeChosen, this, [this](const LocalDateTime& moment) {
    RunGuarded(mdi_, [this, moment] { frmMain().setBirthMoment(moment); });
  });
  mdi_->showChart(chart);
  frmMain().hide();
  mdi_->show();
}

void AppShell::back() {
  FrmMain& form = frmMain();
  // Placed where it was when hidden: a window shown again is otherwise placed anew by the
  // window manager.
  form.move(form.pos());
  form.show();
  unloadMdi();
  form.activateWindow();
}

void AppShell::shutDown() {
  unloadMdi();
  Unload(frmMain_);
  frmMain_ = nullptr;
  Q_EMIT finished();
}

void AppShell::bringToFront() {
  QWidget* window = mdi_ != nullptr ? static_cast<QWidget*>(mdi_) : &frmMain();
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
}

void AppShell::unloadMdi() {
  Unload(mdi_);
  mdi_ = nullptr;
}

}  // namespace velquor
