#include "support/chart_labels.h"

namespace velquor::test {

std::vector<std::pair<QString, std::string>> ExpectedLabelTexts(const ChartResult& chart) {
  std::vector<std::pair<QString, std::string>> expected = {
      {"lblName", chart.details.name},
      {"lblDOB", chart.details.dob},
      {"lblTOB", chart.details.tob},
      {"lblLatitude", chart.details.latitude},
      {"lblLongitude", chart.details.longitude},
      {"lblCity", chart.details.city},
      {"lblState", chart.details.state},
      {"lblCountry", chart.details.country},
      {"lblHouseDesc", chart.HouseText},
  };
  for (std::size_t i = 0; i < chart.PositionTexts.size(); ++i)
    expected.emplace_back(QStringLiteral("planet_%1").arg(i), chart.PositionTexts[i]);
  for (std::size_t k = 0; k < 12; ++k) {
    expected.emplace_back(QString::fromLatin1(kSignLabels[k]), chart.SignCells[k]);
    expected.emplace_back(QStringLiteral("lblArudha_%1").arg(k), chart.SpecialCells[k]);
  }
  return expected;
}

}  // namespace velquor::test
