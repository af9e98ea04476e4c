#include "gui/app/mdi.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/frm_about.h"
#include "gui/app/help_menu.h"
#include "gui/common/link_label.h"
#include "gui/common/links.h"
#include "gui/common/message_boxes.h"
#include "gui/common/named_widget.h"
#include "gui/common/program_icon.h"
#include "gui/common/program_title.h"
#include "gui/common/scaled_font.h"
#include "gui/common/twips.h"
#include "gui/conventions/conventions_settings.h"
#include "gui/conventions/options_menu.h"
#include "gui/result/chart_output_menu.h"
#include "gui/result/frm_display.h"

namespace velquor {

namespace {
constexpr int kTopBarHeight = 64;
constexpr int kPictureSide = 44;
constexpr int kGap = 14;
}  // namespace

Mdi::TopBarButtons Mdi::PlaceTopBarButtons(int frameWidth, int exitWidth, double logicalDpi) {
  const int exitX = frameWidth - exitWidth - TwipsToPixels(300, logicalDpi);
  return {exitX - exitWidth - TwipsToPixels(100, logicalDpi), exitX};
}

Mdi::Mdi(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MDI"));
  setWindowTitle(QString::fromUtf8(kProgramTitle));
  setWindowIcon(ProgramIcon());

  area_ = new QMdiArea;
  area_->setBackground(QColor(0xe4, 0xe7, 0xee));
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->viewport()->installEventFilter(this);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(buildTopBar());
  layout->addWidget(area_, 1);
  setCentralWidget(central);
  buildMenus();
  // At the smallest size the title, Back and Exit still stand side by side, and the area
  // shows a part of the result window with its scroll bars.
  const int titleRight = kGap + kPictureSide + kGap + title_->width();
  const int buttons = PlaceTopBarButtons(0, cmdExit_->width(), logicalDpiX()).backX;
  setMinimumSize(titleRight + kGap - buttons, 3 * kTopBarHeight + menuBar()->sizeHint().height());

  frmDisplay_ = new FrmDisplay;
  connect(frmDisplay_, &FrmDisplay::birthTimeChosen, this, &Mdi::birthTimeChosen);
  resultWindow_ = area_->addSubWindow(frmDisplay_, Qt::SubWindow | Qt::WindowTitleHint);
  resultWindow_->setWindowIcon(ProgramIcon());
  // Never smaller than its contents: a squeezed chart would draw its cells over each other.
  resultWindow_->layout()->setSizeConstraint(QLayout::SetMinimumSize);
  resultWindow_->show();
  // Tab reads the top bar first, then the result window.
  setTabOrder(link_, cmdBack_);
  setTabOrder(cmdBack_, cmdExit_);
  setTabOrder(cmdExit_, frmDisplay_->findChild<QWidget*>(QStringLiteral("cmbVarga")));
  fitToResultWindow();
}

void Mdi::showChart(const ChartResult& chart) {
  frmDisplay_->showChart(chart);
  fitToResultWindow();
}

void Mdi::fitToResultWindow() {
  // The texts decide the result window's size. Their layouts would catch up on the next
  // pass of the event loop; they are brought up to date now, deepest first, so that the
  // size is measured on the filled window.
  QList<QWidget*> widgets = resultWindow_->findChildren<QWidget*>();
  std::reverse(widgets.begin(), widgets.end());
  widgets << resultWindow_;
  for (QWidget* widget : widgets)
    if (widget->layout() != nullptr) widget->layout()->activate();
  resultWindow_->adjustSize();
  const QSize wanted = resultWindow_->size() + QSize(2 * kGap, kTopBarHeight + 2 * kGap) +
                       QSize(0, menuBar()->sizeHint().height());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  resize(wanted.boundedTo(screen.size()));
  centreResultWindow();
}

QWidget* Mdi::buildTopBar() {
  picTop_ = Named<QWidget>("picTop");
  picTop_->setFixedHeight(kTopBarHeight);
  picTop_->setAutoFillBackground(true);
  QPalette bar = picTop_->palette();
  bar.setColor(QPalette::Window, QColor(0x27, 0x29, 0x5f));
  bar.setColor(QPalette::WindowText, QColor(0xf4, 0xf1, 0xe8));
  bar.setColor(QPalette::Link, QColor(0xf0, 0xc0, 0x5a));
  picTop_->setPalette(bar);

  picture_ = new ProgramPicture(kPictureSide, picTop_);
  picture_->setObjectName(QStringLiteral("Picture1"));
  title_ = new QLabel(QStringLiteral("Pranapada Lagna"), picTop_);
  title_->setObjectName(QStringLiteral("Label2"));
  title_->setFont(ScaledFont(title_->font(), 1.5, Weight::Bold));
  title_->adjustSize();

  link_ = new LinkLabel(
      QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                     "online. Get this software fully branded for your website. Click here for "
                     "more details."),
      picTop_);
  link_->setObjectName(QStringLiteral("Label10"));
  ConnectGuarded(link_, &LinkLabel::activated, this, [] { OpenPage(PageRole::FullBranding); });

