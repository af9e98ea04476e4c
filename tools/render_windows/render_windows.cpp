// Renders the program's windows to PNG files for a look at the layout without a display:
// the birth-data form with a sample entry, the place search for its place, the result frame
// with that entry's chart, the result window alone (as charted, with the birth time moved
// by keys and its band's tooltip, over the widest span, and moved into a polar night; in
// the North- and East-Indian styles, with its printed page in every style and the print
// preview), the
// about box, and the form and the frame at 640×480, 1400×1000 and maximised with long names.
//
//   render_windows OUTPUT_FOLDER
//
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise; QT_SCALE_FACTOR=2
// shows the windows as on a high-density screen.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>
#include <cstdio>
#include <stdexcept>
#include <utility>

#include "births/birth_store.h"
#include "chart/chart_run.h"
#include "gui/app/app_shell.h"
#include "gui/app/frm_about.h"
#include "gui/app/frm_main.h"
#include "gui/app/mdi.h"
#include "gui/births/open_birth_dialog.h"
#include "gui/common/message_boxes.h"
#include "gui/conventions/conventions_dialog.h"
#include "gui/entry/place_search_dialog.h"
#include "gui/result/birth_time_strip.h"
#include "gui/result/chart_printing.h"
#include "gui/result/frm_display.h"
#include "render/page_export.h"

namespace {

// A message during the rendering means the sample did not produce a chart.
class FailOnMessage final : public velquor::MessageBoxes {
 public:
  void show(QWidget*, const QString& text, velquor::MessageIcon) override {
    throw std::runtime_error("unexpected message: " + text.toStdString());
  }
};

struct Typed {
  const char* box;
  const char* text;
};
struct Picked {
  const char* list;
  int index;
};

constexpr Typed kSampleTexts[] = {
    {"txtName", "ASHA RAO"},  {"txtMCity", "NEW DELHI"}, {"txtMState", "DELHI"},
    {"txtMCountry", "INDIA"}, {"txtLonD", "77"},         {"txtLonM", "12"},
    {"txtLatD", "28"},        {"txtLatM", "36"},
};
constexpr Picked kSampleChoices[] = {
    {"cboDate", 14}, {"cboMonth", 7}, {"cboYear", 1990 - 1901}, {"cboHH", 6},
    {"cboMM", 30},   {"cboSS", 15},   {"cmbTimeZone", 34},  // "Indian Time, IST, +5.3"
};

template <typename T>
T& Child(const QWidget& root, const char* name) {
  T* child = root.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) throw std::runtime_error(std::string("no control named ") + name);
  return *child;
}

void Save(QWidget& window, const QDir& folder, const QString& file) {
  const QString path = folder.filePath(file);
  if (!window.grab().save(path)) throw std::runtime_error("cannot write " + path.toStdString());
  std::printf("%s\n", path.toLocal8Bit().constData());
}

void Save(QWidget& window, const QDir& folder, const char* file) {
  Save(window, folder, QString::fromLatin1(file));
}

void Key(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(&widget, &press);
  QApplication::processEvents();
}

// The tooltip of the strip's band at the birth line, as its own window.
void RenderStripTooltip(velquor::BirthTimeStrip& strip, const QDir& folder) {
  const QPoint at(strip.width() / 2, 24);
  QHelpEvent help(QEvent::ToolTip, at, strip.mapToGlobal(at));
  QApplication::sendEvent(&strip, &help);
  QApplication::processEvents();
  QWidget* tip = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->objectName() == QStringLiteral("qtooltip_label") && top->isVisible()) tip = top;
  if (tip == nullptr) throw std::runtime_error("the strip showed no tooltip");
  Save(*tip, folder, "stripTooltip.png");
}

// The result window in the North- and East-Indian styles, and the printed page of its chart
// in every style as PNG files at 100 dpi ("page<Style>.png").
void RenderChartStyles(velquor::FrmDisplay& window, const QDir& folder) {
  for (velquor::DiagramStyle style : velquor::kDiagramStyles) {
    const std::string_view name = velquor::NameOf(style);
    const QString suffix = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    window.setDiagramStyle(style);
    QApplication::processEvents();
    if (style != velquor::DiagramStyle::South)
      Save(window, folder, QStringLiteral("frmDisplay_") + suffix + QStringLiteral(".png"));
    velquor::PageOptions options;
    options.style = style;
    options.pngDpi = 100;
    const QString page = folder.filePath(QStringLiteral("page_") + suffix + QStringLiteral(".png"));
    velquor::ExportChartPage(page, *window.shownChart(), options);
    std::printf("%s\n", page.toLocal8Bit().constData());
  }
  // The print preview of the North-Indian page, as File → Print Preview… shows it.
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, &window);
  const velquor::ChartResult chart = *window.shownChart();
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&chart](QPrinter* shown) {
                     velquor::PrintChartPage(*shown, chart, velquor::DiagramStyle::North);
                   });
  preview.resize(900, 1000);
  preview.show();
  QApplication::processEvents();
  Save(preview, folder, "dlgPrintPreview.png");
  preview.reject();
  window.setDiagramStyle(velquor::DiagramStyle::South);
}

