#include "gui/app/frm_about.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/link_label.h"
#include "gui/common/links.h"
#include "gui/common/message_boxes.h"
#include "gui/common/named_widget.h"
#include "gui/common/program_icon.h"
#include "gui/common/program_title.h"
#include "gui/common/scaled_font.h"
#include "gui/common/text_colour.h"

namespace velquor {

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  const QString title = QString::fromUtf8(kProgramTitle);
  setWindowTitle(title);
  setWindowIcon(ProgramIcon());
  setModal(true);

  auto* picIcon = Named<ProgramPicture>("picIcon", 72);
  auto* titleLabel = Named<QLabel>("Label2", title);
  titleLabel->setFont(ScaledFont(titleLabel->font(), 1.6, Weight::Bold));

  auto* tagline = new QLabel(tr("Pranapada Lagna and the sidereal birth chart"));
  MuteText(tagline);

  auto* lblHomePage = Named<LinkLabel>("lblHomePage", PageUrl(PageRole::HomePage).toString());
  auto* label3 = Named<QLabel>(
      "Label3",
      QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                     "online. Get this software fully branded for your website. "));
  label3->setWordWrap(true);
  auto* lblCoBrand = Named<LinkLabel>("lblCoBrand", QStringLiteral("Click here for more details."));

  // The licence, and the credit the atlas's data asks for (CC BY 4.0).
  auto* lblLicence = Named<QLabel>(
      "lblLicence",
      tr("Free software under the GNU General Public License, version 3 or later. Place data "
         "© GeoNames (geonames.org), CC BY 4.0."));
  lblLicence->setWordWrap(true);
  lblLicence->setFixedWidth(340);
  MuteText(lblLicence);

  auto* cmdOK = Named<QPushButton>("cmdOK", QStringLiteral("Ok"));
  cmdOK->setDefault(true);

  auto* text = new QVBoxLayout;
  text->addWidget(titleLabel);
  text->addWidget(tagline);
  text->addWidget(lblHomePage);
  text->addSpacing(12);
  text->addWidget(label3);
  text->addWidget(lblCoBrand);
  text->addSpacing(12);
  text->addWidget(lblLicence);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(20, 20, 20, 16);
  layout->setHorizontalSpacing(20);
  layout->addWidget(picIcon, 0, 0, Qt::AlignTop);
  layout->addLayout(text, 0, 1);
  layout->addWidget(cmdOK, 1, 1, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  label3->setFixedWidth(340);

  ConnectGuarded(lblHomePage, &LinkLabel::activated, this, [] { OpenPage(PageRole::HomePage); });
  ConnectGuarded(lblCoBrand, &LinkLabel::activated, this, [] { OpenPage(PageRole::FullBranding); });
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  // The box opens on Ok, so that Enter closes it like Esc; the links are a Tab away.
  cmdOK->setFocus(Qt::OtherFocusReason);
}

void ShowAboutBox(QWidget* parent) {
  FrmAbout about(parent);
  about.exec();
}

}  // namespace velquor
