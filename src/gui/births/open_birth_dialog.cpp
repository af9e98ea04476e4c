#include "gui/births/open_birth_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "births/birth_store.h"
#include "gui/births/birth_list_model.h"
#include "gui/common/message_boxes.h"
#include "gui/common/named_widget.h"
#include "gui/common/program_title.h"

namespace velquor {

OpenBirthDialog::OpenBirthDialog(BirthStore& store, std::vector<SavedBirth>& deleted,
                                 QWidget* parent)
    : QDialog(parent), store_(store), deleted_(deleted) {
  setObjectName(QStringLiteral("dlgOpenBirth"));
  setWindowTitle(QStringLiteral("Open Birth"));

  txtFindBirth_ = Named<QLineEdit>("txtFindBirth");
  txtFindBirth_->setAccessibleName(QStringLiteral("Find a birth by name or place"));
  txtFindBirth_->setPlaceholderText(QStringLiteral("Name or place"));
  txtFindBirth_->setClearButtonEnabled(true);
  txtFindBirth_->installEventFilter(this);
  auto* find = Named<QLabel>("lblFindBirth", QStringLiteral("&Find:"));
  find->setBuddy(txtFindBirth_);

  model_ = new BirthListModel(this);
  lstBirths_ = Named<QTableView>("lstBirths");
  lstBirths_->setModel(model_);
  lstBirths_->setAccessibleName(QStringLiteral("Saved births"));
  lstBirths_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lstBirths_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstBirths_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstBirths_->setAlternatingRowColors(true);
  lstBirths_->setShowGrid(false);
  lstBirths_->setTabKeyNavigation(false);
  lstBirths_->verticalHeader()->hide();
  // Fixed row heights and column widths: a list of thousands of births is laid out without
  // measuring every row.
  lstBirths_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  lstBirths_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
  lstBirths_->horizontalHeader()->resizeSection(BirthListModel::Name, 16 * em);
  // The widest date the lists allow, with room for the cell's margins.
  lstBirths_->horizontalHeader()->resizeSection(
      BirthListModel::Born,
      fontMetrics().horizontalAdvance(QStringLiteral("30 September 2050 23:59:59")) + 2 * em);
  lstBirths_->horizontalHeader()->setStretchLastSection(true);
  lstBirths_->setMinimumSize(60 * em, 14 * fontMetrics().height());
  lstBirths_->installEventFilter(this);
  lblBirthCount_ = Named<QLabel>("lblBirthCount");

  txtBirthName_ = Named<QLineEdit>("txtBirthName");
  txtBirthName_->setAccessibleName(QStringLiteral("Name of the chosen birth"));
  auto* nameLabel = Named<QLabel>("lblBirthName", QStringLiteral("&Name:"));
  nameLabel->setBuddy(txtBirthName_);
  txtBirthNote_ = Named<QPlainTextEdit>("txtBirthNote");
  txtBirthNote_->setAccessibleName(QStringLiteral("Note on the chosen birth"));
  txtBirthNote_->setTabChangesFocus(true);
  txtBirthNote_->setFixedHeight(4 * fontMetrics().height());
  auto* noteLabel = Named<QLabel>("lblBirthNote", QStringLiteral("No&te:"));
  noteLabel->setBuddy(txtBirthNote_);
  cmdApplyChanges_ = Named<QPushButton>("cmdApplyChanges", QStringLiteral("&Keep Changes"));
  cmdApplyChanges_->setAutoDefault(false);

  auto* details = new QGridLayout;
  details->addWidget(nameLabel, 0, 0);
  details->addWidget(txtBirthName_, 0, 1);
  details->addWidget(noteLabel, 1, 0, Qt::AlignTop);
  details->addWidget(txtBirthNote_, 1, 1);
  details->addWidget(cmdApplyChanges_, 2, 1, Qt::AlignRight);

  cmdDelete_ = Named<QPushButton>("cmdDelete", QStringLiteral("&Delete\u2026"));
  cmdUndoDelete_ = Named<QPushButton>("cmdUndoDelete", QStringLiteral("&Undo Delete"));
  cmdOpen_ = Named<QPushButton>("cmdOpen", QStringLiteral("&Open"));
  auto* cmdClose = Named<QPushButton>("cmdClose", QStringLiteral("Close"));
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(cmdDelete_, QDialogButtonBox::ActionRole);
  buttons->addButton(cmdUndoDelete_, QDialogButtonBox::ActionRole);
  buttons->addButton(cmdOpen_, QDialogButtonBox::AcceptRole);
  buttons->addButton(cmdClose, QDialogButtonBox::RejectRole);
  for (QPushButton* button : {cmdDelete_, cmdUndoDelete_, cmdClose}) button->setAutoDefault(false);
  cmdOpen_->setDefault(true);

  auto* findRow = new QHBoxLayout;
  findRow->addWidget(find);
  findRow->addWidget(txtFindBirth_, 1);
  findRow->addWidget(lblBirthCount_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(findRow);
  layout->addWidget(lstBirths_, 1);
  layout->addLayout(details);
  layout->addWidget(buttons);

  setTabOrder(txtFindBirth_, lstBirths_);
  setTabOrder(lstBirths_, txtBirthName_);
  setTabOrder(txtBirthName_, txtBirthNote_);
  setTabOrder(txtBirthNote_, cmdApplyChanges_);

  connect(txtFindBirth_, &QLineEdit::textChanged, this, &OpenBirthDialog::filter);
  connect(lstBirths_, &QTableView::doubleClicked, this, &OpenBirthDialog::openCurrent);
  connect(lstBirths_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &OpenBirthDialog::showCurrent);
  ConnectGuarded(cmdOpen_, &QPushButton::clicked, this, [this] { openCurrent(); });
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
  ConnectGuarded(cmdApplyChanges_, &QPushButton::clicked, this, [this] { applyChanges(); });
  ConnectGuarded(cmdDelete_, &QPushButton::clicked, this, [this] { deleteCurrent(); });
  ConnectGuarded(cmdUndoDelete_, &QPushButton::clicked, this, [this] { undoDelete(); });

  reload(0);
  txtFindBirth_->setFocus();
}

void OpenBirthDialog::reload(std::int64_t select) {
  model_->setBirths(store_.all());
  const int row = model_->rowOf(select);
  lstBirths_->setCurrentIndex(model_->index(row >= 0 ? row : 0, 0));
  showCurrent();
}

void OpenBirthDialog::filter() {
  const std::int64_t was = currentId();
  model_->setFilter(txtFindBirth_->text());
  const int row = model_->rowOf(was);
  lstBirths_->setCurrentIndex(model_->index(row >= 0 ? row : 0, 0));
  showCurrent();
}

std::int64_t OpenBirthDialog::currentId() const {
  const std::optional<SavedBirth> birth = model_->birthAt(lstBirths_->currentIndex().row());
  return birth ? birth->id : 0;
}

void OpenBirthDialog::showCurrent() {
  const std::optional<SavedBirth> birth = model_->birthAt(lstBirths_->currentIndex().row());
  txtBirthName_->setText(birth ? QString::fromStdString(birth->birth.personName) : QString());
  txtBirthNote_->setPlainText(birth ? QString::fromStdString(birth->note) : QString());
  lblBirthCount_->setText(QStringLiteral("%1 of %2").arg(model_->rowCount()).arg(model_->total()));
  updateButtons();
}

void OpenBirthDialog::updateButtons() {
  const bool any = currentId() != 0;
  for (QWidget* widget :
       {static_cast<QWidget*>(cmdOpen_), static_cast<QWidget*>(cmdDelete_),
        static_cast<QWidget*>(cmdApplyChanges_), static_cast<QWidget*>(txtBirthName_),
        static_cast<QWidget*>(txtBirthNote_)}) {
    widget->setEnabled(any && (!store_.readOnly() || widget == cmdOpen_));
  }
  cmdUndoDelete_->setEnabled(!deleted_.empty() && !store_.readOnly());
}

void OpenBirthDialog::openCurrent() {
  chosen_ = currentId();
  if (chosen_ != 0) accept();
}

void OpenBirthDialog::applyChanges() {
  const std::optional<SavedBirth> birth = model_->birthAt(lstBirths_->currentIndex().row());
  if (!birth) return;
  const std::string name = txtBirthName_->text().trimmed().toStdString();
  const std::string note = txtBirthNote_->toPlainText().toStdString();
  if (name.empty()) {
    ShowMessage(this, QStringLiteral("Please Enter Name"), MessageIcon::Critical);
    txtBirthName_->setFocus();
    return;
  }
  try {
    if (name != birth->birth.personName) store_.rename(birth->id, name);
    if (note != birth->note) store_.setNote(birth->id, note);
  } catch (const BirthStoreError& error) {
    ShowMessage(this, QString::fromUtf8(error.what()), MessageIcon::Critical);
  }
  reload(birth->id);
}

void OpenBirthDialog::deleteCurrent() {
  const std::optional<SavedBirth> birth = model_->birthAt(lstBirths_->currentIndex().row());
  if (!birth) return;
  QMessageBox question(
      QMessageBox::Question, QString::fromUtf8(kProgramTitle),
      QStringLiteral("Delete the saved birth \u201c%1\u201d?\n\nUndo Delete brings it back until "
                     "Velquor is closed.")
          .arg(QString::fromStdString(birth->birth.personName)),
      QMessageBox::Yes | QMessageBox::No, this);
  question.setObjectName(QStringLiteral("msgDeleteBirth"));
  question.setDefaultButton(QMessageBox::No);
  if (question.exec() != QMessageBox::Yes) return;
  const int row = lstBirths_->currentIndex().row();
  try {
    deleted_.push_back(store_.remove(birth->id));
  } catch (const BirthStoreError& error) {
    ShowMessage(this, QString::fromUtf8(error.what()), MessageIcon::Critical);
    return;
  }
  // The birth after the deleted one (or the last) becomes current.
  const std::optional<SavedBirth> next = model_->birthAt(row + 1);
  reload(next ? next->id : 0);
  if (!next) lstBirths_->setCurrentIndex(model_->index(model_->rowCount() - 1, 0));
  lstBirths_->setFocus();
}

void OpenBirthDialog::undoDelete() {
  if (deleted_.empty()) return;
  const SavedBirth birth = deleted_.back();
  try {
    store_.restore(birth);
  } catch (const BirthStoreError& error) {
    ShowMessage(this, QString::fromUtf8(error.what()), MessageIcon::Critical);
    return;
  }
  deleted_.pop_back();
  reload(birth.id);
  if (model_->rowOf(birth.id) < 0) txtFindBirth_->clear();  // show it even when filtered out
  lstBirths_->setCurrentIndex(model_->index(model_->rowOf(birth.id), 0));
}

bool OpenBirthDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  // The find box steers the list: the arrows and page keys move through the matches while
  // typing goes on.
  if (watched == txtFindBirth_) {
    switch (key->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown: {
        QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
        QCoreApplication::sendEvent(lstBirths_, &copy);
        return true;
      }
      default:
        break;
    }
  }
  if (watched == lstBirths_ && key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
    RunGuarded(this, [this] { deleteCurrent(); });
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace velquor
