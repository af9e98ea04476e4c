#include "births/birth_exchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>
#include <random>
#include <sstream>
#include <string>
#include <streambuf>

#include "births/record_limits.h"

#include "births/batch_input.h"
#include "births/entered_time.h"
#include "births/input_error.h"
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

// The samples with two of them rectified: ASHA moved seven minutes on, JOHN O moved over
// the turn of the year from the time first entered.
std::vector<SavedBirth> RectifiedSamples() {
  std::vector<SavedBirth> births = test::SampleSavedBirths();
  births[0].enteredTime = LocalDateTime{1985, 3, 21, 10, 38, 0};
  births[2].enteredTime = LocalDateTime{1900, 12, 31, 23, 58, 30};
  return births;
}

std::string Exported(ExchangeFormat format, const std::vector<SavedBirth>& births) {
  std::string text;
  if (format == ExchangeFormat::Csv) AppendCsvHeader(text);
  for (const SavedBirth& saved : births) {
    if (format == ExchangeFormat::Csv) {
      AppendBirthCsvRow(text, saved);
    } else {
      AppendBirthJsonLine(text, saved);
    }
  }
  return text;
}

TEST(BirthExchange, RectifiedAndPlainBirthsComeBackWithTheirEnteredTimesInBothFormats) {
  const std::vector<SavedBirth> births = RectifiedSamples();
  for (const ExchangeFormat format : {ExchangeFormat::JsonLines, ExchangeFormat::Csv}) {
    const std::string text = Exported(format, births);
    const ReadBirths read = Read(text, format);
    ASSERT_TRUE(read.refused.empty()) << read.refused.front().reason;
    EXPECT_EQ(read.births, births);
    // Exported again, the births give the same bytes.
    EXPECT_EQ(Exported(format, read.births), text);
  }
}

TEST(BirthExchange, APlainBirthExportsAsBeforeAndOnlyARectifiedOneNamesItsEnteredTime) {
  const std::vector<SavedBirth> plain = test::SampleSavedBirths();
  std::string line;
  AppendBirthJsonLine(line, plain[0]);
  EXPECT_EQ(line,
            R"({"name":"ASHA MEHTA","year":1985,"month":3,"day":21,"hour":10,"minute":45,)"
            R"("second":0,"zone":34,"lat_deg":28,"lat_min":37,"south":false,"lon_deg":77,)"
            R"("lon_min":13,"east":true,"dst":false,"city":"New Delhi","state":"Delhi",)"
            R"("country":"India","conventions":"classic","note":""})"
            "\n");
  EXPECT_EQ(Exported(ExchangeFormat::JsonLines).find("entered_time"), std::string::npos);
  // A rectified birth's line is the plain line with the entered time at its end.
  std::string rectified;
  AppendBirthJsonLine(rectified, RectifiedSamples()[0]);
  EXPECT_EQ(rectified, line.substr(0, line.size() - 2) +
                           R"(,"entered_time":"1985-03-21T10:38:00"})" + "\n");
  // In CSV the plain birth's cell is empty: its row is the row of before and a comma.
  std::string header, row;
  AppendCsvHeader(header);
  AppendBirthCsvRow(row, plain[0]);
  EXPECT_EQ(header.substr(header.size() - 20), ",note,entered_time\r\n");
  EXPECT_EQ(row.substr(row.size() - 11), "classic,,\r\n");
}

TEST(BirthExchange, EachRectifiedLineIsABatchLineCarryingItsEnteredTime) {
  const std::vector<SavedBirth> births = RectifiedSamples();
  std::istringstream lines(Exported(ExchangeFormat::JsonLines, births));
  std::string line;
  for (const SavedBirth& saved : births) {
    ASSERT_TRUE(std::getline(lines, line));
    const BatchBirth batch = ParseBatchLine(line);
    EXPECT_EQ(batch.birth, saved.birth);
    EXPECT_EQ(batch.note, saved.note);
    EXPECT_EQ(batch.enteredTime, saved.enteredTime);
  }
}

