// What every chart run must give, whatever the birth data inside the form's domains:
// either a well-formed chart or the polar stop, nothing else. Shared by the domain sweep
// and the chart-run fuzz target.
#pragma once

#include <string>
#include <vector>

#include "chart/birth_data.h"
#include "chart/chart_run.h"

namespace velquor {

// The faults of one outcome of RunChart(birth); empty when it is sound.
//
// A chart is sound when every text has its format (long and short position texts, chart
// names, detail texts, sign and special-point cells), the signs and the house are 1..12,
// every number is finite, the sunrise and sunset of the birth day are there, each event
// of D-1, D and D+1 lies within a day of its date, the reference sunrise is the sunrise of
// D-1, D or D+1 that the birth's place in the day calls for, and the elapsed time is at
// least 0 and under two days and matches it. (A clock half a day from the place's sun
// puts the sunrise of D-1 on the date before it: 85° 26' N, 115° 45' W on +8.5 hours.)
// A stop is sound when it carries the polar message for one of those days, at a latitude
// where the Sun can stay up or down all day.
std::vector<std::string> ChartOutcomeFaults(const BirthData& birth, const ChartOutcome& outcome);

}  // namespace velquor