// The result window with the Navamsa chosen, South- and North-Indian.
void RenderNavamsa(velquor::FrmDisplay& window, const QDir& folder) {
  const velquor::DiagramStyle style = window.diagramStyle();
  window.setVarga(velquor::Varga::D9);
  for (velquor::DiagramStyle shown : {velquor::DiagramStyle::South, velquor::DiagramStyle::North}) {
    const std::string_view name = velquor::NameOf(shown);
    window.setDiagramStyle(shown);
    QApplication::processEvents();
    Save(window, folder,
         QStringLiteral("frmDisplay_D9_") +
             QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
             QStringLiteral(".png"));
  }
  auto& tags = Child<QCheckBox>(window, "chkLagnaTags");
  tags.setChecked(true);
  window.setDiagramStyle(velquor::DiagramStyle::South);
  QApplication::processEvents();
  Save(window, folder, "frmDisplay_D9_tags.png");
  tags.setChecked(false);
  window.setVarga(velquor::Varga::D1);
  window.setDiagramStyle(style);
}

// The result window alone: as charted, its birth time moved on the strip by keys, the
// widest span, and a birth moved from the last sunset before a polar night into it.
void RenderResultWindow(velquor::FrmDisplay& window, const QDir& folder) {
  QApplication::processEvents();
  Save(window, folder, "frmDisplay.png");
  auto& strip = Child<velquor::BirthTimeStrip>(window, "birthTimeStrip");
  strip.setFocus();
  Key(strip, Qt::Key_PageDown);
  Key(strip, Qt::Key_PageDown);
  Key(strip, Qt::Key_Right, Qt::ShiftModifier);
  Key(strip, Qt::Key_Right);
  Save(window, folder, "frmDisplayMoved.png");
  RenderStripTooltip(strip, folder);
  Child<QComboBox>(window, "cmbSpan").setCurrentIndex(4);
  QApplication::processEvents();
  Save(window, folder, "frmDisplayWholeDay.png");
  window.setConventions(velquor::ModernConventions());
  QApplication::processEvents();
  Save(window, folder, "frmDisplayModern.png");
  RenderChartStyles(window, folder);
  RenderNavamsa(window, folder);
}

void RenderPolarNight(const QDir& folder) {
  velquor::BirthData birth;
  birth.personName = "TROMSO";
  birth.yearNumber = 2000;
  birth.monthNumber = 11;
  birth.dayNumber = 27;
  birth.hourNumber = 11;
  birth.minuteNumber = 30;
  birth.latDegrees = 69;
  birth.latMinutes = 39;
  birth.lonDegrees = 18;
  birth.lonMinutes = 57;
  birth.cityText = "TROMSO";
  birth.countryText = "NORWAY";
  birth.zoneIndex = 20;  // Central European Time
  const velquor::ChartOutcome outcome = velquor::RunChart(birth);
  if (!outcome.chart) throw std::runtime_error("the polar sample gave no chart");
  velquor::Mdi frame;
  frame.showChart(*outcome.chart);
  frame.show();
  velquor::FrmDisplay& window = *frame.frmDisplay();
  Child<QComboBox>(window, "cmbSpan").setCurrentIndex(2);
  auto& strip = Child<velquor::BirthTimeStrip>(window, "birthTimeStrip");
  strip.setFocus();
  Key(strip, Qt::Key_End);
  QApplication::processEvents();
  Save(window, folder, "frmDisplayPolar.png");
}