TEST(BirthExchange, ACsvExportedBeforeTheEnteredTimeImportsWithNone) {
  // The older export: the same records without their last cell. Every record ends with
  // CRLF, and no sample's text holds one, so each record's last comma is the entered time's.
  const std::string text = Exported(ExchangeFormat::Csv, RectifiedSamples());
  std::string older;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    const std::string record = text.substr(start, end - start);
    older += record.substr(0, record.rfind(',')) + "\r\n";
  }
  ASSERT_EQ(older.find("entered_time"), std::string::npos);
  const ReadBirths read = Read(older, ExchangeFormat::Csv);
  ASSERT_TRUE(read.refused.empty()) << read.refused.front().reason;
  EXPECT_EQ(read.births, test::SampleSavedBirths());
  // The column may stand anywhere in the header.
  const ReadBirths moved =
      Read("entered_time,name,year,month,day,hour,minute,zone,lat_deg,lat_min,lon_deg,lon_min\n"
           "1990-08-15T06:31:00,A,1990,8,15,6,30,34,28,37,77,13\n"
           ",B,1990,8,15,6,30,34,28,37,77,13\n",
           ExchangeFormat::Csv);
  ASSERT_EQ(moved.births.size(), 2u);
  EXPECT_EQ(moved.births[0].enteredTime, (LocalDateTime{1990, 8, 15, 6, 31, 0}));
  EXPECT_EQ(moved.births[1].enteredTime, std::nullopt);
}

TEST(BirthExchange, ABadEnteredTimeIsRefusedWithItsLineInBothFormats) {
  const char* const bad[] = {
      "1985-03-21 10:45:00", "1985-03-21T10:45",    "85-03-21T10:45:00",  "1985-3-21T10:45:00",
      "1985-02-29T10:45:00", "1985-13-01T10:45:00", "1985-03-21T24:00:00", "1985-03-21T10:60:00",
      "1985-03-21T10:45:60", "0000-01-01T00:00:00", "1985-03-21T10:45:00Z", "+985-03-21T10:45:00",
      "1985-03-21t10:45:00", "now",
  };
  const std::string good = R"({"name":"A","year":1990,"month":8,"day":15,"hour":6,"minute":30,)"
                           R"("zone":34,"lat_deg":28,"lat_min":37,"lon_deg":77,"lon_min":13)";
  const std::string csvHeader =
      "name,year,month,day,hour,minute,zone,lat_deg,lat_min,lon_deg,lon_min,entered_time\n";
  const std::string csvGood = "A,1990,8,15,6,30,34,28,37,77,13,1990-08-15T06:31:00\n";
  for (const char* value : bad) {
    const std::string json = good + "}\n" + good + R"(,"entered_time":")" + value + "\"}\n";
    const std::string csv = csvHeader + csvGood + "B,1990,8,15,6,30,34,28,37,77,13," + value + "\n";
    for (const auto& [text, format] : {std::pair{json, ExchangeFormat::JsonLines},
                                       std::pair{csv, ExchangeFormat::Csv}}) {
      const ReadBirths read = Read(text, format);
      EXPECT_EQ(read.births.size(), 1u) << value;
      ASSERT_EQ(read.refused.size(), 1u) << value;
      // The second birth: line 2 of the JSON Lines, line 3 of the CSV after its header.
      EXPECT_EQ(read.refused[0].line, format == ExchangeFormat::Csv ? 3u : 2u) << value;
      EXPECT_EQ(read.refused[0].reason,
                "entered_time: expected a date and time as YYYY-MM-DDTHH:MM:SS")
          << value;
    }
  }
  // In JSON a value of another type is refused as for any text's key.
  const ReadBirths number = Read(good + R"(,"entered_time":19850321})" + "\n",
                                 ExchangeFormat::JsonLines);
  ASSERT_EQ(number.refused.size(), 1u);
  EXPECT_EQ(number.refused[0].reason, "entered_time: expected a string");
}

