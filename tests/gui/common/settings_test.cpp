// The settings table against the settings file: each value is kept under the key the program
// has always used and in the form it always had, so that a user's settings survive; a
// missing or unknown value reads as the table's fallback.
#include "gui/common/settings.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QVariant>
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

}  // namespace
}  // namespace velquor