// The frame at the screen sizes of common laptops and desktops, with the crowded sign of a
// Chennai birth on the eclipse of 26 December 2019 (six bodies and "Asc" in Sagittarius), in
// every style: "MDICrowded<width>x<height>_<style>.png"; and its page.
void RenderCrowded(const QDir& folder) {
  velquor::BirthData birth;
  birth.personName = "CROWDED SIGN";
  birth.yearNumber = 2019;
  birth.monthNumber = 12;
  birth.dayNumber = 26;
  birth.hourNumber = 7;
  birth.latDegrees = 13;
  birth.latMinutes = 5;
  birth.lonDegrees = 80;
  birth.lonMinutes = 17;
  birth.cityText = "CHENNAI";
  birth.stateText = "TAMIL NADU";
  birth.countryText = "INDIA";
  birth.zoneIndex = 34;  // Indian Time
  const velquor::ChartOutcome outcome = velquor::RunChart(birth);
  if (!outcome.chart) throw std::runtime_error("the crowded sample gave no chart");
  velquor::Mdi frame;
  frame.showChart(*outcome.chart);
  frame.show();
  velquor::FrmDisplay& window = *frame.frmDisplay();
  const QSize sizes[] = {{1366, 768}, {1280, 800}, {1400, 1000}, {1920, 1080}};
  for (const QSize& size : sizes) {
    frame.resize(size);
    for (velquor::DiagramStyle style : velquor::kDiagramStyles) {
      window.setDiagramStyle(style);
      for (int pass = 0; pass < 3; ++pass) QApplication::processEvents();
      Save(frame, folder,
           QStringLiteral("MDICrowded%1x%2_%3.png")
               .arg(size.width())
               .arg(size.height())
               .arg(QString::fromLatin1(velquor::NameOf(style).data())));
    }
  }
  window.setDiagramStyle(velquor::DiagramStyle::South);
  // And its printed page in every style, "pageCrowded_<style>.png" at 100 dpi.
  for (velquor::DiagramStyle style : velquor::kDiagramStyles) {
    velquor::PageOptions options;
    options.style = style;
    options.pngDpi = 100;
    const QString page =
        folder.filePath(QStringLiteral("pageCrowded_%1.png")
                            .arg(QString::fromLatin1(velquor::NameOf(style).data())));
    velquor::ExportChartPage(page, *outcome.chart, options);
    std::printf("%s\n", page.toLocal8Bit().constData());
  }
}

// The place search opened by the form's button, once the atlas has been read and searched.
void RenderPlaceSearch(velquor::FrmMain& form, const QDir& folder) {
  form.cmdBrowser_Click();
  auto* search = form.findChild<velquor::PlaceSearchDialog*>();
  if (search == nullptr) throw std::runtime_error("the place look-up opened no place search");
  auto& places = Child<QTreeWidget>(*search, "lstPlaces");
  const QDeadlineTimer deadline(20000);
  while (places.topLevelItemCount() == 0 && !deadline.hasExpired())
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  if (places.topLevelItemCount() == 0)
    throw std::runtime_error("the place search found nothing for the sample place");
  Save(*search, folder, "frmPlaceSearch.png");
  search->reject();
}

// A window at each size: "<stem>640x480.png", "<stem>1400x1000.png", "<stem>Max.png".
void RenderSizes(QWidget& window, const QDir& folder, const QString& stem) {
  const std::pair<const char*, QSize> sizes[] = {
      {"640x480", {640, 480}}, {"1400x1000", {1400, 1000}}, {"Max", {}}};
  for (const auto& [suffix, size] : sizes) {
    window.showNormal();
    if (size.isEmpty())
      window.showMaximized();
    else
      window.resize(size);
    QApplication::processEvents();
    Save(window, folder, stem + QString::fromLatin1(suffix) + QStringLiteral(".png"));
  }
  window.showNormal();
}

// The frame as charted with a long name and with a 180-character one, then at each size;
// the form at each size.
void RenderLongNames(velquor::AppShell& shell, const QDir& folder) {
  const QString longName = QStringLiteral("SRI VENKATA SATYANARAYANA MURTHY CHANDRASEKHARA SARMA");
  QString veryLongName;
  while (veryLongName.size() < 180) veryLongName += longName + QLatin1Char(' ');
  veryLongName.truncate(180);
  velquor::FrmMain& form = shell.frmMain();
  const std::pair<const char*, QString> names[] = {{"Long", longName}, {"VeryLong", veryLongName}};
  for (const auto& [stem, name] : names) {
    form.show();
    Child<QLineEdit>(form, "txtName").setText(name);
    form.cmdRashi_Click();
    velquor::Mdi* frame = shell.mdi();
    if (frame == nullptr) throw std::runtime_error("the long name did not open the frame");
    QApplication::processEvents();
    const QString file = QStringLiteral("MDI") + QString::fromLatin1(stem);
    Save(*frame, folder, file + QStringLiteral(".png"));
    RenderSizes(*frame, folder, file);
  }
  form.show();
  RenderSizes(form, folder, QStringLiteral("frmMain"));
}

// The place search for a clock time that happened twice, asking which reading was meant.
void RenderRepeatedHour(velquor::FrmMain& form, const QDir& folder) {
  velquor::PlaceSearchDialog search(
      velquor::SystemAtlas(),
      {QStringLiteral("London"), QStringLiteral("England"), QString(), {2024, 10, 27, 1, 30, 0}},
      velquor::PlaceFormFields::FindIn(&form), [](const QString&) {}, &form);
  search.show();
  auto& places = Child<QTreeWidget>(search, "lstPlaces");
  const QDeadlineTimer deadline(20000);
  while (places.topLevelItemCount() == 0 && !deadline.hasExpired())
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  if (places.topLevelItemCount() == 0)
    throw std::runtime_error("the place search found nothing for London");
  QApplication::processEvents();
  Save(search, folder, "frmPlaceSearchRepeatedHour.png");
}

