#include "gui/entry/place_search.h"

#include <QDesktopServices>
#include <stdexcept>

#include "gui/common/page_addresses.h"

namespace velquor {

QUrl WebSearchUrl(const QString& query) {
  // Every character outside the unreserved set is percent-encoded, so "&", "#", "+" and
  // letters such as "ã" in a place name stay part of the query.
  const QByteArray encoded = QUrl::toPercentEncoding(query);
  return QUrl(QString::fromUtf8(build::kPlaceSearchUrl) + QString::fromLatin1(encoded),
              QUrl::StrictMode);
}

// A web search shows the search engine's page, so it has no use for the home page.
void WebPlaceSearch::search(const QString& query, const QUrl& /*homePage*/) {
  const QUrl url = WebSearchUrl(query);
  if (!QDesktopServices::openUrl(url))
    throw std::runtime_error("no web browser could be started for the place search");
}

}  // namespace velquor
