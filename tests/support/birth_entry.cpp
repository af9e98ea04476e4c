#include "support/birth_entry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <stdexcept>

#include "chart/chart_run.h"
#include "gui/entry/birth_form.h"
#include "support/gui_test_support.h"

namespace velquor::test {

void Enter(BirthForm& form, const BirthEntry& entry) {
  const auto text = [&form](const char* name, const QString& value) {
    Child<QLineEdit>(form, QString::fromLatin1(name)).setText(value);
  };
  const auto pick = [&form](const char* name, int index) {
    Child<QComboBox>(form, QString::fromLatin1(name)).setCurrentIndex(index);
  };
  text("txtName", entry.name);
  pick("cboDate", entry.day - 1);
  pick("cboMonth", entry.monthIndex);
  pick("cboYear", entry.year - 1901);
  pick("cboHH", entry.hour);
  pick("cboMM", entry.minute);
  pick("cboSS", entry.second);
  text("txtMCity", entry.city);
  text("txtMState", entry.state);
  text("txtMCountry", entry.country);
  pick("cmbTimeZone", entry.zoneIndex);
  Child<QCheckBox>(form, QStringLiteral("chkDST")).setChecked(entry.dst);
  text("txtLonD", entry.lonDeg);
  text("txtLonM", entry.lonMin);
  text("txtLatD", entry.latDeg);
  text("txtLatM", entry.latMin);
  Child<QRadioButton>(form, entry.west ? QStringLiteral("optLong_1") : QStringLiteral("optLong_0"))
      .setChecked(true);
  Child<QRadioButton>(form, entry.south ? QStringLiteral("optLat_1") : QStringLiteral("optLat_0"))
      .setChecked(true);
}

BirthData BirthDataOf(const BirthEntry& entry) {
  BirthData birth;
  birth.personName = entry.name.toStdString();
  birth.dayNumber = entry.day;
  birth.monthNumber = entry.monthIndex + 1;
  birth.yearNumber = entry.year;
  birth.hourNumber = entry.hour;
  birth.minuteNumber = entry.minute;
  birth.secondNumber = entry.second;
  birth.zoneIndex = entry.zoneIndex;
  birth.lonDegrees = entry.lonDeg.toInt();
  birth.lonMinutes = entry.lonMin.toInt();
  birth.latDegrees = entry.latDeg.toInt();
  birth.latMinutes = entry.latMin.toInt();
  birth.isEast = !entry.west;
  birth.isSouth = entry.south;
  birth.isDst = entry.dst;
  birth.cityText = entry.city.toStdString();
  birth.stateText = entry.state.toStdString();
  birth.countryText = entry.country.toStdString();
  return birth;
}

ChartResult ChartOf(const BirthEntry& entry) {
  const ChartOutcome outcome = RunChart(BirthDataOf(entry));
  if (!outcome.chart) throw std::runtime_error("the sample birth gave no chart");
  return *outcome.chart;
}

}  // namespace velquor::test
