#include "gui/common/accessible_list.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QItemSelectionModel>

namespace velquor {
namespace {

// A list as Qt presents it (role, its drop-down view as the one child, open and close
// actions), but with its own name as Name and the current entry as Value.
class AccessibleList : public QAccessibleWidget {
 public:
  explicit AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name: {
        const QString name = list()->accessibleName();
        return name.isEmpty() ? list()->currentText() : name;
      }
      case QAccessible::Value:
        return list()->currentText();
      default:
        return QAccessibleWidget::text(t);
    }
  }

  int childCount() const override { return 1; }

  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == list()->view() ? 0 : -1;
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    const bool open = list()->view()->isVisible();
    s.expandable = true;
    s.expanded = open;
    s.collapsed = !open;
    s.hasPopup = true;
    return s;
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} << QAccessibleWidget::actionNames();
  }

  void doAction(const QString& actionName) override {
    if (actionName == showMenuAction() || actionName == pressAction()) {
      if (list()->view()->isVisible())
        list()->hidePopup();
      else
        list()->showPopup();
      return;
    }
    QAccessibleWidget::doAction(actionName);
  }

 private:
  QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

// Marks the current entry as the selected one of the drop-down view, also while the view is
// closed: a screen reader reads a list's entry there, from the Linux accessibility bus.
void SelectCurrentEntryInView(QComboBox* list) {
  QItemSelectionModel* selection = list->view()->selectionModel();
  if (selection == nullptr) return;
  const QModelIndex current =
      list->model()->index(list->currentIndex(), list->modelColumn(), list->rootModelIndex());
  selection->select(current, QItemSelectionModel::ClearAndSelect);
}

QAccessibleInterface* ListFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QComboBox")) return nullptr;
  auto* list = qobject_cast<QComboBox*>(object);
  if (list == nullptr || list->isEditable()) return nullptr;  // Qt's own, with its text box
  SelectCurrentEntryInView(list);
  QObject::connect(list, &QComboBox::currentIndexChanged, list,
                   [list] { SelectCurrentEntryInView(list); });
  return new AccessibleList(list);
}

}  // namespace

void InstallAccessibleLists() { QAccessible::installFactory(&ListFactory); }

}  // namespace velquor
