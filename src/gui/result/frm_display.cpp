#include "gui/result/frm_display.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>

#include "astro/position_text.h"
#include "chart/chart_cells.h"
#include "chart/chart_run.h"
#include "chart/detail_texts.h"
#include "chart/position_texts.h"
#include "chart/sign_names.h"
#include "chart/special_lagnas.h"
#include "chart/varga_chart.h"
#include "gui/common/accessible_list.h"
#include "gui/common/elided_label.h"
#include "gui/common/link_label.h"
#include "gui/common/links.h"
#include "gui/common/message_boxes.h"
#include "gui/common/moment_text.h"
#include "gui/common/named_widget.h"
#include "gui/common/scaled_font.h"
#include "gui/common/settings.h"
#include "gui/common/text_colour.h"
#include "gui/result/chart_style.h"
#include "gui/result/drawn_sign_chart.h"
#include "gui/result/sign_chart.h"
#include "render/chart_diagram.h"

namespace velquor {

namespace {

struct DetailRow {
  const char* caption;  // nullptr: the value spans the row
  const char* valueName;
  std::string DetailTexts::*text;
  bool typed;  // typed by the user, of any length: elided, whole in the tooltip
};

constexpr std::array<DetailRow, 8> kDetailRows = {{
    {nullptr, "lblName", &DetailTexts::name, true},
    {"Date of Birth :", "lblDOB", &DetailTexts::dob, false},
    {"Time of Birth :", "lblTOB", &DetailTexts::tob, false},
    {"Longitude :", "lblLongitude", &DetailTexts::longitude, false},
    {"Latitude   :", "lblLatitude", &DetailTexts::latitude, false},
    {"City :", "lblCity", &DetailTexts::city, true},
    {"State :", "lblState", &DetailTexts::state, true},
    {"Country :", "lblCountry", &DetailTexts::country, true},
}};
// The widths, in average characters, that the typed details and the chart's centre ask for
// at most; longer texts are elided.
constexpr int kDetailHintCharacters = 30;
constexpr int kCentreHintCharacters = 16;
// The least width of the meaning's column, in device-independent pixels.
constexpr int kMeaningWidth = 260;
constexpr int kColumnSpacing = 10;

// Sets a detail's text; a typed one keeps the whole text in its tooltip.
void SetDetail(QLabel* label, const QString& text) {
  if (auto* elided = qobject_cast<ElidedLabel*>(label))
    elided->setWholeText(text);
  else
    label->setText(text);
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Index 0..11 of a sign number 1..12, or -1 outside.
int SignIndexOf(int signNumber) {
  return signNumber >= 1 && signNumber <= 12 ? signNumber - 1 : -1;
}

struct SpanChoice {
  const char* caption;
  int minutes;
};
constexpr std::array<SpanChoice, 5> kSpanChoices = {{
    {"±10 min", 10},
    {"±30 min", kDefaultTimelineSpanMinutes},
    {"±1 h", 60},
    {"±3 h", 3 * 60},
    {"±12 h", kMaxTimelineSpanMinutes},
}};
constexpr int kDefaultSpanChoice = 1;

// "+3 min 12 s", "−1 h 0 min 5 s", "+45 s".
QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The chart as the drawings show it in `varga`: D1 as it is; any other varga with the
// varga's cells, ascendant and Pranapada sign, the Pranapada's house counted from the
// varga ascendant. With `tags`, each special lagna's tag stands in its varga sign too.
ChartResult DrawnChartOf(const ChartResult& chart, Varga varga, const SpecialLagnas* tags) {
  if (varga == Varga::D1 && tags == nullptr) return chart;
  ChartResult drawn = chart;
  VargaChart cells;
  try {
    cells = VargaChartOf(chart, varga, tags);
  } catch (const std::invalid_argument&) {
    return chart;  // a chart given whole, without the texts its longitudes are read from
  }
  if (varga != Varga::D1) {
    drawn.SignCells = cells.SignCells;
    drawn.SpecialCells = cells.SpecialCells;
    drawn.AscSign = cells.ascendantSign + 1;
    if (SignIndexOf(chart.pranapada.PpLSign) >= 0) {
      drawn.pranapada.PpLSign = cells.pranapada.sign + 1;
      drawn.pranapada.House = (cells.pranapada.sign - cells.ascendantSign + 12) % 12 + 1;
    }
  }
  if (tags != nullptr) {
    for (std::size_t k = 0; k < kSpecialLagnaCount; ++k) {
      if (!cells.specialLagnas[k]) continue;
      AppendToCell(drawn.SpecialCells[static_cast<std::size_t>(cells.specialLagnas[k]->sign)],
                   SpecialLagnaTag(kSpecialLagnas[k]));
    }
  }
  return drawn;
}

QString MovedText(std::int64_t seconds) {
  const std::int64_t size = std::llabs(seconds);
  const std::int64_t hours = size / 3600, minutes = size / 60 % 60, rest = size % 60;
  QString text = seconds < 0 ? QStringLiteral("−") : QStringLiteral("+");
  if (hours > 0) text += QStringLiteral("%1 h ").arg(hours);
  if (hours > 0 || minutes > 0) text += QStringLiteral("%1 min ").arg(minutes);
  return text + QStringLiteral("%1 s").arg(rest);
}

}  // namespace

FrmDisplay::FrmDisplay(QWidget* parent) : QWidget(parent) {
  InstallAccessibleLists();  // cmbSpan announces its own name
  setObjectName(QStringLiteral("frmDisplay"));
  setWindowTitle(QStringLiteral("Divitional chart"));

  // Three columns over the strip, so that a laptop's short screen shows everything: the
  // details and positions, the chart as large as the height allows, and the meaning of the
  // Pranapada's house with the conventions, which take the width left over.
  QWidget* birthTime = buildBirthTime();
  auto* left = new QVBoxLayout;
  detailsColumn_ = left;
  left->addWidget(buildDetails());
  left->addWidget(buildPositions());
  left->addStretch();
  auto* right = new QVBoxLayout;
  QWidget* house = buildHouse();
  house->setMinimumWidth(kMeaningWidth);
  right->addWidget(house);
  right->addWidget(lblConventions_);
  right->addWidget(buildSpecialLagnas());
  right->addStretch();
  right->addWidget(buildLinks());

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setHorizontalSpacing(kColumnSpacing);
  grid->setVerticalSpacing(8);
  grid->addLayout(left, 0, 0);
  grid->addWidget(buildChart(), 0, 1);
  grid->addLayout(right, 0, 2);
  grid->addWidget(birthTime, 1, 0, 1, 3);
  // Tab follows the reading order: the chart's style and the drawn chart, the span and its
  // button, the strip below them, the links. Set once every part is inside this window; Qt
  // ignores an order across two windows.
  const std::array<QWidget*, 8> order{cmbVarga_,
                                      cmbChartStyle_,
                                      drawnChart_,
                                      cmbSpan_,
                                      cmdUseTime_,
                                      strip_,
                                      findChild<QWidget*>(QStringLiteral("Label6")),
                                      findChild<QWidget*>(QStringLiteral("Label7"))};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  // A larger window gives its height to the chart, which takes the width of a square;
  // the rest of the width goes to the meaning (see resizeEvent).
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(0, 1);
}

QWidget* FrmDisplay::buildDetails() {
  auto* frame = Named<QGroupBox>("fraDetails", QStringLiteral("Your Details"));
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(4);
  for (std::size_t row = 0; row < kDetailRows.size(); ++row) {
    const DetailRow& line = kDetailRows[row];
    QLabel* value =
        line.typed ? static_cast<QLabel*>(new ElidedLabel(kDetailHintCharacters)) : new QLabel;
    value->setObjectName(QString::fromLatin1(line.valueName));
    value->setTextFormat(Qt::PlainText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int r = static_cast<int>(row);
    if (line.caption == nullptr) {
      value->setFont(ScaledFont(value->font(), 1.15, Weight::Bold));
      grid->addWidget(value, r, 0, 1, 2);
    } else {
      auto* caption = new QLabel(QString::fromLatin1(line.caption));
      caption->setBuddy(value);
      grid->addWidget(caption, r, 0);
      grid->addWidget(value, r, 1);
    }
    detailLabels_[row] = value;
  }
  grid->setColumnStretch(1, 1);
  return frame;
}

QWidget* FrmDisplay::buildPositions() {
  auto* frame = Named<QGroupBox>("fraWestern", QStringLiteral("Vedic Planetary Position"));
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(3);
  // Position texts are read by character position; a fixed-pitch font keeps their
  // degrees, signs and minutes in columns.
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(font().pointSizeF());
  for (int i = 0; i < 10; ++i) {
    auto* caption =
        Named<QLabel>(ArrayElementName("PlanetName", i), QString::fromLatin1(kPositionCaptions[i]));
    auto* value = Named<QLabel>(ArrayElementName("planet", i));
    value->setTextFormat(Qt::PlainText);
    value->setFont(fixed);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    caption->setBuddy(value);
    grid->addWidget(caption, i, 0);
    grid->addWidget(value, i, 1);
    planetLabels_[i] = value;
  }
  // The Pranapada Lagna's own degree, written as the bodies' positions are.
  auto* caption = Named<QLabel>("lblPranapadaCaption", QStringLiteral("Pranapada Lagna"));
  pranapadaDegree_ = Named<QLabel>("lblPranapadaDegree");
  pranapadaDegree_->setTextFormat(Qt::PlainText);
  pranapadaDegree_->setFont(fixed);
  pranapadaDegree_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  pranapadaDegree_->setAccessibleName(QStringLiteral("Pranapada Lagna"));
  caption->setBuddy(pranapadaDegree_);
  SetTextColour(caption, ChartStyle::kAccent);
  grid->addWidget(caption, 10, 0);
  grid->addWidget(pranapadaDegree_, 10, 1);
  grid->setColumnStretch(0, 1);
  return frame;
}

QWidget* FrmDisplay::buildChart() {
  auto* frame = Named<QGroupBox>("fraBirthchart", QStringLiteral("Hora"));
  chart_ = new SignChart;
  drawnChart_ = new DrawnSignChart;
  chartStyles_ = new QStackedWidget;
  chartStyles_->addWidget(chart_);
  chartStyles_->addWidget(drawnChart_);
  chartStyles_->installEventFilter(this);

  cmbVarga_ = Named<QComboBox>("cmbVarga");
  for (Varga listed : kVargas) {
    cmbVarga_->addItem(Text(VargaCode(listed)) + QLatin1Char(' ') + Text(VargaTitle(listed)),
                       static_cast<int>(listed));
  }
  cmbVarga_->setAccessibleName(QStringLiteral("Divisional chart"));
  auto* vargaCaption = Named<QLabel>("lblVarga", QStringLiteral("&Chart"));
  vargaCaption->setBuddy(cmbVarga_);
  cmbChartStyle_ = Named<QComboBox>("cmbChartStyle");
  for (DiagramStyle style : kDiagramStyles) {
    const std::string_view title = TitleOf(style);
    cmbChartStyle_->addItem(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                            static_cast<int>(style));
  }
  cmbChartStyle_->setAccessibleName(QStringLiteral("Chart style"));
  auto* styleCaption = Named<QLabel>("lblChartStyle", QStringLiteral("S&tyle"));
  styleCaption->setBuddy(cmbChartStyle_);
  auto* styleRow = new QHBoxLayout;
  styleRow->addStretch();
  styleRow->addWidget(vargaCaption);
  styleRow->addWidget(cmbVarga_);
  styleRow->addSpacing(kColumnSpacing);
  styleRow->addWidget(styleCaption);
  styleRow->addWidget(cmbChartStyle_);

  auto* layout = new QVBoxLayout(frame);
  layout->addLayout(styleRow);
  layout->addWidget(chartStyles_, 1);
  setDiagramStyle(settings::Read(settings::kChartStyle));
  connect(cmbChartStyle_, &QComboBox::activated, this, [this] {
    RunGuarded(this, [this] {
      setDiagramStyle(static_cast<DiagramStyle>(cmbChartStyle_->currentData().toInt()));
      settings::Write(settings::kChartStyle, diagramStyle());
    });
  });

  setVarga(settings::Read(settings::kChartVarga));
  connect(cmbVarga_, &QComboBox::activated, this, [this] {
    RunGuarded(this, [this] { chooseVarga(static_cast<Varga>(cmbVarga_->currentData().toInt())); });
  });
  // The Navamsa and the birth chart one key away.
  for (const auto& keyAndVarga :
       {std::pair{Qt::Key_9, Varga::D9}, std::pair{Qt::Key_1, Varga::D1}}) {
    const Varga keyed = keyAndVarga.second;
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | keyAndVarga.first), this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this,
            [this, keyed] { RunGuarded(this, [this, keyed] { chooseVarga(keyed); }); });
  }

