#include "gui/entry/birth_form.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <stdexcept>
#include <string>
#include <vector>

#include "astro/date_time.h"
#include "chart/chart_run.h"
#include "chart/time_zones.h"
#include "gui/common/accessible_list.h"
#include "gui/common/link_label.h"
#include "gui/common/links.h"
#include "gui/common/message_boxes.h"
#include "gui/common/named_widget.h"
#include "gui/common/number_box.h"
#include "gui/common/program_icon.h"
#include "gui/common/program_title.h"
#include "gui/common/scaled_font.h"
#include "gui/common/text_colour.h"
#include "gui/entry/atlas_place_search.h"
#include "gui/entry/number_list_search.h"
#include "gui/entry/typed_key_filter.h"

namespace velquor {

namespace {

QStringList NumberEntries(int first, int last) {
  QStringList entries;
  for (int n = first; n <= last; ++n) entries << QString::number(n);
  return entries;
}

QStringList MonthEntries() {
  QStringList entries;
  for (int month = 1; month <= 12; ++month) entries << QString::fromLatin1(MonthName(month));
  return entries;
}

QStringList TimeZoneEntries() {
  QStringList entries;
  for (const TimeZoneRow& row : TimeZoneTable())
    entries << QString::fromUtf8(row.label.data(), static_cast<qsizetype>(row.label.size()));
  return entries;
}

QComboBox* NewCombo(const char* name, const QStringList& entries, int selected,
                    const QString& accessibleName) {
  auto* combo = Named<QComboBox>(name);
  combo->addItems(entries);
  combo->setCurrentIndex(selected);
  combo->setAccessibleName(accessibleName);
  return combo;
}

// A text box, or with `digits` a number box of at most that many digits.
QLineEdit* NewTextBox(const char* name, const QString& accessibleName, int digits = 0) {
  auto* box = Named<QLineEdit>(name);
  box->setAccessibleName(accessibleName);
  if (digits > 0) {
    NumberBox::Install(box, digits);
    // Every number box is as wide as the widest (three digits), so that the degree and
    // minute columns of the two coordinate frames line up, whatever the font.
    const int room = box->fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    box->setFixedWidth(room + 16);
    box->setAlignment(Qt::AlignRight);
  }
  return box;
}

QLabel* NewLabel(const char* name, const QString& caption, QWidget* buddy = nullptr) {
  auto* label = Named<QLabel>(name, caption);
  if (buddy != nullptr) label->setBuddy(buddy);
  return label;
}

// The two coordinate frames differ only in names, captions and the length of the degrees.
struct CoordinateFrameLayout {
  const char* frame;
  const char* caption;
  const char* degreesBox;
  int degreesLength;
  const char* degreesLabel;
  const char* minutesBox;
  const char* minutesLabel;
  const char* choiceArray;
  std::array<const char*, 2> choiceCaptions;  // element 0 is selected at load
};

constexpr CoordinateFrameLayout kLongitudeFrame{"Frame4", "Longitude", "txtLonD",
                                                3,        "Label6",    "txtLonM",
                                                "Label8", "optLong",   {"East", "West"}};
constexpr CoordinateFrameLayout kLatitudeFrame{"Frame3", "Latitude", "txtLatD",
                                               2,        "Label7",   "txtLatM",
                                               "Label9", "optLat",   {"North", "South"}};

}  // namespace

BirthForm::BirthForm(QWidget* parent)
    : QMainWindow(parent), placeSearch_(std::make_unique<AtlasPlaceSearch>(*this)) {
  InstallAccessibleLists();  // the lists below announce their own names
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromUtf8(kProgramTitle));
  setWindowIcon(ProgramIcon());

  auto* headline =
      NewLabel("Label2", QStringLiteral("Know more about your energy in life with Velquor"));
  headline->setFont(ScaledFont(headline->font(), 1.35, Weight::Bold));
  headline->setAlignment(Qt::AlignCenter);
  headline->setForegroundRole(QPalette::Highlight);

