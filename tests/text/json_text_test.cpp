#include "text/json_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace velquor {
namespace {

TEST(Utf8, WellFormedAndMalformedSequences) {
  struct Case {
    std::string text;
    bool valid;
  };
  const Case cases[] = {
      {"", true},
      {"plain ASCII", true},
      {"Z\xC3\xBCrich", true},             // ü
      {"\xE0\xA4\xA6\xE0\xA4\xBF", true},  // Devanagari
      {"\xF0\x9F\x8C\x9E", true},          // U+1F31E
      {"\xF4\x8F\xBF\xBF", true},          // U+10FFFF
      {"Z\xFCrich", false},                // Latin-1
      {"\xC3", false},                     // cut short
      {"\xC0\xAF", false},                 // overlong '/'
      {"\xE0\x80\xAF", false},             // overlong
      {"\xED\xA0\x80", false},             // surrogate
      {"\xF4\x90\x80\x80", false},         // above U+10FFFF
      {"\xF8\x88\x80\x80\x80", false},     // five bytes
      {"\x80", false},                     // continuation alone
      {"\xE2\x82", false},                 // cut short at the end
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(JsonString, ReadsBackAsTheSameText) {
  const std::string texts[] = {"",
                               "a \"quoted\" \\ back\\slash",
                               "line\r\nbreak\ttab",
                               std::string("nul\0byte\x01\x1F", 10),
                               "Z\xC3\xBCrich \xF0\x9F\x8C\x9E",
                               "\x7F delete",
                               std::string(300, 'x') + "\"\r\n\x01 Z\xC3\xBCrich"};
  for (const std::string& text : texts) {
    std::string out;
    AppendJsonString(out, text);
    EXPECT_EQ(nlohmann::json::parse(out).get<std::string>(), text) << out;
  }
}

TEST(JsonString, ReplacesMalformedBytesSoTheOutputStaysValid) {
  std::string out;
  AppendJsonString(out,
                   "a\xFF"
                   "b\xC3");
  EXPECT_EQ(nlohmann::json::parse(out).get<std::string>(),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
}

TEST(JsonDouble, RoundTripsExactly) {
  const double values[] = {0.0,
                           1.0,
                           359.99999999999994,
                           0.1,
                           -23.853993055555556,
                           1e-300,
                           123456789.123456789,
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min()};
  for (const double value : values) {
    std::string out;
    AppendJsonDouble(out, value);
    const double back = nlohmann::json::parse(out).get<double>();
    EXPECT_EQ(back, value) << out;
  }
}

TEST(JsonDouble, RefusesValuesJsonCannotHold) {
  std::string out;
  EXPECT_THROW(AppendJsonDouble(out, std::numeric_limits<double>::quiet_NaN()), std::domain_error);
  EXPECT_THROW(AppendJsonDouble(out, -std::numeric_limits<double>::infinity()), std::domain_error);
  EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace velquor