  centreName_ = new ElidedLabel(kCentreHintCharacters);
  centreName_->setObjectName(QStringLiteral("lblChartName"));
  centreName_->setFont(ScaledFont(font(), 1.2, Weight::Bold));
  centrePranapada_ = Named<QLabel>("lblChartPranapada");
  centrePranapada_->setFont(ScaledFont(font(), 1.0, Weight::Bold));
  SetTextColour(centrePranapada_, ChartStyle::kAccent);
  centreTitle_ = Named<QLabel>("lblChartTitle", Text(VargaTitle(varga_)));
  SetTextColour(centreTitle_, ChartStyle::kFaintInk);

  auto* centre = new QVBoxLayout(chart_->centre());
  centre->addStretch();
  for (QLabel* label : std::initializer_list<QLabel*>{centreTitle_, centreName_, centrePranapada_}) {
    label->setAlignment(Qt::AlignCenter);
    centre->addWidget(label);
  }
  centre->addStretch();
  return frame;
}

QWidget* FrmDisplay::buildBirthTime() {
  // No title: the first line says "Birth time …".
  auto* frame = Named<QGroupBox>("fraBirthTime");
  lblMovedTime_ = Named<QLabel>("lblMovedTime");
  lblMovedTime_->setTextFormat(Qt::PlainText);
  lblMovedTime_->setFont(ScaledFont(font(), 1.05, Weight::Bold));
  lblMovedTime_->setAccessibleName(QStringLiteral("Birth time shown"));

  cmbSpan_ = Named<QComboBox>("cmbSpan");
  for (const SpanChoice& choice : kSpanChoices)
    cmbSpan_->addItem(QString::fromUtf8(choice.caption), choice.minutes);
  // The span chosen last, kept in the settings; one the list does not offer reads as the
  // default.
  const int keptSpan = cmbSpan_->findData(settings::Read(settings::kTimelineSpanMinutes));
  cmbSpan_->setCurrentIndex(keptSpan >= 0 ? keptSpan : kDefaultSpanChoice);
  cmbSpan_->setAccessibleName(QStringLiteral("Span of the birth-time timeline"));
  auto* span = Named<QLabel>("lblSpan", QStringLiteral("&Span"));
  span->setBuddy(cmbSpan_);

  cmdUseTime_ = Named<QPushButton>("cmdUseTime", QStringLiteral("&Use this time"));
  cmdUseTime_->setAccessibleName(QStringLiteral("Use this birth time in the form"));
  cmdUseTime_->setToolTip(
      QStringLiteral("Writes the moved date and time into the birth-data form"));
  cmdUseTime_->setEnabled(false);

  // The conventions' line stands under the meaning (placed by the constructor).
  lblConventions_ = Named<QLabel>("lblConventions");
  lblConventions_->setTextFormat(Qt::PlainText);
  lblConventions_->setWordWrap(true);
  lblConventions_->setAccessibleName(QStringLiteral("Conventions of the chart"));
  lblConventions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  strip_ = new BirthTimeStrip;

  auto* top = new QHBoxLayout;
  top->addWidget(lblMovedTime_, 1);
  top->addWidget(span);
  top->addWidget(cmbSpan_);
  top->addSpacing(8);
  top->addWidget(cmdUseTime_);
  auto* layout = new QVBoxLayout(frame);
  layout->addLayout(top);
  layout->addWidget(strip_);

  connect(strip_, &BirthTimeStrip::stepRequested, this,
          [this](BirthTimeStrip::Step s) { RunGuarded(this, [this, s] { step(s); }); });
  connect(strip_, &BirthTimeStrip::momentRequested, this, [this](const LocalDateTime& moment) {
    RunGuarded(this, [this, moment] { moveTo(moment); });
  });
  connect(cmbSpan_, &QComboBox::currentIndexChanged, this,
          [this] { RunGuarded(this, [this] { changeSpan(); }); });
  ConnectGuarded(cmdUseTime_, &QPushButton::clicked, this, [this] { useTime(); });
  return frame;
}

QWidget* FrmDisplay::buildHouse() {
  auto* frame = Named<QGroupBox>("fraHouse");
  auto* title =
      Named<QLabel>("Label8", QStringLiteral("Pranapada Lagna Present House Significance"));
  title->setFont(ScaledFont(font(), 1.1, Weight::Bold));
  auto* energy = Named<QLabel>(
      "Label10", QStringLiteral("Pranapada Lagna signifies the energy that you have in life."));
  QFont italic = energy->font();
  italic.setItalic(true);
  energy->setFont(italic);
  auto* caption = Named<QLabel>("Label11", QStringLiteral("Significance"));
  caption->setFont(ScaledFont(font(), 1.0, Weight::Bold));
  lblHouseDesc_ = Named<QLabel>("lblHouseDesc");
  lblHouseDesc_->setTextFormat(Qt::PlainText);
  lblHouseDesc_->setWordWrap(true);
  lblHouseDesc_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  caption->setBuddy(lblHouseDesc_);

  for (QLabel* label : {title, energy}) label->setWordWrap(true);
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(title);
  layout->addWidget(energy);
  layout->addWidget(caption);
  layout->addWidget(lblHouseDesc_);
  return frame;
}

QWidget* FrmDisplay::buildLinks() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* visit = Named<LinkLabel>("Label6", QStringLiteral("Visit Us Online"));
  auto* address = Named<LinkLabel>("Label7", PageUrl(PageRole::HomePage).toString());
  layout->addStretch();
  for (LinkLabel* link : {visit, address}) {
    link->setWordWrap(false);
    layout->addWidget(link);
    ConnectGuarded(link, &LinkLabel::activated, this, [] { OpenPage(PageRole::HomePage); });
  }
  return row;
}