  cmdRashi_ = Named<QPushButton>("cmdRashi", QStringLiteral("Get My Pranapada Lagna"));
  cmdRashi_->setFont(ScaledFont(cmdRashi_->font(), 1.0, Weight::Bold));
  cmdRashi_->setMinimumHeight(cmdRashi_->sizeHint().height() * 3 / 2);
  cmdRashi_->setAutoDefault(true);

  auto* left = new QVBoxLayout;
  left->addWidget(buildPersonalDetails());
  left->addWidget(buildPlaceDetails());
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(buildZone());
  right->addWidget(buildCoordinates(true, longitude_));
  right->addWidget(buildCoordinates(false, latitude_));
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 3);
  columns->addLayout(right, 2);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->setSpacing(10);
  layout->addWidget(headline);
  layout->addLayout(columns);
  layout->addWidget(cmdRashi_);
  layout->addWidget(buildPromotions());
  // A taller window keeps the form together, its button under the groups; the extra height
  // goes below it all.
  layout->addStretch(1);
  setCentralWidget(central);

  buildMenus();
  setTabOrderAndNames();

  connect(cmdRashi_, &QPushButton::clicked, this, &BirthForm::cmdRashi_Click);
  connect(cmdBrowser_, &QPushButton::clicked, this, &BirthForm::cmdBrowser_Click);
}

BirthForm::~BirthForm() = default;

void BirthForm::setPlaceSearch(std::unique_ptr<PlaceSearch> search) {
  placeSearch_ = std::move(search);
}

void BirthForm::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* next = file->addAction(QStringLiteral("Get My Pranapada Lagna"));
  next->setObjectName(QStringLiteral("mnuNext"));
  QAction* exit = file->addAction(QStringLiteral("E&xit"));
  exit->setObjectName(QStringLiteral("mnuExit"));
  connect(next, &QAction::triggered, this, &BirthForm::cmdRashi_Click);
  connect(exit, &QAction::triggered, this, &BirthForm::shutDownRequested);
  fileMenu_ = file;
  exitItem_ = exit;
}

QGroupBox* BirthForm::buildPersonalDetails() {
  txtName_ = NewTextBox("txtName", QStringLiteral("Name"));
  cboDate_ = NewCombo("cboDate", NumberEntries(1, 31), 0, QStringLiteral("Day of birth"));
  cboMonth_ = NewCombo("cboMonth", MonthEntries(), 0, QStringLiteral("Month of birth"));
  cboYear_ = NewCombo("cboYear", NumberEntries(1901, 2050), 0, QStringLiteral("Year of birth"));
  cboHH_ = NewCombo("cboHH", NumberEntries(0, 23), 0, QStringLiteral("Hour of birth"));
  cboMM_ = NewCombo("cboMM", NumberEntries(0, 59), 0, QStringLiteral("Minute of birth"));
  cboSS_ = NewCombo("cboSS", NumberEntries(0, 59), 0, QStringLiteral("Second of birth"));
  TypedKeyFilter::Install(txtName_, &FilterNameKey);
  for (QComboBox* list : {cboDate_, cboYear_, cboHH_, cboMM_, cboSS_})
    NumberListSearch::Install(list);

  auto* format = NewLabel("Label12", QStringLiteral("HH:MM:SS"));
  MuteText(format);  // a hint

  const auto row = [](std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    for (QWidget* widget : widgets) line->addWidget(widget);
    line->addStretch();
    return line;
  };
  auto* frame = Named<QGroupBox>("Frame6", QStringLiteral("Personal Details"));
  auto* grid = new QGridLayout(frame);
  grid->addWidget(NewLabel("Label13", QStringLiteral("Name"), txtName_), 0, 0);
  grid->addWidget(txtName_, 0, 1);
  grid->addWidget(NewLabel("Label5", QStringLiteral("Date of Birth"), cboDate_), 1, 0);
  grid->addLayout(row({cboDate_, cboMonth_, cboYear_}), 1, 1);
  grid->addWidget(NewLabel("Label1", QStringLiteral("Time of Birth"), cboHH_), 2, 0);
  grid->addLayout(row({cboHH_, cboMM_, cboSS_, format}), 2, 1);
  return frame;
}

