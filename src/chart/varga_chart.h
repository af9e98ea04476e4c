// A divisional chart of a chart run: every body, the ascendant, the Pranapada Lagna and the
// special lagnas placed in a varga by their birth-chart longitudes, and its sign cells.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "astro/vargas.h"
#include "chart/chart_result.h"
#include "chart/special_lagnas.h"

namespace velquor {

// Where every point of a chart falls in one varga.
struct VargaPlaces {
  Varga varga = Varga::D1;
  std::array<VargaPlace, 10> bodies;  // Sun .. Ketu, the ascendant, in the chart's body order
  VargaPlace pranapada;               // of the Pranapada Lagna's longitude (to the arc minute)
  // Of each special lagna's longitude; empty where the point is not available or none
  // were given.
  std::array<std::optional<VargaPlace>, kSpecialLagnaCount> specialLagnas;
  int ascendantSign = 0;                      // bodies[ascendant].sign, 0 .. 11
};

// The places with the varga's sign cells, as the text chart and the drawings show them.
struct VargaChart : VargaPlaces {
  std::array<std::string, 12> SignCells;      // the chart names of the bodies, by varga sign
  std::array<std::string, 12> SpecialCells;   // "PpL" in its varga sign
};

// The places of the varga chart of `chart`.
VargaPlaces VargaPlacesOf(const ChartResult& chart, Varga varga,
                         const SpecialLagnas* specialLagnas = nullptr);

// The places of all sixteen, in the order of kVargas.
std::array<VargaPlaces, kVargaCount> AllVargaPlacesOf(const ChartResult& chart,
                                                     const SpecialLagnas* specialLagnas = nullptr);

// The varga chart of `chart` with its cells. D1 keeps the chart's own cells as they are (its special-point
// cells with their unnamed tags too); any other varga's cells hold the bodies and "PpL".
VargaChart VargaChartOf(const ChartResult& chart, Varga varga,
                        const SpecialLagnas* specialLagnas = nullptr);

// The Pranapada Lagna's longitude in degrees, to the arc minute, as the chart gives it.
double PranapadaLongitudeOf(const ChartResult& chart);

}  // namespace velquor
