#include "births/batch_input.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "births/input_error.h"
#include "support/birth_of.h"

namespace velquor {
namespace {

constexpr const char* kRequiredOnly =
    R"({"name":"ASHA","year":1990,"month":8,"day":15,"hour":6,"minute":30,"zone":34,)"
    R"("lat_deg":28,"lat_min":37,"lon_deg":77,"lon_min":13})";

TEST(BatchInput, ReadsEveryKeyAndDefaultsTheOptionalOnes) {
  const BatchBirth full = ParseBatchLine(
      R"({"name":"ASHA","year":1990,"month":8,"day":15,"hour":6,"minute":30,"second":15,)"
      R"("zone":34,"lat_deg":33,"lat_min":52,"south":true,"lon_deg":77,"lon_min":13,)"
      R"("east":false,"dst":true,"city":"Zürich","state":"ZH","country":"CH"})");
  EXPECT_EQ(full.birth, (test::BirthOf("ASHA", 1990, 8, 15, 6, 30, 15, 34, 33, 52, true, 77, 13,
                                       false, true, "Zürich", "ZH", "CH")));
  EXPECT_EQ(full.conventions, Conventions{});
  EXPECT_EQ(ParseBatchLine(kRequiredOnly).birth,
            (test::BirthOf("ASHA", 1990, 8, 15, 6, 30, 0, 34, 28, 37, false, 77, 13, true, false,
                           "", "", "")));
}

// The required line with one key's value replaced, added, or (for an empty value) removed.
std::string WithKey(const std::string& key, const std::string& value) {
  std::string line = kRequiredOnly;
  std::size_t start = line.find("\"" + key + "\":");
  if (start == std::string::npos) return line.insert(line.size() - 1, ",\"" + key + "\":" + value);
  std::size_t end = line.find_first_of(",}", start);
  if (!value.empty()) return line.replace(start, end - start, "\"" + key + "\":" + value);
  if (line[end] == ',') {
    ++end;
  } else {
    --start;  // the last key: drop the comma before it
  }
  return line.erase(start, end - start);
}

TEST(BatchInput, AnEnteredTimeIsKeptBesideTheBirthDataItLeavesAlone) {
  const BatchBirth plain = ParseBatchLine(kRequiredOnly);
  EXPECT_EQ(plain.enteredTime, std::nullopt);
  const BatchBirth rectified =
      ParseBatchLine(WithKey("entered_time", "\"1990-08-15T06:24:30\""));
  EXPECT_EQ(rectified.enteredTime, (LocalDateTime{1990, 8, 15, 6, 24, 30}));
  EXPECT_EQ(rectified.birth, plain.birth);
  EXPECT_EQ(rectified.conventions, plain.conventions);
  EXPECT_EQ(rectified.note, plain.note);
}

TEST(BatchInput, ConventionsBySetNameOrChoice) {
  EXPECT_EQ(ParseBatchLine(WithKey("conventions", "\"modern\"")).conventions, ModernConventions());
  EXPECT_EQ(ParseBatchLine(WithKey("conventions", "\"classic\"")).conventions, Conventions{});
  const Conventions chosen =
      ParseBatchLine(WithKey("conventions",
                             R"({"sunrise":"disc-centre","pranapada_sun":"at-birth",)"
                             R"("ephemeris":"precise","after_sunset":"from-sunrise"})"))
          .conventions;
  EXPECT_EQ(chosen, ModernConventions());
  const Conventions one =
      ParseBatchLine(WithKey("conventions", R"({"sunrise":"upper-limb"})")).conventions;
  EXPECT_EQ(one.sunrise, SunriseConvention::UpperLimb);
  EXPECT_EQ(one.ephemeris, EphemerisConvention::Classic);
}

TEST(BatchInput, FaultsNameTheKey) {
  struct Case {
    std::string line;
    const char* field;
    const char* message;
  };
  const Case cases[] = {
      {"", "line", "empty"},
      {"{", "line", "malformed JSON"},
      {"{\"name\":\"A\",}", "line", "malformed JSON"},
      {"[1,2]", "line", "expected a JSON object"},
      {"42", "line", "expected a JSON object"},
      {"{\"name\":\"Z\xFCrich\"}", "line", "malformed JSON"},  // not UTF-8
      {std::string("{\"name\":\"A\0\"}", 13), "line", "malformed JSON"},
      {std::string(10000, '['), "line", "expected a JSON object"},
      // The JSON reader stops at a NUL: what follows it must not be dropped unseen.
      {kRequiredOnly + std::string(1, '\0') + "garbage", "line", "a NUL byte at column"},
      {std::string(1, '\0') + kRequiredOnly, "line", "a NUL byte at column 1"},
      {std::string(10000, '{'), "line", "malformed JSON"},
      {kRequiredOnly + std::string(" {}"), "line", "malformed JSON"},
      {WithKey("city", "{\"a\":1}"), "city", "expected a string"},
      {WithKey("year", "\"1990\""), "year", "expected a whole number"},
      {WithKey("month", "8.5"), "month", "expected a whole number"},
      {WithKey("day", "1e400"), "line", "malformed JSON"},
      {WithKey("hour", "1e5"), "hour", "expected a whole number"},
      {WithKey("minute", "null"), "minute", "expected a whole number"},
      {WithKey("lat_deg", "99999999999999999999999"), "lat_deg", "expected a whole number"},
      {WithKey("lat_min", "2147483648"), "lat_min", "number out of range"},
      {WithKey("lon_deg", "-2147483649"), "lon_deg", "number out of range"},
      {WithKey("zone", "\"34\""), "zone", "expected a whole number"},
      {WithKey("south", "1"), "south", "expected true or false"},
      {WithKey("dst", "[true]"), "dst", "expected true or false"},
      {WithKey("name", "7"), "name", "expected a string"},
      {WithKey("latitude", "28"), "latitude", "unknown key"},
      // Found by the batch-line fuzz target: a key with a NUL once gave an empty error.
      {WithKey("\\u0000x\\u001f", "1"), "\\u0000x\\u001f", "unknown key"},
      {WithKey("name", ""), "name", "missing"},
      {WithKey("conventions", "\"hindu\""), "conventions", "unknown value \"hindu\""},
      {WithKey("conventions", "3"), "conventions", "expected a set's name or an object"},
      {WithKey("conventions", "[\"modern\"]"), "conventions", "expected a set's name"},
      {WithKey("conventions", R"({"sunrise":1})"), "conventions.sunrise", "expected a string"},
      {WithKey("conventions", R"({"sunrise":{"a":"b"}})"), "conventions.sunrise",
       "expected a string"},
      {WithKey("conventions", R"({"moon":"x"})"), "conventions.moon", "unknown key"},
      {WithKey("conventions", R"({"after_sunset":"to-sunrise"})"), "conventions.after_sunset",
       "one of to-next-sunrise, from-sunrise"},
      {WithKey("lon_min", ""), "lon_min", "missing"},
      {WithKey("entered_time", "\"1990-08-15T06:30\""), "entered_time", "YYYY-MM-DDTHH:MM:SS"},
      {WithKey("entered_time", "\"1990-02-30T06:30:00\""), "entered_time", "YYYY-MM-DDTHH"},
      {WithKey("entered_time", "\"\""), "entered_time", "YYYY-MM-DDTHH:MM:SS"},
      {WithKey("entered_time", "19900815"), "entered_time", "expected a string"},
      {WithKey("entered_time", "null"), "entered_time", "expected a string"},
      {WithKey("entered_time", R"({"hour":6})"), "entered_time", "expected a string"},
  };
  for (const auto& c : cases) {
    try {
      ParseBatchLine(c.line);
      ADD_FAILURE() << "accepted " << c.line.substr(0, 80);
    } catch (const InputError& error) {
      EXPECT_EQ(error.field(), c.field) << c.line.substr(0, 80);
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
          << c.line.substr(0, 80) << " gave " << error.what();
    }
  }
}

TEST(BatchInput, NumbersAtTheEdgesOfIntStillRead) {
  EXPECT_EQ(ParseBatchLine(WithKey("year", "2147483647")).birth.yearNumber, 2147483647);
  EXPECT_EQ(ParseBatchLine(WithKey("year", "-2147483648")).birth.yearNumber, -2147483648);
}

}  // namespace
}  // namespace velquor
