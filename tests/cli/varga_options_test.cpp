// velquor-cli chart and batch with the vargas and the special lagnas: every sign in the
// JSON is the varga of the longitude beside it, the options reach the counts, the faults
// are named, and the plain outputs stay as they were.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/vargas.h"
#include "cli/cli_app.h"
#include "cli_run.h"

namespace velquor::test {
namespace {

constexpr const char* kBodies[] = {"sun",     "moon",   "mercury", "venus", "mars",
                                   "jupiter", "saturn", "rahu",    "ketu",  "ascendant"};

// Births around the day and in both sets of conventions.
std::vector<std::vector<std::string>> Charts() {
  std::vector<std::vector<std::string>> charts;
  for (const char* time : {"06:30:15", "00:10:59", "13:45:01", "21:59:30"}) {
    for (const char* set : {"classic", "modern"}) {
      std::vector<std::string> args = With(kDelhi, "--time", time);
      args.insert(args.end(), {"--conventions", set, "--json", "--vargas", "--special-lagnas"});
      charts.push_back(args);
    }
  }
  return charts;
}

TEST(CliVargas, EverySignIsTheVargaOfItsLongitude) {
  for (const auto& args : Charts()) {
    const CliRun run = Cli(args);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const Json chart = Json::parse(run.out);
    Json plain = chart;
    plain.erase("vargas");
    plain.erase("special_lagnas");
    ExpectConsistentChart(plain);
    const Json& lagnas = chart["special_lagnas"];
    for (const Varga varga : kVargas) {
      const Json& signs = chart["vargas"][std::string(VargaCode(varga))];
      for (const char* body : kBodies) {
        EXPECT_EQ(signs[body], VargaSign(chart["longitudes"][body], varga) + 1)
            << body << " in " << VargaCode(varga);
      }
      EXPECT_EQ(signs["pranapada"], VargaSign(chart["pranapada"]["longitude"], varga) + 1);
      for (const auto& [key, point] : lagnas.items()) {
        if (key == "options" || point.is_null()) continue;
        EXPECT_EQ(signs[key], VargaSign(point["longitude"], varga) + 1)
            << key << " in " << VargaCode(varga);
      }
    }
    EXPECT_EQ(chart["vargas"]["D1"]["ascendant"], chart["asc_sign"]);
    EXPECT_EQ(chart["vargas"]["D1"]["pranapada"], chart["pranapada"]["sign"]);
    for (const auto& [key, point] : lagnas.items()) {
      if (key == "options" || point.is_null()) continue;
      const int house = (point["sign"].get<int>() - chart["asc_sign"].get<int>() + 12) % 12 + 1;
      EXPECT_EQ(point["house"], house) << key;
    }
  }
}

TEST(CliVargas, PlainOutputsHaveNeither) {
  const Json plain = Json::parse(Cli(Plus(kDelhi, "--json")).out);
  EXPECT_FALSE(plain.contains("vargas"));
  EXPECT_FALSE(plain.contains("special_lagnas"));
  const Json vargas = Json::parse(Cli(Plus(Plus(kDelhi, "--json"), "--vargas")).out);
  EXPECT_TRUE(vargas.contains("vargas"));
  EXPECT_FALSE(vargas["vargas"]["D9"].contains("hora"));  // no special lagnas asked
  // The parts come after every key of the plain object, which is left as it was.
  Json trimmed = Json::parse(Cli(Plus(Plus(Plus(kDelhi, "--json"), "--vargas"),
                                      "--special-lagnas")).out);
  trimmed.erase("vargas");
  trimmed.erase("special_lagnas");
  EXPECT_EQ(trimmed, plain);
}

TEST(CliVargas, OptionsReachTheCounts) {
  const auto lagnas = [](std::vector<std::string> more) {
    std::vector<std::string> args = Plus(Plus(kDelhi, "--json"), "--special-lagnas");
    args.insert(args.end(), more.begin(), more.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, kExitOk) << run.err;
    return Json::parse(run.out)["special_lagnas"];
  };
  const Json standard = lagnas({});
  EXPECT_EQ(standard["options"],
            Json::parse(R"({"varnada":"whole-signs","gulika":"start","mandi":"middle"})"));
  EXPECT_TRUE(standard["varnada"]["whole_sign"]);
  EXPECT_TRUE(standard["indu"]["whole_sign"]);
  const Json byDegrees = lagnas({"--varnada", "longitudes"});
  EXPECT_FALSE(byDegrees["varnada"]["whole_sign"]);
  EXPECT_EQ(byDegrees["options"]["varnada"], "longitudes");
  // Mandi at the start of Saturn's part is Gulika; Gulika at its middle is Mandi.
  EXPECT_EQ(lagnas({"--mandi", "start"})["mandi"]["longitude"], standard["gulika"]["longitude"]);
  EXPECT_EQ(lagnas({"--gulika", "middle"})["gulika"]["longitude"], standard["mandi"]["longitude"]);
  EXPECT_NE(lagnas({"--gulika", "end"})["gulika"]["longitude"], standard["gulika"]["longitude"]);
}

TEST(CliVargas, FaultsAreNamed) {
  for (const auto& [option, value] : {std::pair{"--varga", "D5"}, {"--varga", "navamsa"},
                                      {"--varnada", "signs"}, {"--gulika", "noon"},
                                      {"--mandi", "Middle"}}) {
    const CliRun run = Cli(Plus(Plus(kDelhi, option), value));
    EXPECT_EQ(run.status, kExitBadInput) << option;
    EXPECT_NE(run.err.find(std::string(option) + ": unknown value \"" + value + "\""),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST(CliVargas, TextChartOfAVarga) {
  const std::string plain = Cli(kDelhi).out;
  EXPECT_EQ(Cli(Plus(Plus(kDelhi, "--varga"), "D1")).out, plain);
  const std::string navamsa = Cli(Plus(Plus(kDelhi, "--varga"), "D9")).out;
  EXPECT_NE(navamsa.find("D9 Navamsa\n"), std::string::npos);
  EXPECT_EQ(navamsa.find("Hora\n"), std::string::npos);
  // The Delhi birth's Navamsa, as worked by hand: the Sun in Pisces, Rahu in Aries, the
  // Pranapada Lagna (at 06:30:15, 41 min 15 s of arc on from the Sun's 28° 20' Cancer:
  // 24° 35' Aquarius, its eighth ninth) in Taurus.
  EXPECT_NE(navamsa.find("│ Pisces          │ Aries           │ Taurus      PpL │"),
            std::string::npos)
      << navamsa;
  const std::string table = Cli(Plus(kDelhi, "--special-lagnas")).out;
  EXPECT_NE(table.find("Special Lagnas\n  Bhava Lagna     "), std::string::npos) << table;
  EXPECT_NE(table.find("  Mandi           "), std::string::npos);
  EXPECT_NE(table.find("Hora\n"), std::string::npos);
}

TEST(CliVargas, BatchAsksForTheParts) {
  const std::string line = BatchLine("ASHA", 6,
                                     R"(,"second":15,"city":"New Delhi",)"
                                     R"("state":"Delhi","country":"India")");
  const CliRun batch = Cli({"batch", "--vargas", "--special-lagnas", "-"}, line);
  EXPECT_EQ(batch.status, kExitOk) << batch.err;
  EXPECT_EQ(batch.out,
            Cli(Plus(Plus(Plus(kDelhi, "--json"), "--vargas"), "--special-lagnas")).out);
  EXPECT_FALSE(Json::parse(Cli({"batch", "-"}, line).out).contains("vargas"));
}

// The windows meet second to second, and each one's first and last second chart the sign it
// gives, the next window's first second another.
TEST(CliVargas, WindowsOfAVargaAgreeWithTheCharts) {
  std::vector<std::string> args = kDelhi;
  args[0] = "windows";
  args.insert(args.end(), {"--varga", "D9", "--span", "2", "--json"});
  const CliRun run = Cli(args);
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const Json windows = Json::parse(run.out);
  ASSERT_GT(windows.size(), 4u);
  const auto signAt = [](const std::string& moment) {
    std::vector<std::string> chart = With(kDelhi, "--time", moment.substr(11));
    chart.insert(chart.end(), {"--json", "--vargas"});
    return Json::parse(Cli(chart).out)["vargas"]["D9"]["pranapada"];
  };
  EXPECT_EQ(windows.front()["from"], "1990-08-15 06:28:15");
  EXPECT_EQ(windows.back()["to"], "1990-08-15 06:32:15");
  for (const Json& window : windows) {
    EXPECT_EQ(window["varga"], "D9");
    EXPECT_EQ(signAt(window["from"]), window["pranapada_sign"]) << window;
    EXPECT_EQ(signAt(window["to"]), window["pranapada_sign"]) << window;
  }
  const CliRun bad = Cli(Plus(Plus(Without(args, "--json"), "--varga"), "D8"));
  EXPECT_EQ(bad.status, kExitBadInput);
}

}  // namespace
}  // namespace velquor::test
