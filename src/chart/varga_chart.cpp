#include "chart/varga_chart.h"

#include "chart/chart_cells.h"
#include "chart/position_texts.h"
#include "pranapada/pranapada_lagna.h"

namespace velquor {

double PranapadaLongitudeOf(const ChartResult& chart) {
  return PranapadaLongitude(chart.SunAtSunriseText, chart.pranapada);
}

VargaChart VargaPlacesOf(const ChartResult& chart, Varga varga,
                         const SpecialLagnas* specialLagnas) {
  VargaChart out;
  out.varga = varga;
  for (std::size_t body = 0; body < out.bodies.size(); ++body) {
    out.bodies[body] = VargaPlaceOf(chart.longitudes[body], varga);
  }
  out.ascendantSign = out.bodies[kAscendantBody].sign;
  out.pranapada = VargaPlaceOf(PranapadaLongitudeOf(chart), varga);
  if (specialLagnas != nullptr) {
    for (std::size_t i = 0; i < kSpecialLagnaCount; ++i) {
      const SpecialLagnaPoint& point = specialLagnas->points[i];
      if (point.available) out.specialLagnas[i] = VargaPlaceOf(point.longitude, varga);
    }
  }
  return out;
}

VargaChart VargaChartOf(const ChartResult& chart, Varga varga,
                        const SpecialLagnas* specialLagnas) {
  VargaChart out = VargaPlacesOf(chart, varga, specialLagnas);
  if (varga == Varga::D1) {
    out.SignCells = chart.SignCells;
    out.SpecialCells = chart.SpecialCells;
    return out;
  }
  for (std::size_t body = 0; body < out.bodies.size(); ++body) {
    AppendToCell(out.SignCells[static_cast<std::size_t>(out.bodies[body].sign)],
                 chart.ChartNames[body]);
  }
  AppendToCell(out.SpecialCells[static_cast<std::size_t>(out.pranapada.sign)], "PpL");
  return out;
}

}  // namespace velquor