bool FrmDisplay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == chartStyles_ && event->type() == QEvent::Resize) fitChartWidth();
  return QWidget::eventFilter(watched, event);
}

void FrmDisplay::fitChartWidth() {
  // The chart's frame is as wide as its square, whose side the height decides; the width
  // left over goes to the meaning, never below its own least width.
  auto* frame = chartStyles_->parentWidget();
  const int margins = frame->width() - chartStyles_->width();
  const int room = width() - detailsColumn_->geometry().width() - kMeaningWidth -
                   layout()->contentsMargins().left() - layout()->contentsMargins().right() -
                   2 * kColumnSpacing;
  const int side = std::max(chartStyles_->minimumSizeHint().width(),
                            std::min(chartStyles_->height(), room - margins));
  // Queued: the frame is being laid out now.
  if (frame->minimumWidth() != side + margins || frame->maximumWidth() != side + margins)
    QMetaObject::invokeMethod(
        frame, [frame, width = side + margins] { frame->setFixedWidth(width); },
        Qt::QueuedConnection);
}

DiagramStyle FrmDisplay::diagramStyle() const {
  return chartStyles_->currentWidget() == chart_ ? DiagramStyle::South : drawnChart_->style();
}

void FrmDisplay::setDiagramStyle(DiagramStyle style) {
  cmbChartStyle_->setCurrentIndex(cmbChartStyle_->findData(static_cast<int>(style)));
  if (style != DiagramStyle::South) drawnChart_->setStyle(style);
  chartStyles_->setCurrentWidget(style == DiagramStyle::South ? static_cast<QWidget*>(chart_)
                                                              : drawnChart_);
}

