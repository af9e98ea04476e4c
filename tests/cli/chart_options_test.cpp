// The options of a birth on the command line: read into birth data, and named after the key
// table's entries and the conventions' keys, every one of which the chart and windows
// commands take.
#include "cli/chart_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "births/birth_keys.h"
#include "cli_run.h"
#include "support/birth_of.h"

namespace velquor {
namespace {

using test::ExpectFault;

ChartOptions DelhiOptions() {
  ChartOptions options;
  options.name = "ASHA";
  options.date = "1990-08-15";
  options.time = "06:30:15";
  options.zone = "Indian Time, IST, +5.3";
  options.lat = "33S52";
  options.lon = "77W13";
  options.dst = true;
  options.city = "Zürich";
  return options;
}

TEST(ChartOptionsReading, FillsEveryField) {
  EXPECT_EQ(BirthDataOfOptions(DelhiOptions()),
            (test::BirthOf("ASHA", 1990, 8, 15, 6, 30, 15, 34, 33, 52, true, 77, 13, false, true,
                           "Zürich", "", "")));
}

TEST(ChartOptionsReading, RefusesTextsThatAreNotUtf8) {
  const std::pair<std::string ChartOptions::*, const char*> texts[] = {
      {&ChartOptions::name, "--name"},
      {&ChartOptions::city, "--city"},
      {&ChartOptions::state, "--state"},
      {&ChartOptions::country, "--country"}};
  for (const auto& [field, option] : texts) {
    ChartOptions options = DelhiOptions();
    options.*field = "Z\xFCrich";  // Latin-1
    ExpectFault([&] { BirthDataOfOptions(options); }, option, option);
  }
}

// The line of `option` in a command's help, or "" when the help has none.
std::string HelpLine(const std::string& command, const std::string& option) {
  for (const std::string& line : test::Lines(test::Cli({"help", command}).out)) {
    if (line.rfind("  " + option + " ", 0) == 0) return line;
  }
  return {};
}

TEST(ChartOptionNames, EveryEntryOfTheKeyTableIsAnOptionOfTheChartAndTheWindows) {
  for (const char* command : {"chart", "windows"}) {
    for (const BirthKey& key : kBirthKeys) {
      if (key.kind == BirthKeyKind::Note) continue;  // a saved birth's, not a chart's
      EXPECT_NE(HelpLine(command, OptionName(key.entry)), "") << command << " " << key.key;
    }
    for (const ConventionKey& choice : kConventionKeys) {
      EXPECT_NE(HelpLine(command, OptionName(choice.key)), "") << command << " " << choice.key;
    }
  }
}

TEST(ChartOptionNames, FaultsNameTheOptionOfTheFieldsEntry) {
  for (const BirthKey& key : kBirthKeys) {
    if (key.field == BirthField::Count) continue;
    EXPECT_EQ(NameOf(key.field, ChartOptionNames()), OptionName(key.entry)) << key.key;
  }
  EXPECT_EQ(ConventionOptionNames().set, "--conventions");
  EXPECT_EQ(ConventionOptionNames().choices[2], "--pranapada-sun");
}

// Each choice's help names every value the choice takes.
TEST(ChartOptionNames, EachChoiceSaysWhichValuesItTakes) {
  for (std::size_t i = 0; i < kConventionChoices; ++i) {
    const std::string line = HelpLine("chart", ConventionOptionNames().choices[i]);
    std::string_view values = kConventionKeys[i].values;
    for (std::size_t start = 0; start < values.size();) {
      const std::size_t end = std::min(values.find(", ", start), values.size());
      const std::string value(values.substr(start, end - start));
      EXPECT_NE(line.find(value), std::string::npos) << line << " lacks " << value;
      start = end + 2;
    }
  }
}

}  // namespace
}  // namespace velquor