// The Open Birth dialog over a database of a few births (in a temporary folder), with all of
// them and narrowed by a typed word; and the form's File menu with its saved-birth items.
void RenderSavedBirths(velquor::FrmMain& form, QWidget* parent, const QDir& folder) {
  QTemporaryDir data;
  velquor::BirthStore store(data.filePath(QStringLiteral("births.sqlite")));
  struct Sample {
    const char* name;
    int year, month, day, hour, minute;
    const char* city;
    const char* state;
    const char* country;
    const char* note;
  };
  constexpr Sample kSamples[] = {
      {"ASHA RAO", 1990, 8, 15, 6, 30, "New Delhi", "Delhi", "India", "Client since 2019"},
      {"RAVI SHANKAR MENON", 1962, 1, 4, 23, 5, "Thiruvananthapuram", "Kerala", "India", ""},
      {"MARIA JOSÉ GONÇALVES", 1978, 11, 30, 12, 0, "São Paulo", "SP", "Brazil",
       "Rectified from 12:10"},
      {"JOHN SMITH", 2001, 9, 11, 8, 46, "New York", "NY", "United States", ""},
      {"DEVI", 1949, 2, 28, 4, 15, "Varanasi", "Uttar Pradesh", "India", ""},
  };
  for (const Sample& sample : kSamples) {
    velquor::BirthData birth;
    birth.personName = sample.name;
    birth.yearNumber = sample.year;
    birth.monthNumber = sample.month;
    birth.dayNumber = sample.day;
    birth.hourNumber = sample.hour;
    birth.minuteNumber = sample.minute;
    birth.cityText = sample.city;
    birth.stateText = sample.state;
    birth.countryText = sample.country;
    store.setNote(store.save(birth, velquor::ClassicConventions()), sample.note);
  }
  std::vector<velquor::SavedBirth> deleted;
  velquor::OpenBirthDialog dialog(store, deleted, parent);
  dialog.show();
  QApplication::processEvents();
  Save(dialog, folder, "dlgOpenBirth.png");
  Child<QLineEdit>(dialog, "txtFindBirth").setText(QStringLiteral("india"));
  QApplication::processEvents();
  Save(dialog, folder, "dlgOpenBirthFiltered.png");
  dialog.reject();

  QMenu& file = Child<QMenu>(form, "mnuFile");
  file.popup(form.mapToGlobal(QPoint(0, 0)));
  QApplication::processEvents();
  Save(file, folder, "frmMainFileMenu.png");
  file.hide();
}

void Render(const QDir& folder) {
  velquor::AppShell shell;
  shell.start();
  velquor::FrmMain& form = shell.frmMain();
  for (const Typed& typed : kSampleTexts)
    Child<QLineEdit>(form, typed.box).setText(QString::fromLatin1(typed.text));
  for (const Picked& picked : kSampleChoices)
    Child<QComboBox>(form, picked.list).setCurrentIndex(picked.index);
  QApplication::processEvents();
  Save(form, folder, "frmMain.png");
  RenderPlaceSearch(form, folder);
  RenderRepeatedHour(form, folder);

  form.cmdRashi_Click();
  velquor::Mdi* frame = shell.mdi();
  if (frame == nullptr) throw std::runtime_error("the sample chart did not open the frame");
  // The offscreen screen is small; show the frame as on a common laptop screen.
  frame->resize(1300, 700);
  QApplication::processEvents();
  Save(*frame, folder, "MDI.png");
  RenderResultWindow(*frame->frmDisplay(), folder);
  RenderPolarNight(folder);
  RenderCrowded(folder);

  velquor::FrmAbout about(frame);
  about.show();
  QApplication::processEvents();
  Save(about, folder, "frmAbout.png");

  velquor::ConventionsDialog conventions(velquor::ModernConventions(), frame);
  conventions.show();
  QApplication::processEvents();
  Save(conventions, folder, "dlgConventions.png");
  conventions.reject();
  about.reject();

  RenderSavedBirths(form, frame, folder);
  RenderLongNames(shell, folder);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_windows OUTPUT_FOLDER\n");
    return 2;
  }
  FailOnMessage failOnMessage;
  velquor::ReplaceMessageBoxes(&failOnMessage);
  try {
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
      throw std::runtime_error("cannot create the output folder");
    Render(folder);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "render_windows: %s\n", e.what());
    return 1;
  }
  return 0;
}
