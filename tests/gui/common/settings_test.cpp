// The settings table against the settings file: each value is kept under the key the program
// has always used and in the form it always had, so that a user's settings survive; a
// missing or unknown value reads as the table's fallback.
#include "gui/common/settings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QDir>
#include <QStandardPaths>
#include <QVariant>
#include <string>
#include <vector>

namespace velquor {
namespace {

QVariant Stored(const char* key) { return QSettings().value(QString::fromLatin1(key)); }

// Writes every value of `values` and reads it back, checks its stored form is its name,
// then checks a missing and an unknown name read as the fallback.
template <typename Value>
void ExpectKeptByName(const settings::Choice<Value>& setting, const std::vector<Value>& values) {
  SCOPED_TRACE(setting.key);
  for (const Value value : values) {
    settings::Write(setting, value);
    EXPECT_EQ(settings::Read(setting), value);
    EXPECT_EQ(Stored(setting.key).toString().toStdString(), NameOf(value));
  }
  QSettings().remove(QString::fromLatin1(setting.key));
  EXPECT_EQ(settings::Read(setting), setting.fallback);
  settings::WriteText(setting.key, "no-such-name");
  EXPECT_EQ(settings::Read(setting), setting.fallback);
  QSettings().remove(QString::fromLatin1(setting.key));
}

// A number reads back at each end of its range; beyond them, unreadable or missing it reads
// as the fallback.
TEST(Settings, ANumberIsKeptWithinItsRange) {
  const settings::Number& span = settings::kTimelineSpanMinutes;
  for (const int minutes : {span.first, 10, span.fallback, span.last}) {
    settings::Write(span, minutes);
    EXPECT_EQ(settings::Read(span), minutes);
    EXPECT_EQ(Stored(span.key).toInt(), minutes);
  }
  for (const int outside : {span.first - 1, span.last + 1, -60}) {
    settings::Write(span, outside);
    EXPECT_EQ(settings::Read(span), span.fallback) << outside;
  }
  settings::WriteText(span.key, "a while");
  EXPECT_EQ(settings::Read(span), span.fallback);
  QSettings().remove(QString::fromLatin1(span.key));
  EXPECT_EQ(settings::Read(span), span.fallback);
}

TEST(Settings, TheKeysAreTheOnesAlwaysWritten) {
  EXPECT_STREQ(settings::kEphemeris.key, "conventions/ephemeris");
  EXPECT_STREQ(settings::kSunrise.key, "conventions/sunrise");
  EXPECT_STREQ(settings::kPranapadaSun.key, "conventions/pranapada_sun");
  EXPECT_STREQ(settings::kAfterSunset.key, "conventions/after_sunset");
  EXPECT_STREQ(settings::kChartStyle.key, "chart/style");
  EXPECT_STREQ(settings::kRecentBirthIds.key, "births/recent");
  EXPECT_STREQ(settings::kTimelineSpanMinutes.key, "chart/span_minutes");
}

TEST(Settings, ChoicesAreKeptByNameAndFallBackToTheClassicDefaults) {
  const Conventions classic;
  EXPECT_EQ(settings::kEphemeris.fallback, classic.ephemeris);
  EXPECT_EQ(settings::kSunrise.fallback, classic.sunrise);
  EXPECT_EQ(settings::kPranapadaSun.fallback, classic.pranapadaSun);
  EXPECT_EQ(settings::kAfterSunset.fallback, classic.afterSunset);
  EXPECT_EQ(settings::kChartStyle.fallback, DiagramStyle::South);

  ExpectKeptByName(settings::kEphemeris,
                   {EphemerisConvention::Precise, EphemerisConvention::Classic});
  ExpectKeptByName(settings::kSunrise, {SunriseConvention::UpperLimb, SunriseConvention::DiscCentre,
                                        SunriseConvention::Classic});
  ExpectKeptByName(settings::kPranapadaSun,
                   {PranapadaSunConvention::AtBirth, PranapadaSunConvention::AtSunrise});
  ExpectKeptByName(settings::kAfterSunset,
                   {AfterSunsetConvention::FromSunrise, AfterSunsetConvention::ToNextSunrise});
  ExpectKeptByName(settings::kChartStyle,
                   std::vector<DiagramStyle>(kDiagramStyles.begin(), kDiagramStyles.end()));
}

TEST(Settings, IdListsAreKeptAsListsOfNumbers) {
  const settings::IdList& recent = settings::kRecentBirthIds;
  const std::vector<std::int64_t> ids = {42, 7, 5'000'000'000};
  settings::Write(recent, ids);
  EXPECT_EQ(settings::Read(recent), ids);
  const QVariantList stored = Stored(recent.key).toList();
  ASSERT_EQ(stored.size(), 3);
  EXPECT_EQ(stored[2].toLongLong(), 5'000'000'000);
  // A list written by an earlier version reads the same.
  QSettings().setValue(QString::fromLatin1(recent.key), QVariantList{3, 1});
  EXPECT_EQ(settings::Read(recent), (std::vector<std::int64_t>{3, 1}));
  QSettings().remove(QString::fromLatin1(recent.key));
  EXPECT_TRUE(settings::Read(recent).empty());
}

// Keeps the process's organisation name and restores it, with the settings file it names.
class OrganizationScope {
 public:
  OrganizationScope() : previous_(QCoreApplication::organizationName()) {}
  ~OrganizationScope() { QCoreApplication::setOrganizationName(previous_); }
  OrganizationScope(const OrganizationScope&) = delete;
  OrganizationScope& operator=(const OrganizationScope&) = delete;

 private:
  QString previous_;
};

// The settings of versions without an organisation name move into Velquor's own file on the
// first start, once; the old file stays as it was, and a later start copies nothing again.
TEST(Settings, TheOldFileIsCopiedIntoVelquorsOwnOnce) {
  const OrganizationScope scope;
  // The test program's private configuration folder (Qt reads its place once per process).
  const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  const QString newPath =
      config.filePath(QStringLiteral("Velquor/%1.conf").arg(QCoreApplication::applicationName()));
  QFile::remove(newPath);
  const QString oldPath = config.filePath(
      QStringLiteral("Unknown Organization/%1.conf").arg(QCoreApplication::applicationName()));
  {
    QSettings old(oldPath, QSettings::IniFormat);
    old.setValue(QString::fromLatin1(settings::kChartStyle.key), QStringLiteral("north"));
    old.setValue(QString::fromLatin1(settings::kEphemeris.key), QStringLiteral("precise"));
    old.setValue(QString::fromLatin1(settings::kRecentBirthIds.key), QVariantList{7, 3});
  }
  QFile oldFile(oldPath);
  ASSERT_TRUE(oldFile.open(QIODevice::ReadOnly));
  const QByteArray oldBytes = oldFile.readAll();
  oldFile.close();

  EXPECT_TRUE(settings::UseProgramSettings());
  EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Velquor"));
  EXPECT_EQ(
      QSettings().fileName(),
      config.filePath(QStringLiteral("Velquor/%1.conf").arg(QCoreApplication::applicationName())));
  EXPECT_EQ(settings::Read(settings::kChartStyle), DiagramStyle::North);
  EXPECT_EQ(settings::Read(settings::kEphemeris), EphemerisConvention::Precise);
  EXPECT_EQ(settings::Read(settings::kRecentBirthIds), (std::vector<std::int64_t>{7, 3}));
  ASSERT_TRUE(oldFile.open(QIODevice::ReadOnly));
  EXPECT_EQ(oldFile.readAll(), oldBytes);
  oldFile.close();

  // Changed since: the next start keeps the new value.
  settings::Write(settings::kChartStyle, DiagramStyle::East);
  EXPECT_FALSE(settings::UseProgramSettings());
  EXPECT_EQ(settings::Read(settings::kChartStyle), DiagramStyle::East);
  QSettings().clear();
  QFile::remove(oldPath);
}

// Stored values the table cannot read are named once, then hold their fallbacks; readable
// values, a single id among them, are left alone.
TEST(Settings, UnreadableValuesAreReportedOnceAndReset) {
  QSettings().clear();
  EXPECT_TRUE(settings::ResetUnreadableSettings().empty());
  settings::WriteText(settings::kChartStyle.key, "diagonal");
  settings::Write(settings::kSunrise, SunriseConvention::UpperLimb);
  settings::WriteText(settings::kAfterSunset.key, "");
  QSettings().setValue(QString::fromLatin1(settings::kRecentBirthIds.key),
                       QVariantList{QStringLiteral("4"), QStringLiteral("x")});
  const std::vector<std::string> reset = settings::ResetUnreadableSettings();
  EXPECT_EQ(reset,
            (std::vector<std::string>{"conventions/after_sunset: \"\"", "chart/style: \"diagonal\"",
                                      "births/recent: \"4,x\""}));
  EXPECT_EQ(settings::Read(settings::kChartStyle), DiagramStyle::South);
  EXPECT_EQ(Stored(settings::kChartStyle.key).toString(), QStringLiteral("south"));
  EXPECT_EQ(settings::Read(settings::kSunrise), SunriseConvention::UpperLimb);
  EXPECT_TRUE(settings::ResetUnreadableSettings().empty());  // once

  QSettings().setValue(QString::fromLatin1(settings::kRecentBirthIds.key), QVariantList{9});
  EXPECT_TRUE(settings::ResetUnreadableSettings().empty());
  EXPECT_EQ(settings::Read(settings::kRecentBirthIds), std::vector<std::int64_t>{9});
  QSettings().clear();
}

}  // namespace
}  // namespace velquor