void FrmDisplay::showChart(const ChartResult& chart) {
  recordedEntry_.reset();
  try {
    cursor_.emplace(chart.birth, cmbSpan_->currentData().toInt(), chart.conventions);
  } catch (const std::invalid_argument&) {
    cursor_.reset();  // a chart made without its birth data: no timeline to move along
  }
  fill(chart);
  showCursor();
}

std::optional<SavedBirth> FrmDisplay::shownBirth() const {
  if (!cursor_) return std::nullopt;
  SavedBirth shown;
  shown.birth = cursor_->birth();
  shown.conventions = cursor_->conventions();
  return shown;
}

std::optional<BirthData> FrmDisplay::enteredBirth() const {
  if (!cursor_) return std::nullopt;
  return cursor_->entered();
}

void FrmDisplay::setRecordedEntry(const std::optional<LocalDateTime>& enteredTime) {
  recordedEntry_ = enteredTime;
  showCursor();
}

void FrmDisplay::setConventions(const Conventions& conventions) {
  if (!cursor_) return;
  cursor_->setConventions(conventions);
  chartMoment();
}

void FrmDisplay::step(BirthTimeStrip::Step step) {
  if (!cursor_) return;
  using Step = BirthTimeStrip::Step;
  bool moved = false;
  switch (step) {
    case Step::SecondBack:
      moved = cursor_->moveBy(-1);
      break;
    case Step::SecondOn:
      moved = cursor_->moveBy(1);
      break;
    case Step::MinuteBack:
      moved = cursor_->moveBy(-60);
      break;
    case Step::MinuteOn:
      moved = cursor_->moveBy(60);
      break;
    case Step::PreviousBoundary:
      moved = cursor_->moveToPreviousBoundary();
      break;
    case Step::NextBoundary:
      moved = cursor_->moveToNextBoundary();
      break;
    case Step::SpanStart:
      moved = cursor_->moveToStart();
      break;
    case Step::SpanEnd:
      moved = cursor_->moveToEnd();
      break;
  }
  if (moved) chartMoment();
}

