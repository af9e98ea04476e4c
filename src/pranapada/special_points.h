// The eight special points the chart run tags in the special-point cells before the
// Pranapada Lagna: each shows only as one more (empty) line in the cell of its sign.
#pragma once

#include <array>
#include <cstdint>

namespace velquor {

struct ChartContext;

inline constexpr int kSpecialPointCount = 8;

// Sign index (0 = Aries .. 11) of a longitude in degrees as the chart's position texts
// read it: floor(|x|) / 30, with exactly 360 reading as Aries.
int SignIndexOfLongitude(double x);

// Sign indices of the eight points, in tag order: fast, medium and slow points (the Sun
// at sunrise plus 1.25, 0.5 and 0.25 degrees per elapsed minute), the factor point of the
// arudha scan, the odd/even combination of the ascendant and the medium point, the Moon's
// sign, the Sun's sign (at the reference sunrise) and the nakshatra-fraction point.
// Reads chart.planets after the sunrise run, chart.ascendant, chart.moon and chart.arudha
// after the twelve arudha calls.
std::array<int, kSpecialPointCount> SpecialPointSigns(const ChartContext& chart, std::int64_t elapsedMinutes);

}  // namespace velquor
