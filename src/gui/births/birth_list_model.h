// The saved births as a table for the Open Birth dialog: Name, Born (date and time), Place,
// holding every birth and showing those that match the words typed (BirthFilter).
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <optional>
#include <vector>

#include "births/birth_filter.h"
#include "births/saved_birth.h"

namespace velquor {

class BirthListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Name, Born, Place, ColumnCount };

  explicit BirthListModel(QObject* parent = nullptr);

  // Replaces every birth, keeping the filter's words.
  void setBirths(std::vector<SavedBirth> births);
  // Shows the births matching `words` (all for none).
  void setFilter(const QString& words);

  // The birth shown in `row`, or nothing for a row not shown.
  std::optional<SavedBirth> birthAt(int row) const;
  // The row showing the birth `id`, or -1.
  int rowOf(std::int64_t id) const;
  std::size_t total() const { return births_.size(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<SavedBirth> births_;
  std::optional<BirthFilter> filter_;
  QString words_;
  std::vector<std::size_t> shown_;  // positions in births_
};

// "21 March 1985 10:45:00" and "New Delhi, Delhi, India" (empty parts left out).
QString BornText(const BirthData& birth);
QString PlaceText(const BirthData& birth);
// BornText of a saved birth, a rectified one followed by the time first entered:
// "21 March 1985 10:54:38 (rectified; entered 10:45:00 on 21 March 1985)".
QString SavedBornText(const SavedBirth& saved);

}  // namespace velquor
