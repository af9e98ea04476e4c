#include "cli/chart_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <string>

namespace velquor {
namespace {

using Json = nlohmann::json;

std::set<std::string> KeysOf(const Json& object) {
  std::set<std::string> keys;
  for (const auto& item : object.items()) keys.insert(item.key());
  return keys;
}

// A chart with a distinct value in every field, so that a value written under the wrong
// key shows.
ChartResult SampleChart() {
  ChartResult chart;
  chart.zoneIndex = 34;
  chart.zone = {-5, -30};
  chart.dst = true;
  chart.ascendant = {-23.66241887315, 123.45678901234567, 123, "3° 27' 24\" Leo"};
  chart.moon = {0.1 + 0.2, "0° 18' 0\" Ari", 13.333333333333334};
  for (std::size_t i = 0; i < 10; ++i) {
    chart.PositionTexts[i] = "0" + std::to_string(i) + " Ari 00";
    chart.SunrisePositionTexts[i] = "1" + std::to_string(i) + " Tau 11";
  }
  chart.ChartNames = {"Sun", "Moon", "Mercury", "Venus", "Mars (R) ", "Jupiter",
                      "Saturn", "Rahu", "Ketu", "Asc"};
  chart.AscSign = 5;
  chart.SignCells[4] = "\r\nAsc";
  chart.SpecialCells[4] = "\r\n\r\nPpL";
  chart.sunDays[0] = {LocalDateTime{1990, 8, 14, 5, 42, 0}, std::nullopt};
  chart.sunDays[1] = {LocalDateTime{1990, 8, 15, 5, 43, 0}, LocalDateTime{1990, 8, 15, 19, 2, 0}};
  chart.sunDays[2] = {std::nullopt, std::nullopt};
  chart.BirthMoment = {1990, 8, 15, 6, 30, 15};
  chart.ReferenceSunrise = {1990, 8, 15, 5, 43, 0};
  chart.ElapsedSeconds = 2835;
  chart.ElapsedMinutes = 47;
  chart.SunAtSunrise = 118.0000000000001;
  chart.SunAtSunriseText = "28 Can 00";
  chart.pranapada = {7, 12, 34, 8, 4};
  chart.HouseText = "A \"quoted\" text.";
  chart.details = {"ASHA", "August/15/1990", "6:30", "28 37' N", "77 13' E",
                   "New Delhi", "Delhi", "India"};
  return chart;
}

Json Written(const ChartResult& chart) {
  std::string out;
  AppendChartJson(out, chart);
  EXPECT_EQ(out.find('\n'), std::string::npos) << "one line per chart";
  return Json::parse(out);
}

TEST(ChartJson, HasExactlyTheDocumentedKeys) {
  const Json json = Written(SampleChart());
  const std::set<std::string> top = {
      "zone", "ascendant", "moon", "positions", "chart_names", "asc_sign", "sign_cells",
      "special_cells", "sunrise", "birth_moment", "reference_sunrise", "elapsed_seconds",
      "elapsed_minutes", "sun_at_sunrise", "sun_at_sunrise_text", "sunrise_positions",
      "pranapada", "house_text", "dst", "details"};
  EXPECT_EQ(KeysOf(json), top);
  const std::pair<const char*, std::set<std::string>> nested[] = {
      {"zone", {"index", "label", "hours", "minutes"}},
      {"ascendant", {"ayanamsa_offset", "sidereal", "degree", "text"}},
      {"moon", {"sidereal", "text", "nakshatra_start"}},
      {"sunrise", {"previous", "birth_day", "next"}},
      {"pranapada", {"signs", "degrees", "minutes", "sign", "house"}},
      {"details", {"name", "dob", "tob", "latitude", "longitude", "city", "state", "country"}}};
  for (const auto& [key, keys] : nested) EXPECT_EQ(KeysOf(json.at(key)), keys) << key;
  const std::pair<const char*, std::size_t> arrays[] = {
      {"positions", 10}, {"chart_names", 10}, {"sign_cells", 12}, {"special_cells", 12},
      {"sunrise_positions", 10}};
  for (const auto& [key, size] : arrays) EXPECT_EQ(json.at(key).size(), size) << key;
}

TEST(ChartJson, CarriesEveryValue) {
  const ChartResult chart = SampleChart();
  const Json json = Written(chart);
  EXPECT_EQ(json["zone"], (Json{{"index", 34}, {"label", "Indian Time, IST, +5.3"},
                                {"hours", -5}, {"minutes", -30}}));
  EXPECT_EQ(json["ascendant"]["ayanamsa_offset"].get<double>(), chart.ascendant.AyanamsaOffset);
  EXPECT_EQ(json["ascendant"]["sidereal"].get<double>(), chart.ascendant.AscendantSidereal);
  EXPECT_EQ(json["ascendant"]["degree"], 123);
  EXPECT_EQ(json["ascendant"]["text"], chart.ascendant.AscendantText);
  EXPECT_EQ(json["moon"]["sidereal"].get<double>(), chart.moon.MoonSidereal);
  EXPECT_EQ(json["moon"]["text"], chart.moon.MoonText);
  EXPECT_EQ(json["moon"]["nakshatra_start"].get<double>(), chart.moon.MoonNakshatraStart);
  EXPECT_EQ(json["positions"].get<std::vector<std::string>>()[3], "03 Ari 00");
  EXPECT_EQ(json["sunrise_positions"].get<std::vector<std::string>>()[9], "19 Tau 11");
  EXPECT_EQ(json["chart_names"][4], "Mars (R) ");
  EXPECT_EQ(json["asc_sign"], 5);
  EXPECT_EQ(json["sign_cells"][4], "\r\nAsc");
  EXPECT_EQ(json["sign_cells"][0], "");
  EXPECT_EQ(json["special_cells"][4], "\r\n\r\nPpL");
  EXPECT_EQ(json["sunrise"]["previous"], Json::parse(R"(["1990-08-14 05:42", null])"));
  EXPECT_EQ(json["sunrise"]["birth_day"], Json::parse(R"(["1990-08-15 05:43", "1990-08-15 19:02"])"));
  EXPECT_EQ(json["sunrise"]["next"], Json::parse("[null, null]"));
  EXPECT_EQ(json["birth_moment"], "1990-08-15 06:30:15");
  EXPECT_EQ(json["reference_sunrise"], "1990-08-15 05:43:00");
  EXPECT_EQ(json["elapsed_seconds"], 2835);
  EXPECT_EQ(json["elapsed_minutes"], 47);
  EXPECT_EQ(json["sun_at_sunrise"].get<double>(), chart.SunAtSunrise);
  EXPECT_EQ(json["sun_at_sunrise_text"], "28 Can 00");
  EXPECT_EQ(json["pranapada"], (Json{{"signs", 7}, {"degrees", 12}, {"minutes", 34},
                                     {"sign", 8}, {"house", 4}}));
  EXPECT_EQ(json["house_text"], chart.HouseText);
  EXPECT_EQ(json["dst"], true);
  EXPECT_EQ(json["details"], (Json{{"name", "ASHA"}, {"dob", "August/15/1990"}, {"tob", "6:30"},
                                   {"latitude", "28 37' N"}, {"longitude", "77 13' E"},
                                   {"city", "New Delhi"}, {"state", "Delhi"},
                                   {"country", "India"}}));
}

TEST(ChartJson, AppendsToWhatIsAlreadyWritten) {
  std::string out = "[";
  AppendChartJson(out, SampleChart());
  out += ',';
  AppendChartJson(out, SampleChart());
  out += ']';
  EXPECT_EQ(Json::parse(out).size(), 2u);
}

}  // namespace
}  // namespace velquor