  cmdBack_ = new QPushButton(QStringLiteral("&Back"), picTop_);
  cmdBack_->setObjectName(QStringLiteral("cmdBack"));
  cmdExit_ = new QPushButton(QStringLiteral("E&xit"), picTop_);
  cmdExit_->setObjectName(QStringLiteral("cmdExit"));
  // One width for both, so that Back, placed by Exit's width, never overlaps Exit.
  const int buttonWidth =
      std::max({cmdBack_->sizeHint().width(), cmdExit_->sizeHint().width(), 88});
  for (QPushButton* button : {cmdBack_, cmdExit_}) {
    button->setFixedSize(buttonWidth, button->sizeHint().height());
    button->setPalette(QPalette());  // ordinary buttons on the coloured bar
  }
  connect(cmdBack_, &QPushButton::clicked, this, &Mdi::backRequested);
  connect(cmdExit_, &QPushButton::clicked, this, &Mdi::shutDownRequested);
  return picTop_;
}

void Mdi::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* back = file->addAction(QStringLiteral("&Back"));
  back->setObjectName(QStringLiteral("mnuBack"));
  QAction* exit = file->addAction(QStringLiteral("E&xit"));
  exit->setObjectName(QStringLiteral("mnuExit"));
  AddChartOutputMenuItems(file, exit, this, [this] { return frmDisplay_; });
  connect(back, &QAction::triggered, this, &Mdi::backRequested);
  connect(exit, &QAction::triggered, this, &Mdi::shutDownRequested);
  birthsMenu_ = AddBirthsMenuItems(this, file, exit);

  // New conventions chart the shown birth time again, in place.
  AddOptionsMenu(menuBar(), this, [this] {
    if (frmDisplay_ != nullptr) frmDisplay_->setConventions(LoadConventions());
  });
  AddHelpMenu(menuBar(), this, {"mnuHelpSep1", "mnuHelpSep2", "mm"},
              [this] { ShowAboutBox(this); });
}

void Mdi::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layOutTopBar();
}

void Mdi::layOutTopBar() {
  const int height = picTop_->height();
  const TopBarButtons place = PlaceTopBarButtons(width(), cmdExit_->width(), logicalDpiX());
  const int buttonY = (height - cmdExit_->height()) / 2;
  cmdExit_->move(place.exitX, buttonY);
  cmdBack_->move(place.backX, buttonY);

  picture_->move(kGap, (height - kPictureSide) / 2);
  title_->move(picture_->geometry().right() + kGap, (height - title_->height()) / 2);
  // Below the minimum size (a screen smaller than the frame) the title is cut short rather
  // than drawn under Back.
  const int titleRoom = std::max(0, place.backX - kGap - title_->x());
  title_->resize(std::min(title_->sizeHint().width(), titleRoom), title_->height());
  // The link fills what is left between the title and the buttons.
  const int linkX = title_->geometry().right() + 2 * kGap;
  const int linkWidth = std::max(0, place.backX - kGap - linkX);
  link_->setVisible(linkWidth >= 160);
  link_->setGeometry(linkX, 0, linkWidth, height);
}

bool Mdi::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_->viewport() && event->type() == QEvent::Resize) centreResultWindow();
  return QMainWindow::eventFilter(watched, event);
}

void Mdi::centreResultWindow() {
  // The result window fills the area but for a margin, so that an enlarged or maximised
  // frame gives its room to the chart; it never gets smaller than its contents allow, and
  // in an area smaller than that its top left corner stays in view.
  const QSize room = area_->viewport()->size() - QSize(2 * kGap, 2 * kGap);
  resultWindow_->resize(room.expandedTo(resultWindow_->minimumSizeHint()));
  const QSize spare = area_->viewport()->size() - resultWindow_->size();
  resultWindow_->move(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2));
}

void Mdi::closeEvent(QCloseEvent* event) {
  event->accept();
  Q_EMIT shutDownRequested();
}

}  // namespace velquor
