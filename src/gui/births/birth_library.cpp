#include "gui/births/birth_library.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "astro/date_time.h"
#include "births/birth_store.h"
#include "gui/births/open_birth_dialog.h"
#include "gui/common/message_boxes.h"
#include "gui/common/settings.h"

namespace velquor {

BirthLibrary::BirthLibrary(QString path)
    : path_(path.isEmpty() ? BirthStore::DefaultPath() : std::move(path)) {
  qRegisterMetaType<SavedBirth>();
}

BirthLibrary::~BirthLibrary() = default;

BirthStore* BirthLibrary::store(QWidget* window) {
  if (store_ == nullptr) {
    try {
      store_ = std::make_unique<BirthStore>(path_, BirthStore::Access::ReadWrite,
                                            kDesktopBusyTimeoutMs);
    } catch (const BirthStoreError& error) {
      // Busy passes: the next saved-birth item chosen tries again.
      const bool busy = error.kind() == BirthStoreError::Kind::Busy;
      ShowMessage(window,
                  QString::fromUtf8(error.what()) +
                      (busy ? QString()
                            : QStringLiteral(
                                  "\n\nCharts can be made as before; births are not saved.")),
                  busy ? MessageIcon::Information : MessageIcon::Critical);
      return nullptr;
    }
  }
  return store_.get();
}

void BirthLibrary::serve(const BirthsMenuItems& items, QWidget* window,
                         const CurrentBirth& current) {
  for (QAction* action : {items.save, items.open, items.recent->menuAction()}) {
    action->setEnabled(true);
  }
  ConnectGuarded(items.save, &QAction::triggered, window, [this, window, current] {
    if (const std::optional<SavedBirth> birth = current()) save(*birth, window);
  });
  ConnectGuarded(items.open, &QAction::triggered, window,
                 [this, window] { showOpenDialog(window); });
  QMenu* recentMenu = items.recent;
  ConnectGuarded(recentMenu, &QMenu::aboutToShow, window,
                 [this, recentMenu, window] { fillRecentMenu(recentMenu, window); });
}

std::int64_t BirthLibrary::save(const SavedBirth& birth, QWidget* window) {
  BirthStore* births = store(window);
  if (births == nullptr) return 0;
  try {
    std::int64_t id = 0;
    if (current_ != 0) {
      const std::optional<SavedBirth> last = births->find(current_);
      if (last && last->birth.personName == birth.birth.personName) id = current_;
    }
    current_ = births->save(birth.birth, birth.conventions, id);
  } catch (const BirthStoreError& error) {
    ShowMessage(window, QString::fromUtf8(error.what()), MessageIcon::Critical);
    return 0;
  }
  ShowMessage(window,
              QStringLiteral("\u201c%1\u201d is saved.")
                  .arg(QString::fromStdString(birth.birth.personName)),
              MessageIcon::Information);
  return current_;
}

void BirthLibrary::showOpenDialog(QWidget* window) {
  BirthStore* births = store(window);
  if (births == nullptr) return;
  OpenBirthDialog dialog(*births, deletedThisSession_, window);
  if (dialog.exec() == QDialog::Accepted && dialog.chosen() != 0) open(dialog.chosen(), window);
}

void BirthLibrary::open(std::int64_t id, QWidget* window) {
  BirthStore* births = store(window);
  if (births == nullptr) return;
  const std::optional<SavedBirth> birth = births->find(id);
  if (!birth) {
    ShowMessage(window, QStringLiteral("That birth is no longer saved."), MessageIcon::Information);
    return;
  }
  current_ = id;
  remember(id);
  Q_EMIT birthOpened(*birth);
}

std::vector<std::int64_t> BirthLibrary::recent() const {
  return settings::Read(settings::kRecentBirthIds);
}

void BirthLibrary::remember(std::int64_t id) {
  std::vector<std::int64_t> ids = recent();
  ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end());
  ids.insert(ids.begin(), id);
  if (ids.size() > kRecentBirths) ids.resize(kRecentBirths);
  settings::Write(settings::kRecentBirthIds, ids);
}

void BirthLibrary::fillRecentMenu(QMenu* menu, QWidget* window) {
  menu->clear();
  BirthStore* births = store(window);
  int shown = 0;
  if (births != nullptr) {
    for (const std::int64_t id : recent()) {
      const std::optional<SavedBirth> birth = births->find(id);
      if (!birth) continue;  // deleted since
      const BirthData& b = birth->birth;
      QAction* item = menu->addAction(
          QStringLiteral("&%1 %2, %3 %4 %5")
              .arg(shown + 1)
              .arg(QString::fromStdString(b.personName).replace(u'&', QStringLiteral("&&")))
              .arg(b.dayNumber)
              .arg(QString::fromLatin1(MonthName(b.monthNumber)))
              .arg(b.yearNumber));
      item->setObjectName(QStringLiteral("mnuRecentBirth_%1").arg(shown));
      ConnectGuarded(item, &QAction::triggered, window, [this, id, window] { open(id, window); });
      ++shown;
    }
  }
  if (shown == 0) menu->addAction(QStringLiteral("No births opened yet"))->setEnabled(false);
}

}  // namespace velquor