TEST(BirthExchange, EveryEnteredTimeOfTheCalendarRoundTripsThroughItsText) {
  std::mt19937 random(20261209);
  for (int i = 0; i < 20000; ++i) {
    LocalDateTime t{std::uniform_int_distribution<int>(1, 9999)(random),
                    std::uniform_int_distribution<int>(1, 12)(random), 1,
                    std::uniform_int_distribution<int>(0, 23)(random),
                    std::uniform_int_distribution<int>(0, 59)(random),
                    std::uniform_int_distribution<int>(0, 59)(random)};
    t.day = std::uniform_int_distribution<int>(1, DaysInMonth(t.year, t.month))(random);
    const std::string text = EnteredTimeText(t);
    ASSERT_EQ(text.size(), 19u) << text;
    ASSERT_EQ(ReadEnteredTime(text), t) << text;
    // A digit changed gives either a refusal or a time whose text is the changed one.
    std::string changed = text;
    const std::size_t at = std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(random);
    if (changed[at] < '0' || changed[at] > '9') continue;
    changed[at] = static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random));
    try {
      EXPECT_EQ(EnteredTimeText(ReadEnteredTime(changed)), changed);
    } catch (const InputError& error) {
      EXPECT_EQ(error.field(), "entered_time") << changed;
    }
  }
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


const std::string kHeader =
    "name,year,month,day,hour,minute,zone,lat_deg,lat_min,lon_deg,lon_min,dst,conventions,"
    "note\n";
// A good record of the header's cells after the name, up to the note.
const std::string kRest = ",1990,8,15,6,30,34,28,37,77,13,false,modern,";

TEST(BirthExchange, CsvCellsReadByRfc4180) {
  const struct {
    std::string record;  // the name cell, the rest, the note cell
    std::string name;
    std::string note;
  } cases[] = {
      {"\"MEHTA, ASHA\"" + kRest + "plain", "MEHTA, ASHA", "plain"},
      {"\"SAY \"\"HI\"\"\"" + kRest + "\"a,b\"", "SAY \"HI\"", "a,b"},
      {"A" + kRest + "\"two\r\nlines\nthree\"", "A", "two\r\nlines\nthree"},
      {"O\"BRIEN" + kRest + "5\" tall", "O\"BRIEN", "5\" tall"},  // stray quotes are text
      {"B" + kRest + "\"\"", "B", ""},
      {"C" + kRest + "'=1+2", "C", "=1+2"},    // the guard taken off
      {"D" + kRest + "'x", "D", "'x"},         // a quote before no formula is text
      {"E" + kRest + "''-x", "E", "'-x"},      // one guard only
      {"F" + kRest + " =x", "F", " =x"},
  };
  for (const auto& c : cases) {
    const ReadBirths read = Read(kHeader + c.record + "\n", ExchangeFormat::Csv);
    ASSERT_EQ(read.births.size(), 1u) << c.record << ": " << read.refused.front().reason;
    EXPECT_EQ(read.births[0].birth.personName, c.name) << c.record;
    EXPECT_EQ(read.births[0].note, c.note) << c.record;
  }
}

TEST(BirthExchange, ByteOrderMarkAndSpreadsheetBooleansAreRead) {
  std::string text = "\xEF\xBB\xBF" + kHeader;
  for (const char* flag : {"TRUE", "False", "true", "fAlSe"}) {
    text += std::string("N") + flag + ",1990,8,15,6,30,34,28,37,77,13," + flag + ",,\r\n";
  }
  const ReadBirths read = Read(text, ExchangeFormat::Csv);
  ASSERT_TRUE(read.refused.empty()) << read.refused.front().reason;
  ASSERT_EQ(read.births.size(), 4u);
  EXPECT_TRUE(read.births[0].birth.isDst);
  EXPECT_FALSE(read.births[1].birth.isDst);
  EXPECT_TRUE(read.births[2].birth.isDst);
  EXPECT_FALSE(read.births[3].birth.isDst);
  EXPECT_EQ(read.conventionsGiven, std::vector<bool>(4, false));
  const ReadBirths json = Read("\xEF\xBB\xBF" + std::string(kGood) + "\n", ExchangeFormat::JsonLines);
  EXPECT_EQ(json.births.size(), 1u);
}

