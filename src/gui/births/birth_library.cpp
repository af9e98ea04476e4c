#include "gui/births/birth_library.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>

#include "astro/date_time.h"
#include "births/birth_store.h"
#include "gui/births/birth_list_model.h"
#include "gui/births/open_birth_dialog.h"
#include "gui/common/message_boxes.h"
#include "gui/common/moment_text.h"
#include "gui/common/program_title.h"
#include "gui/common/settings.h"

namespace velquor {

BirthLibrary::BirthLibrary(QString path)
    : path_(path.isEmpty() ? BirthStore::DefaultPath() : std::move(path)) {
  qRegisterMetaType<SavedBirth>();
}

BirthLibrary::~BirthLibrary() = default;

namespace {

// One answer of a question: the button's object name and caption.
struct Answer {
  const char* name;
  QString caption;
};

// Asks `text` over `parent` with `answers` as buttons, the first the default one, and a
// Cancel button (cmdCancelSave, also Escape). Returns the index of the answer chosen, or -1
// for Cancel.
int Ask(QWidget* parent, const QString& text, std::initializer_list<Answer> answers) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(kProgramTitle), text,
                  QMessageBox::NoButton, parent);
  box.setObjectName(QStringLiteral("dlgSaveQuestion"));
  std::vector<QPushButton*> buttons;
  for (const Answer& answer : answers) {
    QPushButton* button = box.addButton(answer.caption, QMessageBox::AcceptRole);
    button->setObjectName(QString::fromLatin1(answer.name));
    buttons.push_back(button);
  }
  QPushButton* cancel = box.addButton(QMessageBox::Cancel);
  cancel->setObjectName(QStringLiteral("cmdCancelSave"));
  box.setDefaultButton(buttons.front());
  box.setEscapeButton(cancel);
  box.exec();
  const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  return chosen == buttons.end() ? -1 : static_cast<int>(chosen - buttons.begin());
}

LocalDateTime MomentOf(const BirthData& b) {
  return {b.yearNumber, b.monthNumber, b.dayNumber, b.hourNumber, b.minuteNumber, b.secondNumber};
}

QString NameOf(const BirthData& b) { return QString::fromStdString(b.personName); }

// "born 21 March 1985 10:45:00 in New Delhi, Delhi, India".
QString BornLine(const BirthData& b) {
  const QString place = PlaceText(b);
  return QStringLiteral("born ") + BornText(b) +
         (place.isEmpty() ? QString() : QStringLiteral(" in ") + place);
}

bool SameName(const BirthData& a, const BirthData& b) {
  return NameOf(a).trimmed().compare(NameOf(b).trimmed(), Qt::CaseInsensitive) == 0;
}

}  // namespace

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
    if (const std::optional<BirthToSave> birth = current()) save(*birth, window);
  });
  ConnectGuarded(items.open, &QAction::triggered, window,
                 [this, window] { showOpenDialog(window); });
  QMenu* recentMenu = items.recent;
  ConnectGuarded(recentMenu, &QMenu::aboutToShow, window,
                 [this, recentMenu, window] { fillRecentMenu(recentMenu, window); });
  ConnectGuarded(items.undo, &QAction::triggered, window, [this, window] { undoSave(window); });
  ConnectGuarded(items.undoLink, &LinkLabel::activated, window,
                 [this, window] { undoSave(window); });
  std::erase_if(served_, [](const Served& s) { return s.status == nullptr; });
  served_.push_back({items.undo, items.status, items.undoLink});
  items.undo->setEnabled(canUndoSave());
  items.undoLink->setVisible(canUndoSave());
}

std::int64_t BirthLibrary::write(BirthStore& births, const SavedBirth& birth,
                                 const std::optional<SavedBirth>& before) {
  const std::int64_t id = births.write(birth);
  lastSave_ = LastSave{id, before};
  current_ = id;
  return id;
}

void BirthLibrary::tell(const QString& message) {
  std::erase_if(served_, [](const Served& s) { return s.status == nullptr; });
  for (const Served& window : served_) {
    window.status->setText(message);
    if (window.undo != nullptr) window.undo->setEnabled(canUndoSave());
    if (window.undoLink != nullptr) window.undoLink->setVisible(canUndoSave());
  }
}

