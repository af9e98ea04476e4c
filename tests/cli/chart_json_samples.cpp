// Writes the batch output of the sample births (sample_births.h), one JSON line each: the
// chart object or the error line, exactly as `velquor-cli batch` writes them. The schema
// test (check_chart_schema.py) validates every line against docs/chart.schema.json; every
// other line carries the special lagnas and the vargas too.
#include <iostream>
#include <string>

#include "cli/batch_line.h"
#include "sample_births.h"

int main() {
  using namespace velquor;
  std::uint64_t number = 0;
  std::string out;
  for (const test::SampleBirth& sample : test::SampleBirths()) {
    const std::string input = test::BatchInputLine(sample);
    // Every other line with the parts a chart object may add.
    ++number;
    if (number % 2 == 0) {
      ChartLineWith(InputLine{input, number, false}, out, ChartJsonParts{true, {}, true});
    } else {
      ChartLine(InputLine{input, number, false}, out);
    }
  }
  std::cout << out;
  return std::cout.flush() ? 0 : 1;
}
