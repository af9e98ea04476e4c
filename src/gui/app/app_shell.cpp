#include "gui/app/app_shell.h"

#include <utility>

#include "gui/app/frm_main.h"
#include "gui/app/mdi.h"
#include "gui/common/message_boxes.h"
#include "gui/conventions/conventions_settings.h"
#include "gui/result/frm_display.h"

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

AppShell::AppShell(QString birthsPath) : births_(std::move(birthsPath)) {
  connect(&births_, &BirthLibrary::birthOpened, this, &AppShell::showSavedBirth);
}

AppShell::~AppShell() {
  delete mdi_.data();
  delete frmMain_.data();
}

FrmMain& AppShell::frmMain() {
  if (frmMain_ == nullptr) {
    frmMain_ = new FrmMain;
    connect(frmMain_, &FrmMain::chartReady, this, &AppShell::showChart);
    connect(frmMain_, &FrmMain::shutDownRequested, this, &AppShell::shutDown);
    FrmMain* form = frmMain_;
    births_.serve(form->birthsMenu(), form, [form]() -> std::optional<BirthLibrary::BirthToSave> {
      const std::optional<BirthData> birth = form->checkedBirthData();
      if (!birth) return std::nullopt;
      BirthLibrary::BirthToSave typed;
      typed.shown.birth = *birth;
      typed.shown.conventions = LoadConventions();
      return typed;
    });
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
  Mdi* frame = mdi_;
  births_.serve(frame->birthsMenu(), frame,
                [frame]() -> std::optional<BirthLibrary::BirthToSave> {
                  const std::optional<SavedBirth> shown = frame->frmDisplay()->shownBirth();
                  if (!shown) return std::nullopt;
                  return BirthLibrary::BirthToSave{*shown, frame->frmDisplay()->enteredBirth()};
                });
  mdi_->showChart(chart);
  // A saved rectified birth says the time first entered.
  if (opened_ && opened_->birth == chart.birth) {
    mdi_->frmDisplay()->setRecordedEntry(opened_->enteredTime);
  }
  // Back brings the form back where the user left it, at its size.
  formGeometry_ = frmMain().geometry();
  frmMain().hide();
  mdi_->show();
}

void AppShell::back() {
  FrmMain& form = frmMain();
  // Placed where it was when hidden, at its size: a window shown again is otherwise placed
  // anew by the window manager.
  if (formGeometry_.isValid()) form.setGeometry(formGeometry_);
  form.show();
  if (formGeometry_.isValid()) form.setGeometry(formGeometry_);
  unloadMdi();
  form.activateWindow();
}

void AppShell::shutDown() {
  unloadMdi();
  Unload(frmMain_);
  frmMain_ = nullptr;
  Q_EMIT finished();
}

void AppShell::showSavedBirth(const SavedBirth& birth) {
  opened_ = birth;
  QWidget* window = mdi_ != nullptr ? static_cast<QWidget*>(mdi_) : &frmMain();
  RunGuarded(window, [this, &birth] { frmMain().showBirth(birth.birth, birth.conventions); });
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
