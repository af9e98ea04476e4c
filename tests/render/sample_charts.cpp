#include "sample_charts.h"

#include <stdexcept>

#include "chart/chart_run.h"
#include "support/birth_of.h"

namespace velquor::test {

const std::vector<ChartResult>& SampleCharts() {
  static const std::vector<ChartResult> charts = [] {
    std::vector<ChartResult> made;
    for (int hour = 0; hour < 24; hour += 2) {
      const ChartOutcome outcome =
          RunChart(BirthOf("ASHA MEHTA", 1985, 3, 21, hour, 45, 0, 34, 28, 37, false, 77, 13, true,
                           false, "New Delhi", "Delhi", "India"));
      if (!outcome.chart) throw std::runtime_error("a sample birth gave no chart");
      made.push_back(*outcome.chart);
    }
    return made;
  }();
  return charts;
}

}  // namespace velquor::test
