// The web place search: the query must reach the search engine unchanged, whatever
// characters the place names hold.
#include <gtest/gtest.h>

#include <QUrlQuery>

#include "gui/entry/place_search.h"
#include "support/gui_test_support.h"

namespace velquor {
namespace {

TEST(WebPlaceSearch, QueryIsEncodedAndComesBackUnchanged) {
  const char* queries[] = {
      "PARIS   FRANCE Latitude Longitude",
      "SAO PAULO SP BRAZIL Latitude Longitude",
      "St. John's NL Canada Latitude Longitude",
      "A&B #1 +x=y%20 Latitude Longitude",
      "São Tomé Água Grande São Tomé e Príncipe Latitude Longitude",
  };
  for (const char* text : queries) {
    const QString query = QString::fromUtf8(text);
    test::OpenedPages pages;
    WebPlaceSearch().search(query, QUrl(QStringLiteral("https://velquor.example/")));
    ASSERT_EQ(pages.urls.size(), 1u) << text;
    const QUrl& url = pages.urls[0];
    EXPECT_TRUE(url.isValid()) << text;
    const QString encoded = url.toString(QUrl::FullyEncoded);
    const QString encodedQuery = encoded.mid(encoded.indexOf(u'=') + 1);
    for (QChar raw : {u' ', u'&', u'#', u'+', u'='})
      EXPECT_FALSE(encodedQuery.contains(raw)) << text << " keeps a raw " << raw.toLatin1();
    EXPECT_EQ(QUrl::fromPercentEncoding(encodedQuery.toLatin1()), query);
  }
}

TEST(WebPlaceSearch, NoBrowserIsAnError) {
  // Offscreen there is no desktop to open addresses; without a handler the search fails.
  EXPECT_THROW(WebPlaceSearch().search(QStringLiteral("X Y Z Latitude Longitude"), QUrl()),
               std::runtime_error);
}

}  // namespace
}  // namespace velquor