QGroupBox* BirthForm::buildPlaceDetails() {
  txtMCity_ = NewTextBox("txtMCity", QStringLiteral("City"));
  txtMState_ = NewTextBox("txtMState", QStringLiteral("State"));
  txtMCountry_ = NewTextBox("txtMCountry", QStringLiteral("Country"));
  // "&&" shows a single ampersand.
  cmdBrowser_ = Named<QPushButton>("cmdBrowser", QStringLiteral("Click for Latitude && Longitude"));
  cmdBrowser_->setAutoDefault(true);  // Enter on the focused button presses it

  auto* frame = Named<QGroupBox>("Frame2", QStringLiteral("Place Details"));
  auto* grid = new QGridLayout(frame);
  grid->addWidget(NewLabel("Label54", QStringLiteral("City"), txtMCity_), 0, 0);
  grid->addWidget(txtMCity_, 0, 1);
  grid->addWidget(NewLabel("Label55", QStringLiteral("State"), txtMState_), 1, 0);
  grid->addWidget(txtMState_, 1, 1);
  grid->addWidget(NewLabel("Label4", QStringLiteral("Country"), txtMCountry_), 2, 0);
  grid->addWidget(txtMCountry_, 2, 1);
  grid->addWidget(cmdBrowser_, 3, 1, Qt::AlignLeft);
  return frame;
}

QGroupBox* BirthForm::buildZone() {
  cmbTimeZone_ = NewCombo("cmbTimeZone", TimeZoneEntries(), kDefaultTimeZoneIndex,
                          QStringLiteral("Time zone"));
  // The longest zone names would make the form very wide; the open list shows them whole.
  cmbTimeZone_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cmbTimeZone_->setMinimumContentsLength(30);
  cmbTimeZone_->view()->setMinimumWidth(cmbTimeZone_->view()->sizeHintForColumn(0) + 24);
  chkDST_ = Named<QCheckBox>("chkDST", QStringLiteral("Daylight Saving Time"));

  auto* frame = Named<QGroupBox>("fraZone", QStringLiteral("Zone"));
  auto* column = new QVBoxLayout(frame);
  column->addWidget(cmbTimeZone_);
  column->addWidget(chkDST_);
  return frame;
}

QGroupBox* BirthForm::buildCoordinates(bool longitude, CoordinateControls& controls) {
  const CoordinateFrameLayout& names = longitude ? kLongitudeFrame : kLatitudeFrame;
  const QString caption = QString::fromLatin1(names.caption);
  controls.degrees =
      NewTextBox(names.degreesBox, caption + QStringLiteral(" degrees"), names.degreesLength);
  controls.minutes = NewTextBox(names.minutesBox, caption + QStringLiteral(" minutes"), 2);
  for (QLineEdit* box : {controls.degrees, controls.minutes})
    TypedKeyFilter::Install(box, &FilterNumberKey);

  auto* frame = Named<QGroupBox>(names.frame, caption);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(controls.degrees, 0, 0);
  grid->addWidget(NewLabel(names.degreesLabel, QStringLiteral("Deg"), controls.degrees), 0, 1);
  grid->addWidget(controls.minutes, 0, 2);
  grid->addWidget(NewLabel(names.minutesLabel, QStringLiteral("Min"), controls.minutes), 0, 3);
  for (int i = 0; i < 2; ++i) {
    controls.choices[i] = Named<QRadioButton>(ArrayElementName(names.choiceArray, i),
                                              QString::fromLatin1(names.choiceCaptions[i]));
    grid->addWidget(controls.choices[i], 1, 2 * i, 1, 2);
  }
  controls.choices[0]->setChecked(true);
  grid->setColumnStretch(4, 1);
  return frame;
}

