#include "gui/common/links.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QtDebug>
#include <stdexcept>

#include "gui/common/page_addresses.h"

namespace velquor {

namespace {

QUrl WebAddress(PageRole role) {
  switch (role) {
    case PageRole::OnlineHelp:
      return QUrl(QString::fromUtf8(build::kOnlineHelpUrl));
    case PageRole::HomePage:
      return QUrl(QString::fromUtf8(build::kHomePageUrl));
    case PageRole::Update:
      return QUrl(QString::fromUtf8(build::kDownloadUrl));
    case PageRole::Donate:
      return QUrl(QString::fromUtf8(build::kDonateUrl));
    case PageRole::CoBranding:
      return QUrl(QString::fromUtf8(build::kCoBrandingUrl));
    case PageRole::FullBranding:
      return QUrl(QString::fromUtf8(build::kFullBrandingUrl));
  }
  throw std::logic_error("unknown page role");
}

}  // namespace

QString FindHelpPage(const QString& programDir) {
  const QFileInfo page(QDir(programDir).filePath(QString::fromUtf8(build::kHelpPageFromProgram)));
  return page.isFile() ? page.canonicalFilePath() : QString();
}

QUrl PageUrl(PageRole role) {
  if (role == PageRole::OnlineHelp) {
    const QString page = FindHelpPage(QCoreApplication::applicationDirPath());
    if (!page.isEmpty()) return QUrl::fromLocalFile(page);
    qWarning("The help page is not installed beside the program; opening the online help.");
  }
  return WebAddress(role);
}

bool OpenPage(PageRole role) {
  const QUrl url = PageUrl(role);
  if (QDesktopServices::openUrl(url)) return true;
  qWarning() << "No program could be started to show" << url.toString();
  return false;
}

}  // namespace velquor