std::int64_t BirthLibrary::save(const BirthToSave& request, QWidget* window) {
  BirthStore* births = store(window);
  if (births == nullptr) return 0;
  SavedBirth birth = request.shown;
  birth.id = 0;
  const QString name = NameOf(birth.birth);
  // The recorded birth a rectified time replaces.
  std::optional<BirthData> recorded;
  bool asNew = false;
  if (request.entered && *request.entered != birth.birth) {
    const BirthData& entered = *request.entered;
    const int answer = Ask(
        window,
        QStringLiteral("The birth time was moved on the strip: %1 is shown, %2 was entered.\n\n"
                       "Which time should be saved for \u201c%3\u201d? A rectified time is "
                       "saved with the entered time kept in the birth\u2019s record.")
            .arg(MomentText(MomentOf(birth.birth)), MomentText(MomentOf(entered)), name),
        {{"cmdSaveEnteredTime", QStringLiteral("Keep the &Entered Time")},
         {"cmdSaveRectifiedTime", QStringLiteral("Save the &Moved Time as Rectified")},
         {"cmdSaveMovedAsNew", QStringLiteral("Save the Moved Time as a &New Birth")}});
    switch (answer) {
      case 0:
        birth.birth = entered;
        break;
      case 1:
        recorded = entered;
        birth.enteredTime = MomentOf(entered);
        break;
      case 2:
        asNew = true;
        break;
      default:
        tell(QStringLiteral("Nothing was saved."));
        return 0;
    }
  }
  try {
    const std::vector<SavedBirth> all = births->all();
    const BirthData& key = recorded ? *recorded : birth.birth;
    const auto same = std::find_if(all.begin(), all.end(),
                                   [&](const SavedBirth& s) { return s.birth == key; });
    if (same != all.end()) {
      if (recorded) {
        // The recorded birth takes the rectified time; the time first entered stays.
        SavedBirth changed = *same;
        changed.birth = birth.birth;
        changed.conventions = birth.conventions;
        changed.enteredTime = same->enteredTime ? same->enteredTime : birth.enteredTime;
        if (changed.enteredTime == MomentOf(changed.birth)) {
          // Moved back to the time first entered: no longer rectified.
          changed.enteredTime.reset();
          write(*births, changed, *same);
          tell(QStringLiteral("\u201c%1\u201d is saved with its entered time %2 again.")
                   .arg(name, MomentText(MomentOf(changed.birth))));
          return current_;
        }
        write(*births, changed, *same);
        tell(QStringLiteral("\u201c%1\u201d is saved with the rectified time %2; the entered "
                            "time %3 is kept in its record.")
                 .arg(name, MomentText(MomentOf(changed.birth)),
                      MomentText(*changed.enteredTime)));
        return current_;
      }
      if (same->conventions == birth.conventions) {
        current_ = same->id;
        tell(QStringLiteral("\u201c%1\u201d is already saved with these birth data and "
                            "conventions; nothing was changed.")
                 .arg(name));
        return current_;
      }
      SavedBirth changed = *same;
      changed.conventions = birth.conventions;
      write(*births, changed, *same);
      tell(QStringLiteral("\u201c%1\u201d was already saved with these birth data; its "
                          "conventions are now the ones in force.")
               .arg(name));
      return current_;
    }
    if (asNew) {
      birth.enteredTime.reset();
      write(*births, birth, std::nullopt);
      tell(QStringLiteral("\u201c%1\u201d is saved as a new birth, %2.")
               .arg(name, BornLine(birth.birth)));
      return current_;
    }
    // A saved birth of the same name: the one last opened or saved, else the only one.
    std::vector<const SavedBirth*> named;
    for (const SavedBirth& s : all)
      if (SameName(s.birth, birth.birth)) named.push_back(&s);
    const SavedBirth* target = nullptr;
    for (const SavedBirth* s : named)
      if (s->id == current_) target = s;
    if (target == nullptr && named.size() == 1) target = named.front();
    if (target != nullptr) {
      const int answer = Ask(
          window,
          QStringLiteral("A birth named \u201c%1\u201d is already saved with other birth "
                         "data.\n\nSaved: %2\nNow: %3\n\nUpdate the saved birth with the "
                         "new data, or save a new birth beside it?")
              .arg(NameOf(target->birth), BornLine(target->birth), BornLine(birth.birth)),
          {{"cmdSaveAsNewBirth", QStringLiteral("Save as a &New Birth")},
           {"cmdUpdateBirth", QStringLiteral("&Update the Saved Birth")}});
      if (answer < 0) {
        tell(QStringLiteral("Nothing was saved."));
        return 0;
      }
      if (answer == 1) {
        SavedBirth changed = *target;
        changed.birth = birth.birth;
        changed.conventions = birth.conventions;
        // The time first entered stays while the saved time is the record's (only the
        // place or the zone corrected) or a rectified one; a newly typed time is entered.
        if (!recorded && MomentOf(birth.birth) != MomentOf(target->birth))
          changed.enteredTime.reset();
        if (recorded && !target->enteredTime) changed.enteredTime = birth.enteredTime;
        if (changed.enteredTime == MomentOf(changed.birth)) changed.enteredTime.reset();
        write(*births, changed, *target);
        tell(QStringLiteral("The saved birth \u201c%1\u201d is updated: %2 (it was %3).")
                 .arg(name, BornLine(changed.birth), BornLine(target->birth)));
        return current_;
      }
    }
    write(*births, birth, std::nullopt);
    QString message =
        QStringLiteral("\u201c%1\u201d is saved as a new birth, %2").arg(name, BornLine(birth.birth));
    if (birth.enteredTime) {
      message += QStringLiteral(", with the entered time %1 kept in its record")
                     .arg(MomentText(*birth.enteredTime));
    }
    if (!named.empty()) {
      message += named.size() == 1
                     ? QStringLiteral("; the other birth of that name is kept")
                     : QStringLiteral("; the %1 other births of that name are kept").arg(named.size());
    }
    tell(message + QLatin1Char('.'));
  } catch (const BirthStoreError& error) {
    ShowMessage(window, QString::fromUtf8(error.what()), MessageIcon::Critical);
    return 0;
  }
  return current_;
}

void BirthLibrary::undoSave(QWidget* window) {
  if (!lastSave_) return;
  BirthStore* births = store(window);
  if (births == nullptr) return;
  const LastSave undo = *lastSave_;
  try {
    if (undo.before) {
      births->revert(*undo.before);
      lastSave_.reset();
      tell(QStringLiteral("Save undone: \u201c%1\u201d is back as it was, %2.")
               .arg(NameOf(undo.before->birth), BornLine(undo.before->birth)));
    } else {
      const SavedBirth removed = births->remove(undo.id);
      lastSave_.reset();
      if (current_ == undo.id) current_ = 0;
      tell(QStringLiteral("Save undone: the new birth \u201c%1\u201d is removed.")
               .arg(NameOf(removed.birth)));
    }
  } catch (const BirthStoreError& error) {
    ShowMessage(window, QString::fromUtf8(error.what()), MessageIcon::Critical);
  }
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