QWidget* BirthForm::buildPromotions() {
  struct Link {
    const char* frame;
    const char* name;
    const char* caption;
    PageRole role;
  };
  static constexpr Link kLinks[] = {
      {"Frame5", "lblFullBrand",
       "Get this software fully branded for your website. Click here for more details.",
       PageRole::FullBranding},
      {"Frame5", "lblCobrand",
       "Add your own name and logo to this software. Click here for co-branding details.",
       PageRole::CoBranding},
      {"Frame1", "Label61", "More astrology software on our home page.", PageRole::HomePage},
  };

  auto* row = new QWidget;
  auto* rowLayout = new QHBoxLayout(row);
  rowLayout->setContentsMargins(0, 0, 0, 0);
  QFrame* frame = nullptr;
  for (const Link& link : kLinks) {
    if (frame == nullptr || frame->objectName() != QLatin1String(link.frame)) {
      frame = Named<QFrame>(link.frame);
      frame->setFrameShape(QFrame::StyledPanel);
      new QVBoxLayout(frame);
      rowLayout->addWidget(frame, 1);
    }
    auto* label = Named<LinkLabel>(link.name, QString::fromLatin1(link.caption));
    frame->layout()->addWidget(label);
    const PageRole role = link.role;
    ConnectGuarded(label, &LinkLabel::activated, this, [role] { OpenPage(role); });
  }
  return row;
}

