#include "gui/conventions/conventions_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/named_widget.h"
#include "gui/common/text_colour.h"

namespace velquor {

namespace {

// A list whose items carry the choices' values, in the order of `labels`.
QComboBox* ChoiceList(const char* name, const QString& accessibleName,
                      std::initializer_list<QString> labels) {
  auto* list = Named<QComboBox>(name);
  int value = 0;
  for (const QString& label : labels) list->addItem(label, value++);
  list->setAccessibleName(accessibleName);
  return list;
}

template <typename Value>
Value Chosen(const QComboBox* list) {
  return static_cast<Value>(list->currentData().toInt());
}

template <typename Value>
void Select(QComboBox* list, Value value) {
  list->setCurrentIndex(list->findData(static_cast<int>(value)));
}

}  // namespace

ConventionsDialog::ConventionsDialog(const Conventions& current, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("dlgConventions"));
  setWindowTitle(tr("Conventions"));

  auto* intro = new QLabel(
      tr("Programs of different schools count the Pranapada by the same formula with other "
         "choices. The classic set is this program's own; every result names the set it used."));
  intro->setWordWrap(true);

  cmbEphemeris_ =
      ChoiceList("cmbEphemeris", tr("Ephemeris"),
                 {tr("Classic formulas"), tr("Precise (Swiss Ephemeris, Lahiri, to the second)")});
  cmbSunrise_ = ChoiceList(
      "cmbSunrise", tr("Sunrise"),
      {tr("Classic almanac routine"), tr("Upper edge of the Sun, with refraction (precise)"),
       tr("Centre of the Sun, no refraction: the Hindu sunrise (precise)")});
  cmbPranapadaSun_ = ChoiceList("cmbPranapadaSun", tr("The Sun the Pranapada counts from"),
                                {tr("The Sun at sunrise"), tr("The Sun at birth")});
  cmbAfterSunset_ = ChoiceList(
      "cmbAfterSunset", tr("A birth after sunset"),
      {tr("Counted to the next sunrise"), tr("Counted from the day's sunrise, through the night")});

  auto* form = new QFormLayout;
  form->addRow(tr("&Ephemeris:"), cmbEphemeris_);
  form->addRow(tr("&Sunrise:"), cmbSunrise_);
  form->addRow(tr("The &Pranapada counts from:"), cmbPranapadaSun_);
  form->addRow(tr("A birth after sunse&t:"), cmbAfterSunset_);

  auto* cmdClassic = Named<QPushButton>("cmdClassicSet", tr("&Classic set"));
  auto* cmdModern = Named<QPushButton>("cmdModernSet", tr("&Modern set"));
  cmdClassic->setAccessibleDescription(tr("The program's own conventions, the default"));
  cmdModern->setAccessibleDescription(
      tr("Precise ephemeris, the Sun's centre at sunrise, the Sun at birth, counted from "
         "sunrise: what today's Vedic programs do"));
  connect(cmdClassic, &QPushButton::clicked, this, [this] { showChoices(ClassicConventions()); });
  connect(cmdModern, &QPushButton::clicked, this, [this] { showChoices(ModernConventions()); });
  auto* sets = new QHBoxLayout;
  sets->addWidget(cmdClassic);
  sets->addWidget(cmdModern);
  sets->addStretch();

  lblConventionsSummary_ = Named<QLabel>("lblConventionsSummary");
  lblConventionsSummary_->setWordWrap(true);
  MuteText(lblConventionsSummary_);

  auto* buttons = Named<QDialogButtonBox>(
      "buttonBox", QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(form);
  layout->addLayout(sets);
  layout->addWidget(lblConventionsSummary_);
  layout->addWidget(buttons);
  for (QComboBox* list : {cmbEphemeris_, cmbSunrise_, cmbPranapadaSun_, cmbAfterSunset_}) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  }
  layout->setSizeConstraint(QLayout::SetMinimumSize);

  for (QComboBox* list : {cmbEphemeris_, cmbSunrise_, cmbPranapadaSun_, cmbAfterSunset_}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this] { describe(); });
  }
  showChoices(current);
}

Conventions ConventionsDialog::chosen() const {
  return {Chosen<EphemerisConvention>(cmbEphemeris_), Chosen<SunriseConvention>(cmbSunrise_),
          Chosen<PranapadaSunConvention>(cmbPranapadaSun_),
          Chosen<AfterSunsetConvention>(cmbAfterSunset_)};
}

void ConventionsDialog::showChoices(const Conventions& c) {
  Select(cmbEphemeris_, c.ephemeris);
  Select(cmbSunrise_, c.sunrise);
  Select(cmbPranapadaSun_, c.pranapadaSun);
  Select(cmbAfterSunset_, c.afterSunset);
  describe();
}

void ConventionsDialog::describe() {
  lblConventionsSummary_->setText(QString::fromStdString(ConventionsLine(chosen())));
}

}  // namespace velquor