void FrmDisplay::moveTo(const LocalDateTime& moment) {
  if (cursor_ && cursor_->moveTo(moment)) chartMoment();
}

void FrmDisplay::changeSpan() {
  if (!cursor_) return;
  cursor_->setSpan(cmbSpan_->currentData().toInt());
  settings::Write(settings::kTimelineSpanMinutes, cmbSpan_->currentData().toInt());
  showCursor();
}

void FrmDisplay::useTime() {
  if (!cursor_ || cursor_->movedSeconds() == 0) return;
  const LocalDateTime moment = cursor_->moment();
  cursor_->adopt();
  showCursor();
  Q_EMIT birthTimeChosen(moment);
}

void FrmDisplay::chartMoment() {
  const BirthData birth = cursor_->birth();
  const ChartOutcome outcome = RunChart(birth, cursor_->conventions());
  if (outcome.chart)
    fill(*outcome.chart);
  else
    fillStop(birth, outcome.stopMessage);
  showCursor();
}

void FrmDisplay::showCursor() {
  strip_->setEnabled(cursor_.has_value());
  cmbSpan_->setEnabled(cursor_.has_value());
  if (!cursor_) {
    lblMovedTime_->clear();
    cmdUseTime_->setEnabled(false);
    return;
  }
  strip_->setTimeline(cursor_->timeline(), cursor_->moment());
  const std::int64_t moved = cursor_->movedSeconds();
  QString how = QStringLiteral("moved ") + MovedText(moved);
  if (moved == 0) {
    how = recordedEntry_ ? QStringLiteral("rectified; entered %1").arg(MomentText(*recordedEntry_))
                         : QStringLiteral("as entered");
  }
  lblMovedTime_->setText(QStringLiteral("Birth time %1 (%2)").arg(MomentText(cursor_->moment()), how));
  cmdUseTime_->setEnabled(moved != 0);
}