void BirthForm::setTabOrderAndNames() {
  // Top to bottom through the personal details and the place, then the zone and the
  // coordinates, the chart button last among the inputs.
  const std::vector<QWidget*> order = {txtName_,
                                       cboDate_,
                                       cboMonth_,
                                       cboYear_,
                                       cboHH_,
                                       cboMM_,
                                       cboSS_,
                                       txtMCity_,
                                       txtMState_,
                                       txtMCountry_,
                                       cmdBrowser_,
                                       cmbTimeZone_,
                                       chkDST_,
                                       longitude_.degrees,
                                       longitude_.minutes,
                                       longitude_.choices[0],
                                       longitude_.choices[1],
                                       latitude_.degrees,
                                       latitude_.minutes,
                                       latitude_.choices[0],
                                       latitude_.choices[1],
                                       cmdRashi_};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

BirthData BirthForm::readBirthData() const {
  const auto box = [](const auto* widget) { return BoxNumber(widget->text().toStdString()); };
  const auto list = [](const QComboBox* widget) {
    return BoxNumber(widget->currentText().toStdString());
  };
  BirthData birth;
  birth.personName = txtName_->text().toStdString();
  birth.monthNumber = cboMonth_->currentIndex() + 1;
  birth.dayNumber = cboDate_->currentIndex() + 1;
  birth.yearNumber = list(cboYear_);
  birth.hourNumber = list(cboHH_);
  birth.minuteNumber = list(cboMM_);
  birth.secondNumber = list(cboSS_);
  birth.zoneIndex = cmbTimeZone_->currentIndex();
  birth.lonDegrees = box(longitude_.degrees);
  birth.lonMinutes = box(longitude_.minutes);
  birth.latDegrees = box(latitude_.degrees);
  birth.latMinutes = box(latitude_.minutes);
  birth.isEast = longitude_.choices[0]->isChecked();
  birth.isSouth = latitude_.choices[1]->isChecked();
  birth.isDst = chkDST_->isChecked();
  birth.cityText = txtMCity_->text().toStdString();
  birth.stateText = txtMState_->text().toStdString();
  birth.countryText = txtMCountry_->text().toStdString();
  return birth;
}

void BirthForm::setBirthMoment(const LocalDateTime& moment) {
  if (moment.year < kFirstYear || moment.year > kLastYear)
    throw std::invalid_argument("the year list has no year " + std::to_string(moment.year));
  cboDate_->setCurrentIndex(moment.day - 1);
  cboMonth_->setCurrentIndex(moment.month - 1);
  cboYear_->setCurrentIndex(moment.year - kFirstYear);
  cboHH_->setCurrentIndex(moment.hour);
  cboMM_->setCurrentIndex(moment.minute);
  cboSS_->setCurrentIndex(moment.second);
}

void BirthForm::showBirth(const BirthData& birth, const Conventions& conventions) {
  setBirthMoment({birth.yearNumber, birth.monthNumber, birth.dayNumber, birth.hourNumber,
                  birth.minuteNumber, birth.secondNumber});
  if (birth.zoneIndex < 0 || birth.zoneIndex >= cmbTimeZone_->count())
    throw std::invalid_argument("the zone list has no row " + std::to_string(birth.zoneIndex));
  const auto text = [](const std::string& value) { return QString::fromStdString(value); };
  const auto number = [](int value) { return QString::number(value); };
  txtName_->setText(text(birth.personName));
  txtMCity_->setText(text(birth.cityText));
  txtMState_->setText(text(birth.stateText));
  txtMCountry_->setText(text(birth.countryText));
  cmbTimeZone_->setCurrentIndex(birth.zoneIndex);
  chkDST_->setChecked(birth.isDst);
  longitude_.degrees->setText(number(birth.lonDegrees));
  longitude_.minutes->setText(number(birth.lonMinutes));
  longitude_.choices[birth.isEast ? 0 : 1]->setChecked(true);
  latitude_.degrees->setText(number(birth.latDegrees));
  latitude_.minutes->setText(number(birth.latMinutes));
  latitude_.choices[birth.isSouth ? 1 : 0]->setChecked(true);
  runChart(conventions);
}

std::optional<BirthData> BirthForm::checkedBirthData() {
  const BirthData birth = readBirthData();
  if (const auto failure = ValidateBirthData(birth)) {
    report(*failure);
    return std::nullopt;
  }
  return birth;
}

Conventions BirthForm::chartConventions() const { return {}; }

void BirthForm::cmdRashi_Click() {
  RunGuarded(this, [this] { runChart(chartConventions()); });
}

void BirthForm::runChart(const Conventions& conventions) {
  const std::optional<BirthData> checked = checkedBirthData();
  if (!checked) return;
  const BirthData& birth = *checked;
  const ChartOutcome outcome = RunChart(birth, conventions);
  if (!outcome.chart) {
    ShowMessage(this, QString::fromStdString(outcome.stopMessage), MessageIcon::Information);
    return;
  }
  Q_EMIT chartReady(*outcome.chart);
}

void BirthForm::cmdBrowser_Click() {
  RunGuarded(this, [this] {
    const BirthData birth = readBirthData();
    if (const auto failure = ValidatePlaceQuery(birth)) {
      report(*failure);
      return;
    }
    placeSearch_->search(QString::fromStdString(PlaceQueryText(birth)),
                         PageUrl(PageRole::HomePage));
  });
}

void BirthForm::report(const ValidationFailure& failure) {
  ShowMessage(this, QString::fromStdString(failure.message), failure.icon);
  if (QWidget* field = fieldWidget(failure.field)) field->setFocus(Qt::OtherFocusReason);
}

// The field a failed check moves the focus to; the checks of the date leave it where it is.
QWidget* BirthForm::fieldWidget(BirthField field) const {
  switch (field) {
    case BirthField::Name:
      return txtName_;
    case BirthField::LonDegrees:
      return longitude_.degrees;
    case BirthField::LonMinutes:
      return longitude_.minutes;
    case BirthField::LatDegrees:
      return latitude_.degrees;
    case BirthField::LatMinutes:
      return latitude_.minutes;
    case BirthField::City:
      return txtMCity_;
    case BirthField::State:
      return txtMState_;
    case BirthField::Country:
      return txtMCountry_;
    default:
      return nullptr;
  }
}

void BirthForm::keyPressEvent(QKeyEvent* event) {
  // Enter anywhere on the form (a box, a list, a tick box) runs the chart; buttons and
  // links take their own Enter first.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    cmdRashi_Click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void BirthForm::closeEvent(QCloseEvent* event) {
  event->accept();
  Q_EMIT shutDownRequested();
}

}  // namespace velquor
