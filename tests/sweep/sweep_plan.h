// The birth data of the domain sweep: every zone of the form with and without daylight
// saving, on the days of 1901..2050 where calendars and clocks turn (1 and 2 January,
// 30 and 31 December, 28 and 29 February and 1 March, the daylight-saving changes of
// Europe and the United States and the days either side), plus every n-th day; at times
// spread over the day and places spread over both hemispheres, the edges of each range
// included.
#pragma once

#include <cstdint>
#include <vector>

#include "chart/birth_data.h"

namespace velquor {

struct SweepSize {
  int dayStep = 0;        // besides the turning days, every dayStep-th day (0: turning days only)
  int chartsPerCell = 1;  // charts per day, zone and daylight flag
  int cellStep = 1;  // only every cellStep-th (day, zone, flag) cell; must share no factor with 142
};

class SweepPlan {
 public:
  // Throws std::invalid_argument for a size that would leave zones or flags out.
  explicit SweepPlan(const SweepSize& size);

  std::uint64_t ChartCount() const { return chartCount_; }
  std::size_t DayCount() const { return days_.size(); }

  // Chart 0 .. ChartCount() - 1; the same index always gives the same chart.
  BirthData Chart(std::uint64_t index) const;

 private:
  SweepSize size_;
  std::vector<std::int64_t> days_;  // days since 1970-01-01, ascending
  std::uint64_t chartCount_ = 0;
};

}  // namespace velquor