TEST(BirthExchange, AFaultyCsvRecordIsRefusedWithItsLineAndTheNextOnesAreRead) {
  const std::string good = "G" + kRest + "ok\n";
  const struct {
    std::string text;  // after the header (line 1)
    std::vector<std::pair<std::uint64_t, std::string>> refused;
    std::size_t kept;
  } cases[] = {
      // An unterminated quote: reading starts again at the line after the quote's.
      {good + "U" + kRest + "\"never closed\n" + good + good,
       {{3, "line: unterminated quote: the quoted cell opened in line 3 does not close before "
            "the end of the file"}},
       3},
      // The quote opened on the record's second line.
      {good + "\"two\nlines\"" + kRest + "\"open\n" + good,
       {{3, "line: unterminated quote: the quoted cell opened in line 4"}},
       2},
      {good + "U" + kRest + "\"no line end", {{3, "line: unterminated quote"}}, 1},
      {"T" + kRest + "\"closed\"then\n" + good,
       {{2, "line: cell 14 has text after its closing quote"}},
       1},
      {"J" + kRest + "Jos\xE9\n" + good + "\"K\n\xFF\"" + kRest + "\n" + good,
       {{2, "line: not UTF-8 text (in line 2)"}, {4, "line: not UTF-8 text (in line 5)"}},
       2},
      {"Z" + kRest + "\n\n" + good, {}, 2},
  };
  for (const auto& c : cases) {
    const ReadBirths read = Read(kHeader + c.text, ExchangeFormat::Csv);
    EXPECT_EQ(read.births.size(), c.kept) << c.text;
    ASSERT_EQ(read.refused.size(), c.refused.size()) << c.text;
    for (std::size_t i = 0; i < c.refused.size(); ++i) {
      EXPECT_EQ(read.refused[i].line, c.refused[i].first) << c.text;
      EXPECT_EQ(read.refused[i].reason.rfind(c.refused[i].second, 0), 0u)
          << read.refused[i].reason;
    }
    for (const SavedBirth& saved : read.births) {
      EXPECT_NE(saved.birth.personName, "U") << c.text;
    }
  }
}

TEST(BirthExchange, Latin1IsReadOnlyWhenAskedFor) {
  const std::string csv = kHeader + "Jos\xE9" + kRest + "caf\xE9\n";
  const std::string json = std::string(kGood).replace(9, 4, "Jos\xE9") + "\n";
  for (const auto& [text, format] : {std::pair{csv, ExchangeFormat::Csv},
                                     std::pair{json, ExchangeFormat::JsonLines}}) {
    std::istringstream in(text);
    const ReadBirths latin = ReadBirthRecords(in, format, InputEncoding::Latin1);
    ASSERT_EQ(latin.births.size(), 1u) << text;
    EXPECT_EQ(latin.births[0].birth.personName, "Jos\xC3\xA9");
    const ReadBirths utf8 = Read(text, format);
    EXPECT_TRUE(utf8.births.empty());
    ASSERT_EQ(utf8.refused.size(), 1u);
    EXPECT_NE(utf8.refused[0].reason.find("--encoding latin1"), std::string::npos);
  }
  EXPECT_EQ(Read(csv, ExchangeFormat::Csv).refused[0].line, 2u);
}

// `size` bytes of `fill`, made as they are read: a file far larger than memory should hold.
class LongInput : public std::streambuf {
 public:
  LongInput(std::string head, std::size_t size, char fill, std::string tail)
      : head_(std::move(head)), tail_(std::move(tail)), left_(size), fill_(fill), block_(4096) {}

