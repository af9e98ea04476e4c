// The chart as one JSON object: the output of `chart --json` and of every batch line.
#pragma once

#include <string>

#include "chart/chart_result.h"
#include "chart/special_lagnas.h"

namespace velquor {

// Appends the object, without a line end. Keys, in order: zone, ascendant, moon, positions,
// longitudes, chart_names, asc_sign, sign_cells, special_cells, sunrise, birth_moment,
// reference_sunrise, elapsed_seconds, elapsed_minutes, sun_at_sunrise, sun_at_sunrise_text,
// sunrise_positions, pranapada, house_text, dst, details, conventions. Doubles are written
// in full (they read back unchanged). `longitudes` holds the numbers of `positions` by body
// name (sun .. ketu, ascendant), sidereal degrees 0 to 360; `pranapada.longitude` is the
// Pranapada Lagna's, to the arc minute. docs/chart.schema.json describes every key.
void AppendChartJson(std::string& out, const ChartResult& chart);

// What a chart object may hold beyond the keys above, each only when asked, so that the
// plain object costs what it always did.
struct ChartJsonParts {
  // "special_lagnas": the options, then each lagna by its key (longitude, text, sign, house,
  // whole_sign), null where a sunrise or sunset it needs does not happen.
  bool specialLagnas = false;
  SpecialLagnaOptions lagnaOptions;
  // "vargas": "D1" .. "D60", each the sign (1 .. 12) of every body, the ascendant, the
  // Pranapada Lagna ("pranapada") and, with specialLagnas, each available special lagna.
  bool vargas = false;
};

// The object with the parts asked, added after "conventions".
void AppendChartJson(std::string& out, const ChartResult& chart, const ChartJsonParts& parts);

}  // namespace velquor
