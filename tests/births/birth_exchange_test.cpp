#include "births/birth_exchange.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "births/batch_input.h"
#include "support/sample_saved_births.h"

namespace velquor {
namespace {

ReadBirths Read(const std::string& text, ExchangeFormat format) {
  std::istringstream in(text);
  return ReadBirthRecords(in, format);
}

std::string Exported(ExchangeFormat format) {
  std::string text;
  if (format == ExchangeFormat::Csv) AppendCsvHeader(text);
  for (const SavedBirth& saved : test::SampleSavedBirths()) {
    if (format == ExchangeFormat::Csv) {
      AppendBirthCsvRow(text, saved);
    } else {
      AppendBirthJsonLine(text, saved);
    }
  }
  return text;
}

TEST(BirthExchange, ExportThenReadGivesTheSameBirthsInBothFormats) {
  for (const ExchangeFormat format : {ExchangeFormat::JsonLines, ExchangeFormat::Csv}) {
    const ReadBirths read = Read(Exported(format), format);
    EXPECT_TRUE(read.refused.empty()) << read.refused.front().reason;
    EXPECT_EQ(read.births, test::SampleSavedBirths());
  }
}

TEST(BirthExchange, EachExportedLineIsABatchLine) {
  const std::vector<SavedBirth> births = test::SampleSavedBirths();
  std::istringstream lines(Exported(ExchangeFormat::JsonLines));
  std::string line;
  for (const SavedBirth& saved : births) {
    ASSERT_TRUE(std::getline(lines, line));
    const BatchBirth batch = ParseBatchLine(line);
    EXPECT_EQ(batch.birth, saved.birth);
    EXPECT_EQ(batch.conventions, saved.conventions);
    EXPECT_EQ(batch.note, saved.note);
  }
  // The set's name for a named set, the four choices for a mixture.
  EXPECT_NE(Exported(ExchangeFormat::JsonLines).find(R"("conventions":"modern")"),
            std::string::npos);
  EXPECT_NE(Exported(ExchangeFormat::JsonLines).find(R"("sunrise":"upper-limb")"),
            std::string::npos);
}

constexpr const char* kGood =
    R"({"name":"ASHA","year":1990,"month":8,"day":15,"hour":6,"minute":30,"zone":34,)"
    R"("lat_deg":28,"lat_min":37,"lon_deg":77,"lon_min":13})";

TEST(BirthExchange, RefusedJsonLinesSayWhyAndTheOthersAreKept) {
  const std::string text = std::string(kGood) + "\n" +  // 1
                           "{\"name\":\n" +             // 2
                           "\n" +                       // 3 blank
                           R"({"name":"B","year":2051,"month":1,"day":1,"hour":0,"minute":0,)"
                           R"("zone":1,"lat_deg":1,"lat_min":0,"lon_deg":1,"lon_min":0})"
                           "\n" +  // 4
                           R"({"name":"C","year":1999,"month":2,"day":29,"hour":0,"minute":0,)"
                           R"("zone":1,"lat_deg":1,"lat_min":0,"lon_deg":1,"lon_min":0})"
                           "\r\n" +  // 5
                           R"({"year":1990})"
                           "\n" +  // 6
                           std::string(kGood).replace(1, 0, R"("colour":"red",)") +
                           "\n" +  // 7
                           kGood;  // 8, no line end
  const ReadBirths read = Read(text, ExchangeFormat::JsonLines);
  ASSERT_EQ(read.births.size(), 2u);
  const std::vector<std::pair<std::uint64_t, std::string>> expected = {
      {2, "line: malformed JSON"},
      {4, "year: year 2051 is not within 1901 to 2050"},
      {5, "day: Please Enter Correct Date Or Month!"},
      {6, "name: missing"},
      {7, "colour: unknown key"},
  };
  ASSERT_EQ(read.refused.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(read.refused[i].line, expected[i].first);
    EXPECT_EQ(read.refused[i].reason.rfind(expected[i].second, 0), 0u) << read.refused[i].reason;
  }
}

TEST(BirthExchange, CsvRecordsAreRefusedOneByOne) {
  const std::string header =
      "name,year,month,day,hour,minute,zone,lat_deg,lat_min,lon_deg,lon_min,"
      "dst,conventions,note\n";
  const std::string text =
      header + "ASHA,1990,8,15,6,30,34,28,37,77,13,true,modern,\"two\nlines\"\n" +  // 2-3
      "B,1990,x,15,6,30,34,28,37,77,13,false,,\n" +                                 // 4
      "C,1990,8,15,6,30,34,28,37,77,13\n" +                                         // 5
      "D,1990,8,15,6,30,34,28,37,77,13,maybe,,\n" +                                 // 6
      "E,1990,8,15,6,30,34,28,37,77,13,false,sunrise=dawn,\n" +                     // 7
      "F,1990,8,15,6,30,34,28,37,77,13,false,moon=x,\n" +                           // 8
      "G,1990,8,15,,30,34,28,37,77,13,false,,\n" +                                  // 9
      ",,,,,,,,,,,,,\n" +                                                           // blank
      "H,1990,8,15,6,30,34,28,37,77,13,,sunrise=disc-centre,\n";                    // 11
  const ReadBirths read = Read(text, ExchangeFormat::Csv);
  ASSERT_EQ(read.births.size(), 2u);
  EXPECT_EQ(read.births[0].note, "two\nlines");
  EXPECT_EQ(read.births[0].conventions, ModernConventions());
  EXPECT_TRUE(read.births[0].birth.isDst);
  EXPECT_EQ(read.births[1].conventions.sunrise, SunriseConvention::DiscCentre);
  const std::vector<std::pair<std::uint64_t, std::string>> expected = {
      {4, "month: expected a whole number"}, {5, "line: expected 14 cells, found 11"},
      {6, "dst: expected true or false"},    {7, "conventions.sunrise: unknown value \"dawn\""},
      {8, "conventions.moon: unknown key"},  {9, "hour: missing"},
  };
  ASSERT_EQ(read.refused.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(read.refused[i].line, expected[i].first);
    EXPECT_EQ(read.refused[i].reason.rfind(expected[i].second, 0), 0u) << read.refused[i].reason;
  }
}

TEST(BirthExchange, AFaultyCsvHeaderIsRefusedAlone) {
  const struct {
    const char* header;
    const char* reason;
  } cases[] = {
      {"name,year,month,day,hour,minute,zone,lat_deg,lat_min,lon_deg", "lon_min: missing"},
      {"name,year,month,day,hour,minute,zone,lat_deg,lat_min,lon_deg,lon_min,colour",
       "colour: unknown key"},
      {"name,name,year,month,day,hour,minute,zone,lat_deg,lat_min,lon_deg,lon_min",
       "name: repeated"},
  };
  for (const auto& c : cases) {
    const ReadBirths read =
        Read(std::string(c.header) + "\nA,1990,8,15,6,30,34,28,37,77,13\n", ExchangeFormat::Csv);
    EXPECT_TRUE(read.births.empty());
    ASSERT_EQ(read.refused.size(), 1u);
    EXPECT_EQ(read.refused[0].line, 1u);
    EXPECT_EQ(read.refused[0].reason.rfind(c.reason, 0), 0u) << read.refused[0].reason;
  }
}

TEST(BirthExchange, FormatOfFileName) {
  EXPECT_EQ(FormatOfFileName("births.csv"), ExchangeFormat::Csv);
  EXPECT_EQ(FormatOfFileName("BIRTHS.CSV"), ExchangeFormat::Csv);
  EXPECT_EQ(FormatOfFileName("births.jsonl"), ExchangeFormat::JsonLines);
  EXPECT_EQ(FormatOfFileName("csv"), ExchangeFormat::JsonLines);
  EXPECT_EQ(FormatOfFileName(""), ExchangeFormat::JsonLines);
}

}  // namespace
}  // namespace velquor
