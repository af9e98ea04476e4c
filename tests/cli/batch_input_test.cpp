#include "cli/batch_input.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/input_error.h"

namespace velquor {
namespace {

constexpr const char* kFull =
    R"({"name":"ASHA","year":1990,"month":8,"day":15,"hour":6,"minute":30,"second":15,)"
    R"("zone":34,"lat_deg":33,"lat_min":52,"south":true,"lon_deg":77,"lon_min":13,)"
    R"("east":false,"dst":true,"city":"Zürich","state":"ZH","country":"CH"})";

constexpr const char* kRequiredOnly =
    R"({"name":"ASHA","year":1990,"month":8,"day":15,"hour":6,"minute":30,"zone":34,)"
    R"("lat_deg":28,"lat_min":37,"lon_deg":77,"lon_min":13})";

TEST(BatchInput, ReadsEveryKey) {
  const BirthInput input = ParseBatchLine(kFull);
  EXPECT_EQ(input.name, "ASHA");
  EXPECT_EQ(input.year, 1990);
  EXPECT_EQ(input.month, 8);
  EXPECT_EQ(input.day, 15);
  EXPECT_EQ(input.hour, 6);
  EXPECT_EQ(input.minute, 30);
  EXPECT_EQ(input.second, 15);
  EXPECT_EQ(input.zoneIndex, 34);
  EXPECT_EQ(input.latDegrees, 33);
  EXPECT_EQ(input.latMinutes, 52);
  EXPECT_TRUE(input.south);
  EXPECT_EQ(input.lonDegrees, 77);
  EXPECT_EQ(input.lonMinutes, 13);
  EXPECT_FALSE(input.east);
  EXPECT_TRUE(input.dst);
  EXPECT_EQ(input.city, "Zürich");
  EXPECT_EQ(input.state, "ZH");
  EXPECT_EQ(input.country, "CH");
}

TEST(BatchInput, OptionalKeysTakeTheFormsDefaults) {
  const BirthInput input = ParseBatchLine(kRequiredOnly);
  EXPECT_EQ(input.second, 0);
  EXPECT_FALSE(input.south);
  EXPECT_TRUE(input.east);
  EXPECT_FALSE(input.dst);
  EXPECT_EQ(input.city, "");
}

// A required line with one key replaced (or removed when the value is empty).
std::string WithKey(const std::string& key, const std::string& value) {
  std::string line = kRequiredOnly;
  std::size_t start = line.find("\"" + key + "\":");
  if (start == std::string::npos) {
    line.insert(line.size() - 1, ",\"" + key + "\":" + value);
    return line;
  }
  std::size_t end = line.find_first_of(",}", start);
  if (value.empty()) {
    if (line[end] == ',') {
      ++end;
    } else {
      --start;  // the last key: drop the comma before it
    }
    line.erase(start, end - start);
  } else {
    line.replace(start, end - start, "\"" + key + "\":" + value);
  }
  return line;
}

TEST(BatchInput, FaultsNameTheKey) {
  struct Case { std::string line; const char* field; const char* message; };
  const Case cases[] = {
      {"", "line", "empty"},
      {"{", "line", "malformed JSON"},
      {"{\"name\":\"A\",}", "line", "malformed JSON"},
      {"[1,2]", "line", "expected a JSON object"},
      {"42", "line", "expected a JSON object"},
      {"{\"name\":\"Z\xFCrich\"}", "line", "malformed JSON"},  // not UTF-8
      {std::string("{\"name\":\"A\0\"}", 13), "line", "malformed JSON"},
      {std::string(10000, '['), "line", "expected a JSON object"},
      {std::string(10000, '{'), "line", "malformed JSON"},
      {WithKey("city", "{\"a\":1}"), "city", "expected a string"},
      {kRequiredOnly + std::string(" {}"), "line", "malformed JSON"},
      {WithKey("year", "\"1990\""), "year", "expected a whole number"},
      {WithKey("month", "8.5"), "month", "expected a whole number"},
      {WithKey("day", "1e400"), "line", "malformed JSON"},
      {WithKey("hour", "1e5"), "hour", "expected a whole number"},
      {WithKey("minute", "null"), "minute", "expected a whole number"},
      {WithKey("lat_deg", "99999999999999999999999"), "lat_deg", "expected a whole number"},
      {WithKey("lat_min", "2147483648"), "lat_min", "number out of range"},
      {WithKey("lon_deg", "-2147483649"), "lon_deg", "number out of range"},
      {WithKey("lon_min", "true"), "lon_min", "expected a whole number"},
      {WithKey("zone", "\"34\""), "zone", "expected a whole number"},
      {WithKey("south", "1"), "south", "expected true or false"},
      {WithKey("east", "\"yes\""), "east", "expected true or false"},
      {WithKey("dst", "null"), "dst", "expected true or false"},
      {WithKey("name", "7"), "name", "expected a string"},
      {WithKey("city", "[\"x\"]"), "city", "expected a string"},
      {WithKey("latitude", "28"), "latitude", "unknown key"},
      {WithKey("name", ""), "name", "missing"},
      {WithKey("lon_min", ""), "lon_min", "missing"},
      {WithKey("zone", ""), "zone", "missing"},
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

TEST(BatchInput, NumbersAtTheEdgeOfIntStillRead) {
  EXPECT_EQ(ParseBatchLine(WithKey("year", "2147483647")).year, 2147483647);
  EXPECT_EQ(ParseBatchLine(WithKey("year", "-2147483648")).year, -2147483648);
  EXPECT_EQ(ParseBatchLine(WithKey("year", "-0")).year, 0);
}

}  // namespace
}  // namespace velquor
