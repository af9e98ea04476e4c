#include "cli/chart_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "astro/position_text.h"
#include "chart/chart_run.h"
#include "sample_births.h"

namespace velquor {
namespace {

// A distinct value in every field, so that a value under the wrong key shows; the doubles
// need all their digits to read back.
ChartResult SampleChart() {
  ChartResult chart;
  chart.zoneIndex = 34;
  chart.zone = {-5, -30};
  chart.dst = true;
  chart.ascendant = {-23.66241887315, 123.45678901234567, 123, "3° 27' 24\" Leo"};
  chart.moon = {0.1 + 0.2, "0° 18' 0\" Ari", 13.333333333333334};
  chart.PositionTexts = {"00 Pis 01", "01 Pis 02", "02 Pis 03", "03 Pis 04", "04 Pis 05",
                         "05 Pis 06", "06 Pis 07", "07 Pis 08", "08 Pis 09", "09 Leo 10"};
  chart.longitudes = {330.0166, 331.0333, 332.05,   333.0666, 334.0833,
                      335.1,    336.1166, 337.1333, 338.15,   0x1.5aa5p+6};
  chart.SunrisePositionTexts = {"10 Ari 01", "11 Ari 02", "12 Ari 03", "13 Ari 04", "14 Ari 05",
                                "15 Ari 06", "16 Ari 07", "17 Ari 08", "18 Ari 09", "19 Leo 10"};
  chart.ChartNames = {"Sun",     "Moon",   "Mercury", "Venus", "Mars (R) ",
                      "Jupiter", "Saturn", "Rahu",    "Ketu",  "Asc"};
  chart.AscSign = 5;
  chart.SignCells[4] = "\r\nAsc";
  chart.SpecialCells[7] = "\r\n\r\nPpL";
  chart.sunDays[0] = {LocalDateTime{1990, 8, 14, 5, 42, 0}, std::nullopt};
  chart.sunDays[1] = {LocalDateTime{1990, 8, 15, 5, 43, 0}, LocalDateTime{1990, 8, 15, 19, 2, 0}};
  chart.sunDays[2] = {std::nullopt, LocalDateTime{1990, 8, 16, 19, 1, 0}};
  chart.BirthMoment = {1990, 8, 15, 6, 30, 15};
  chart.ReferenceSunrise = {1990, 8, 15, 5, 43, 0};
  chart.ElapsedSeconds = 2835;
  chart.ElapsedMinutes = 47;
  chart.SunAtSunrise = 118.0000000000001;
  chart.SunAtSunriseText = "28 Can 00";
  chart.pranapada = {7, 12, 34, 8, 4};
  chart.HouseText = "A \"quoted\" text.";
  chart.details = {"ASHA",     "August/15/1990", "6:30",  "28 37' N",
                   "77 13' E", "New Delhi",      "Delhi", "India"};
  return chart;
}

TEST(ChartJson, WritesExactlyTheDocumentedObject) {
  std::string out;
  AppendChartJson(out, SampleChart());
  EXPECT_EQ(out.find('\n'), std::string::npos) << "one line per chart";
  const auto expected = nlohmann::json::parse(R"({
    "zone": {"index": 34, "label": "Indian Time, IST, +5.3", "hours": -5, "minutes": -30},
    "ascendant": {"ayanamsa_offset": -23.66241887315, "sidereal": 123.45678901234567,
                  "degree": 123, "text": "3° 27' 24\" Leo"},
    "moon": {"sidereal": 0.30000000000000004, "text": "0° 18' 0\" Ari",
             "nakshatra_start": 13.333333333333334},
    "positions": ["00 Pis 01", "01 Pis 02", "02 Pis 03", "03 Pis 04", "04 Pis 05",
                  "05 Pis 06", "06 Pis 07", "07 Pis 08", "08 Pis 09", "09 Leo 10"],
    "longitudes": {"sun": 330.0166, "moon": 331.0333, "mercury": 332.05, "venus": 333.0666,
                   "mars": 334.0833, "jupiter": 335.1, "saturn": 336.1166, "rahu": 337.1333,
                   "ketu": 338.15, "ascendant": 86.6611328125},
    "chart_names": ["Sun", "Moon", "Mercury", "Venus", "Mars (R) ", "Jupiter", "Saturn",
                    "Rahu", "Ketu", "Asc"],
    "asc_sign": 5,
    "sign_cells": ["", "", "", "", "\r\nAsc", "", "", "", "", "", "", ""],
    "special_cells": ["", "", "", "", "", "", "", "\r\n\r\nPpL", "", "", "", ""],
    "sunrise": {"previous": ["1990-08-14 05:42", null],
                "birth_day": ["1990-08-15 05:43", "1990-08-15 19:02"],
                "next": [null, "1990-08-16 19:01"]},
    "birth_moment": "1990-08-15 06:30:15",
    "reference_sunrise": "1990-08-15 05:43:00",
    "elapsed_seconds": 2835,
    "elapsed_minutes": 47,
    "sun_at_sunrise": 118.0000000000001,
    "sun_at_sunrise_text": "28 Can 00",
    "sunrise_positions": ["10 Ari 01", "11 Ari 02", "12 Ari 03", "13 Ari 04", "14 Ari 05",
                          "15 Ari 06", "16 Ari 07", "17 Ari 08", "18 Ari 09", "19 Leo 10"],
    "pranapada": {"signs": 7, "degrees": 12, "minutes": 34, "sign": 8, "house": 4,
                  "longitude": 220.56666666666666},
    "house_text": "A \"quoted\" text.",
    "dst": true,
    "details": {"name": "ASHA", "dob": "August/15/1990", "tob": "6:30", "latitude": "28 37' N",
                "longitude": "77 13' E", "city": "New Delhi", "state": "Delhi",
                "country": "India"},
    "conventions": {"ephemeris": "classic", "sunrise": "classic", "pranapada_sun": "at-sunrise",
                    "after_sunset": "to-next-sunrise"}
  })");
  // Object equality covers the key sets, and doubles compare exactly.
  EXPECT_EQ(nlohmann::json::parse(out), expected);
}

TEST(ChartJson, AppendsAfterWhatIsAlreadyWritten) {
  std::string out = "[";
  AppendChartJson(out, SampleChart());
  out += ',';
  AppendChartJson(out, SampleChart());
  out += ']';
  EXPECT_EQ(nlohmann::json::parse(out).size(), 2u);
}

// The numbers beside the texts are the numbers the texts were made of: for every sample
// chart, each longitude written as a position text gives the text beside it, and the
// Pranapada's longitude lies in its sign.
TEST(ChartJson, LongitudesAreTheNumbersOfThePositionTexts) {
  static constexpr const char* kBodies[] = {"sun",     "moon",   "mercury", "venus", "mars",
                                            "jupiter", "saturn", "rahu",    "ketu",  "ascendant"};
  int charts = 0;
  for (const test::SampleBirth& sample : test::SampleBirths()) {
    const ChartOutcome outcome =
        RunChart(sample.birth, sample.modern ? ModernConventions() : Conventions{});
    if (!outcome.chart) continue;  // a polar stop has no chart object
    ++charts;
    std::string text;
    AppendChartJson(text, *outcome.chart);
    const auto json = nlohmann::json::parse(text);
    for (std::size_t body = 0; body < 10; ++body) {
      const double longitude = json["longitudes"][kBodies[body]];
      EXPECT_EQ(ShortPosition(FormatLongitude(longitude)), json["positions"][body])
          << kBodies[body] << " of " << test::BatchInputLine(sample);
    }
    const double pranapada = json["pranapada"]["longitude"];
    EXPECT_EQ(static_cast<int>(std::floor(pranapada / 30.0)) + 1, json["pranapada"]["sign"])
        << test::BatchInputLine(sample);
  }
  EXPECT_GT(charts, 400);
}

}  // namespace
}  // namespace velquor
