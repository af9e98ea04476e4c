// dlgConventions: the four choices a chart is counted by, each in a list with its meaning,
// and buttons for the two named sets. OK keeps the choices (the caller saves them).
#pragma once

#include <QDialog>

#include "chart/conventions.h"

class QComboBox;
class QLabel;

namespace velquor {

class ConventionsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ConventionsDialog(const Conventions& current, QWidget* parent = nullptr);

  Conventions chosen() const;

 private:
  void showChoices(const Conventions& conventions);
  void describe();

  QComboBox* cmbEphemeris_ = nullptr;
  QComboBox* cmbSunrise_ = nullptr;
  QComboBox* cmbPranapadaSun_ = nullptr;
  QComboBox* cmbAfterSunset_ = nullptr;
  QLabel* lblConventionsSummary_ = nullptr;
};

}  // namespace velquor
