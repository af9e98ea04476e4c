#include "chart/varga_chart.h"

#include "chart/chart_cells.h"
#include "chart/position_texts.h"
#include "pranapada/pranapada_lagna.h"

namespace velquor {

double PranapadaLongitudeOf(const ChartResult& chart) {
  return PranapadaLongitude(chart.SunAtSunriseText, chart.pranapada);
}

namespace {

VargaPlaces PlacesOf(const ChartResult& chart, Varga varga, const SpecialLagnas* specialLagnas,
                     double pranapadaLongitude) {
  VargaPlaces out;
  out.varga = varga;
  for (std::size_t body = 0; body < out.bodies.size(); ++body) {
    out.bodies[body] = VargaPlaceOf(chart.longitudes[body], varga);
  }
  out.ascendantSign = out.bodies[kAscendantBody].sign;
  out.pranapada = VargaPlaceOf(pranapadaLongitude, varga);
  if (specialLagnas != nullptr) {
    for (std::size_t i = 0; i < kSpecialLagnaCount; ++i) {
      const SpecialLagnaPoint& point = specialLagnas->points[i];
      if (point.available) out.specialLagnas[i] = VargaPlaceOf(point.longitude, varga);
    }
  }
  return out;
}

}  // namespace

VargaPlaces VargaPlacesOf(const ChartResult& chart, Varga varga,
                         const SpecialLagnas* specialLagnas) {
  return PlacesOf(chart, varga, specialLagnas, PranapadaLongitudeOf(chart));
}

std::array<VargaPlaces, kVargaCount> AllVargaPlacesOf(const ChartResult& chart,
                                                      const SpecialLagnas* specialLagnas) {
  std::array<VargaPlaces, kVargaCount> all;
  for (std::size_t i = 0; i < kVargaCount; ++i) all[i].varga = kVargas[i];
  for (std::size_t body = 0; body < kBodyCount; ++body) {
    const auto places = AllVargaPlacesOf(chart.longitudes[body]);
    for (std::size_t i = 0; i < kVargaCount; ++i) all[i].bodies[body] = places[i];
  }
  const auto pranapada = AllVargaPlacesOf(PranapadaLongitudeOf(chart));
  for (std::size_t i = 0; i < kVargaCount; ++i) {
    all[i].pranapada = pranapada[i];
    all[i].ascendantSign = all[i].bodies[kAscendantBody].sign;
  }
  if (specialLagnas != nullptr) {
    for (std::size_t k = 0; k < kSpecialLagnaCount; ++k) {
      const SpecialLagnaPoint& point = specialLagnas->points[k];
      if (!point.available) continue;
      const auto places = AllVargaPlacesOf(point.longitude);
      for (std::size_t i = 0; i < kVargaCount; ++i) all[i].specialLagnas[k] = places[i];
    }
  }
  return all;
}

VargaChart VargaChartOf(const ChartResult& chart, Varga varga,
                        const SpecialLagnas* specialLagnas) {
  VargaChart out;
  static_cast<VargaPlaces&>(out) = VargaPlacesOf(chart, varga, specialLagnas);
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
