// dlgOpenBirth: the saved births in a list (name, born, place) that narrows at every
// keystroke typed into txtFindBirth (words of the name or place, any case, no accents
// needed). Enter, a double click or cmdOpen opens the birth chosen. The chosen birth's name
// and note can be changed (cmdApplyChanges); cmdDelete deletes it after a question, and
// cmdUndoDelete brings the births deleted back, the last first, until the program ends.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "births/saved_birth.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace velquor {

class BirthListModel;
class BirthStore;

class OpenBirthDialog : public QDialog {
  Q_OBJECT

 public:
  // `deleted` is the session's stack of deleted births, which Undo Delete takes from.
  OpenBirthDialog(BirthStore& store, std::vector<SavedBirth>& deleted, QWidget* parent = nullptr);

  // The id of the birth chosen with Open, or 0.
  std::int64_t chosen() const { return chosen_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void reload(std::int64_t select);
  void filter();
  void showCurrent();
  void openCurrent();
  void applyChanges();
  void deleteCurrent();
  void undoDelete();
  std::int64_t currentId() const;
  void updateButtons();

  BirthStore& store_;
  std::vector<SavedBirth>& deleted_;
  std::int64_t chosen_ = 0;

  BirthListModel* model_ = nullptr;
  QLineEdit* txtFindBirth_ = nullptr;
  QTableView* lstBirths_ = nullptr;
  QLabel* lblBirthCount_ = nullptr;
  QLineEdit* txtBirthName_ = nullptr;
  QPlainTextEdit* txtBirthNote_ = nullptr;
  QPushButton* cmdApplyChanges_ = nullptr;
  QPushButton* cmdDelete_ = nullptr;
  QPushButton* cmdUndoDelete_ = nullptr;
  QPushButton* cmdOpen_ = nullptr;
};

}  // namespace velquor