 protected:
  int_type underflow() override {
    if (!head_.empty()) {
      block_.assign(head_.begin(), head_.end());
      head_.clear();
    } else if (left_ > 0) {
      block_.assign(std::min<std::size_t>(left_, 1 << 16), fill_);
      left_ -= block_.size();
    } else if (!tail_.empty()) {
      block_.assign(tail_.begin(), tail_.end());
      tail_.clear();
    } else {
      return traits_type::eof();
    }
    setg(block_.data(), block_.data(), block_.data() + block_.size());
    return traits_type::to_int_type(block_[0]);
  }

 private:
  std::string head_, tail_;
  std::size_t left_;
  char fill_;
  std::vector<char> block_;
};

TEST(BirthExchange, ARecordOverTheLimitIsRefusedAndTheRestKept) {
  const std::string good = "G" + kRest + "ok\n";
  const std::string goodJson = std::string(kGood) + "\n";
  const std::size_t huge = std::size_t{40} << 20;  // 40 MiB, never held whole
  const struct {
    std::string head;
    std::string tail;
    ExchangeFormat format;
    std::string reason;
  } cases[] = {
      {kHeader + good + "L" + kRest, "\n" + good, ExchangeFormat::Csv, "line: longer than"},
      {kHeader + good + "L" + kRest + "\"", "\"\n" + good, ExchangeFormat::Csv,
       "line: unterminated quote: the quoted cell opened in line 3 does not close within"},
      {goodJson + "{\"name\":\"", "\"}\n" + goodJson, ExchangeFormat::JsonLines,
       "line: longer than 1048576 bytes"},
  };
  for (const auto& c : cases) {
    LongInput buffer(c.head, huge, 'x', c.tail);
    std::istream in(&buffer);
    const ReadBirths read = ReadBirthRecords(in, c.format);
    EXPECT_EQ(read.births.size(), 2u) << c.reason;
    ASSERT_EQ(read.refused.size(), 1u) << c.reason;
    EXPECT_EQ(read.refused[0].line, c.format == ExchangeFormat::Csv ? 3u : 2u);
    EXPECT_EQ(read.refused[0].reason.rfind(c.reason, 0), 0u) << read.refused[0].reason;
  }
  // A line of the limit itself is read whole (then refused for its note, longer than a saved
  // birth's).
  std::string atLimit = std::string(kGood);
  atLimit.insert(atLimit.size() - 1, ",\"note\":\"" +
                                         std::string(kMaxRecordBytes - atLimit.size() - 10, 'n') +
                                         "\"");
  ASSERT_EQ(atLimit.size(), kMaxRecordBytes);
  const ReadBirths limit = Read(atLimit + "\r\n", ExchangeFormat::JsonLines);
  ASSERT_EQ(limit.refused.size(), 1u);
  EXPECT_EQ(limit.refused[0].reason, "note: longer than 131072 bytes");
}

// Texts a spreadsheet or a CSV reader could take for something else, exported and read
// back in both formats: every birth comes back the same.
TEST(BirthExchange, HostileTextsComeBackUnchangedInBothFormats) {
  const std::string pieces[] = {"=", "+", "-", "@", "'", "\"", ",", "\n", "\r", "\r\n", "\t",
                                " ", "A", "é", "=HYPERLINK(\"x\")", "''", "\"\"", "\x01", "ॐ"};
  std::mt19937 random(22);
  std::vector<SavedBirth> births;
  for (int i = 0; i < 300; ++i) {
    SavedBirth saved = test::SampleSavedBirths()[static_cast<std::size_t>(i) % 3];
    const auto text = [&](std::size_t most) {
      std::string made;
      const std::size_t count = random() % most;
      for (std::size_t k = 0; k < count; ++k) made += pieces[random() % std::size(pieces)];
      return made;
    };
    // Appended, not "N" + …: g++ 12 warns falsely (-Wrestrict) on that.
    saved.birth.personName = std::to_string(i);
    saved.birth.personName.insert(0, 1, 'N');
    saved.birth.personName += text(6);
    if (i % 2 == 0) saved.birth.personName = text(4) + saved.birth.personName;
    saved.birth.cityText = text(5);
    saved.birth.stateText = text(3);
    saved.birth.countryText = text(3);
    saved.note = text(8);
    births.push_back(saved);
  }
  for (const ExchangeFormat format : {ExchangeFormat::Csv, ExchangeFormat::JsonLines}) {
    std::string text;
    if (format == ExchangeFormat::Csv) AppendCsvHeader(text);
    for (const SavedBirth& saved : births) {
      if (format == ExchangeFormat::Csv) {
        AppendBirthCsvRow(text, saved);
      } else {
        AppendBirthJsonLine(text, saved);
      }
    }
    const ReadBirths read = Read(text, format);
    ASSERT_TRUE(read.refused.empty()) << read.refused.front().line << ": "
                                      << read.refused.front().reason;
    ASSERT_EQ(read.births.size(), births.size());
    for (std::size_t i = 0; i < births.size(); ++i) {
      EXPECT_EQ(read.births[i], births[i]) << i;
    }
  }
}