void FrmDisplay::fillStop(const BirthData& birth, const std::string& message) {
  const DetailTexts details = MakeDetailTexts(birth);
  for (std::size_t row = 0; row < kDetailRows.size(); ++row)
    SetDetail(detailLabels_[row], Text(details.*kDetailRows[row].text));
  for (QLabel* label : planetLabels_) label->clear();
  pranapadaDegree_->clear();
  shown_.reset();
  showSpecialLagnas(shown_);
  drawVarga();
  centrePranapada_->setText(QStringLiteral("No chart"));
  lblHouseDesc_->setText(Text(message));
}

void FrmDisplay::fill(const ChartResult& chart) {
  shown_ = chart;
  showSpecialLagnas(shown_);
  drawVarga();
  for (std::size_t row = 0; row < kDetailRows.size(); ++row)
    SetDetail(detailLabels_[row], Text(chart.details.*kDetailRows[row].text));
  for (std::size_t i = 0; i < planetLabels_.size(); ++i)
    planetLabels_[i]->setText(Text(chart.PositionTexts[i]));
  // A chart made without the Sun's text (given whole, as tests do) has no degree to show.
  pranapadaDegree_->setText(
      SignIndexOfShortPosition(chart.SunAtSunriseText) < 0
          ? QString()
          : Text(ShortPosition(
                FormatLongitude(PranapadaLongitude(chart.SunAtSunriseText, chart.pranapada)))));
  lblHouseDesc_->setText(Text(chart.HouseText));
  showConventions(chart.conventions);

  centreName_->setWholeText(Text(chart.details.name));
}

