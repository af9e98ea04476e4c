#include "gui/births/birth_list_model.h"

#include "astro/date_time.h"
#include "gui/common/moment_text.h"

namespace velquor {

QString BornText(const BirthData& b) {
  return QStringLiteral("%1 %2 %3 %4:%5:%6")
      .arg(b.dayNumber)
      .arg(QString::fromLatin1(MonthName(b.monthNumber)))
      .arg(b.yearNumber)
      .arg(b.hourNumber, 2, 10, QLatin1Char('0'))
      .arg(b.minuteNumber, 2, 10, QLatin1Char('0'))
      .arg(b.secondNumber, 2, 10, QLatin1Char('0'));
}

QString PlaceText(const BirthData& b) {
  QStringList parts;
  for (const std::string* part : {&b.cityText, &b.stateText, &b.countryText}) {
    const QString text = QString::fromStdString(*part).trimmed();
    if (!text.isEmpty()) parts << text;
  }
  return parts.join(QStringLiteral(", "));
}

QString SavedBornText(const SavedBirth& saved) {
  QString born = BornText(saved.birth);
  if (!saved.enteredTime) return born;
  return born + QStringLiteral(" (rectified; entered %1)").arg(MomentText(*saved.enteredTime));
}

BirthListModel::BirthListModel(QObject* parent) : QAbstractTableModel(parent) {}

void BirthListModel::setBirths(std::vector<SavedBirth> births) {
  beginResetModel();
  births_ = std::move(births);
  filter_.emplace(births_);
  shown_ = filter_->Matching(words_.toStdString());
  endResetModel();
}

void BirthListModel::setFilter(const QString& words) {
  beginResetModel();
  words_ = words;
  shown_ = filter_ ? filter_->Matching(words_.toStdString()) : std::vector<std::size_t>{};
  endResetModel();
}

std::optional<SavedBirth> BirthListModel::birthAt(int row) const {
  if (row < 0 || row >= rowCount()) return std::nullopt;
  return births_[shown_[static_cast<std::size_t>(row)]];
}

int BirthListModel::rowOf(std::int64_t id) const {
  for (std::size_t row = 0; row < shown_.size(); ++row) {
    if (births_[shown_[row]].id == id) return static_cast<int>(row);
  }
  return -1;
}

int BirthListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int BirthListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant BirthListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
  const SavedBirth& saved = births_[shown_[static_cast<std::size_t>(index.row())]];
  if (role == Qt::ToolTipRole) {
    return saved.note.empty() ? QVariant() : QVariant(QString::fromStdString(saved.note));
  }
  switch (index.column()) {
    case Name:
      return QString::fromStdString(saved.birth.personName);
    case Born:
      return SavedBornText(saved);
    case Place:
      return PlaceText(saved.birth);
    default:
      return {};
  }
}

QVariant BirthListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case Name:
      return QStringLiteral("Name");
    case Born:
      return QStringLiteral("Born");
    case Place:
      return QStringLiteral("Place");
    default:
      return {};
  }
}

}  // namespace velquor