TEST(BirthExchange, FormulaGuardRoundTripsAndGuardsEveryFormulaStart) {
  for (const char* text : {"=1", "+1", "-1", "@A", "\tx", "\rx", "'=1", "''+1", "'", "''", "a=",
                           "", "'a", "x'=1"}) {
    const std::string guarded = CsvFormulaGuarded(text);
    EXPECT_EQ(CsvFormulaUnguarded(guarded), text) << text;
    const std::size_t start = guarded.find_first_not_of('\'');
    // Whatever a spreadsheet sees first is a quote or no formula.
    if (!guarded.empty() && start != std::string::npos) {
      EXPECT_TRUE(guarded[0] == '\'' || std::string("=+-@\t\r").find(guarded[0]) ==
                                            std::string::npos)
          << text;
    }
  }
}


// Mutated exports (bytes changed, quotes and line ends put in or taken out): reading never
// fails, and every record is kept or refused once, at a line of the file, in order, so that
// one fault never swallows what follows it.
TEST(BirthExchange, MutatedFilesAreReadRecordByRecord) {
  std::mt19937 random(4180);
  const char inserts[] = {'"', '"', ',', '\n', '\r', '\'', '=', '\xFF', '\xC3', 'x'};
  for (const ExchangeFormat format : {ExchangeFormat::Csv, ExchangeFormat::JsonLines}) {
    std::string base;
    if (format == ExchangeFormat::Csv) AppendCsvHeader(base);
    for (int copy = 0; copy < 4; ++copy) {
      for (SavedBirth saved : test::SampleSavedBirths()) {
        saved.birth.personName += std::to_string(copy);
        if (format == ExchangeFormat::Csv) {
          AppendBirthCsvRow(base, saved);
        } else {
          AppendBirthJsonLine(base, saved);
        }
      }
    }
    for (int run = 0; run < 400; ++run) {
      std::string text = base;
      const int changes = 1 + static_cast<int>(random() % 4);
      for (int k = 0; k < changes; ++k) {
        const std::size_t at = random() % text.size();
        if (random() % 2 == 0) {
          text.insert(at, 1, inserts[random() % std::size(inserts)]);
        } else {
          text.erase(at, 1);
        }
      }
      const ReadBirths read = Read(text, format);
      const auto lines = static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n') + 1);
      std::uint64_t last = 0;
      for (const RefusedLine& refused : read.refused) {
        EXPECT_GT(refused.line, last) << text;
        EXPECT_LE(refused.line, lines);
        EXPECT_FALSE(refused.reason.empty());
        last = refused.line;
      }
      EXPECT_EQ(read.births.size(), read.conventionsGiven.size());
      // A faulty header is refused alone and ends the reading, by design.
      if (format == ExchangeFormat::Csv && !read.refused.empty() && read.refused[0].line == 1 &&
          read.births.empty()) {
        continue;
      }
      // Twelve records, one change each at most reaching two of them (a joined line end):
      // most of the file always comes through, kept or refused.
      EXPECT_GE(read.births.size() + read.refused.size(), 12u - 2u * static_cast<unsigned>(changes))
          << text;
    }
  }
}

}  // namespace
}  // namespace velquor