QWidget* FrmDisplay::buildSpecialLagnas() {
  auto* frame = Named<QGroupBox>("fraSpecialLagnas", QStringLiteral("Special lagnas"));
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(2);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(font().pointSizeF());
  const std::array<const char*, 4> headings = {"Name", "Longitude", "Sign", "House"};
  for (std::size_t column = 0; column < headings.size(); ++column) {
    auto* heading = Named<QLabel>(QStringLiteral("lblSpecialLagnaHeading_%1").arg(column),
                                  QString::fromLatin1(headings[column]));
    heading->setFont(ScaledFont(font(), 1.0, Weight::Bold));
    grid->addWidget(heading, 0, static_cast<int>(column));
  }
  for (std::size_t row = 0; row < kSpecialLagnas.size(); ++row) {
    const int r = static_cast<int>(row) + 1;
    const QString prefix = QStringLiteral("lblSpecialLagna_%1_").arg(row);
    grid->addWidget(Named<QLabel>(prefix + QLatin1Char('0'), Text(SpecialLagnaName(kSpecialLagnas[row]))),
                    r, 0);
    for (std::size_t column = 0; column < 3; ++column) {
      auto* value = Named<QLabel>(prefix + QString::number(column + 1));
      value->setTextFormat(Qt::PlainText);
      value->setTextInteractionFlags(Qt::TextSelectableByMouse);
      if (column == 0) value->setFont(fixed);
      grid->addWidget(value, r, static_cast<int>(column) + 1);
      specialLagnaValues_[row][column] = value;
    }
  }
  chkLagnaTags_ = Named<QCheckBox>("chkLagnaTags", QStringLiteral("Show their ta&gs in the chart"));
  chkLagnaTags_->setToolTip(QStringLiteral(
      "BL, HL, GL, SL, VL, IL, BB, KL, Gk and Md in the signs of the chart shown"));
  connect(chkLagnaTags_, &QCheckBox::toggled, this, [this] { RunGuarded(this, [this] { drawVarga(); }); });
  grid->addWidget(chkLagnaTags_, static_cast<int>(kSpecialLagnas.size()) + 1, 0, 1, 4);
  grid->setColumnStretch(3, 1);
  return frame;
}

void FrmDisplay::showSpecialLagnas(const std::optional<ChartResult>& chart) {
  lagnas_.reset();
  if (chart) {
    try {
      lagnas_ = ComputeSpecialLagnas(*chart);
    } catch (const std::exception&) {
      lagnas_.reset();  // a chart given whole, without the birth data they are counted from
    }
  }
  const std::optional<SpecialLagnas>& lagnas = lagnas_;
  for (std::size_t row = 0; row < kSpecialLagnas.size(); ++row) {
    std::array<QString, 3> texts = {QStringLiteral("–"), QString(), QString()};
    if (lagnas) {
      const SpecialLagnaPoint& point = (*lagnas)[kSpecialLagnas[row]];
      if (point.available) {
        texts = {Text(FormatLongitude(point.longitude)) +
                     (point.wholeSign ? QStringLiteral(" (sign)") : QString()),
                 QString::fromLatin1(kSignNames[static_cast<std::size_t>(point.sign)]),
                 QString::number(point.house)};
      }
    }
    for (std::size_t column = 0; column < texts.size(); ++column)
      specialLagnaValues_[row][column]->setText(texts[column]);
  }
}

void FrmDisplay::setVarga(Varga varga) {
  varga_ = varga;
  cmbVarga_->setCurrentIndex(cmbVarga_->findData(static_cast<int>(varga)));
  if (centreTitle_ != nullptr) centreTitle_->setText(Text(VargaTitle(varga)));
  drawnChart_->setTitle(Text(VargaTitle(varga)));
  drawVarga();
}

void FrmDisplay::chooseVarga(Varga varga) {
  setVarga(varga);
  settings::Write(settings::kChartVarga, varga);
}

void FrmDisplay::drawVarga() {
  const std::optional<ChartResult> drawn =
      shown_ ? std::optional<ChartResult>(DrawnChartOf(
                   *shown_, varga_,
                   lagnas_ && chkLagnaTags_->isChecked() ? &*lagnas_ : nullptr))
             : std::nullopt;
  chart_->setChart(drawn);
  drawnChart_->setChart(drawn);
  if (drawn && centrePranapada_ != nullptr) {
    centrePranapada_->setText(SignIndexOf(drawn->pranapada.PpLSign) < 0
                                  ? QString()
                                  : PranapadaCentreText(*drawn));
  }
}

// A chart counted by other than the classic conventions says so in the accent colour, so
// that it is not taken for the classic one.
void FrmDisplay::showConventions(const Conventions& conventions) {
  lblConventions_->setText(QString::fromStdString(ConventionsLine(conventions)));
  const bool classic = conventions == ClassicConventions();
  lblConventions_->setFont(ScaledFont(font(), 1.0, classic ? Weight::Regular : Weight::Bold));
  if (classic) {
    MuteText(lblConventions_);
  } else {
    SetTextColour(lblConventions_, ChartStyle::kAccent);
  }
}

}  // namespace velquor
