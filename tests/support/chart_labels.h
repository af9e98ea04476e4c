// What each label of the result window must read for a chart: label name and text.
#pragma once

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "chart/chart_result.h"

namespace velquor::test {

// The sign labels by sign index, Aries first.
inline constexpr const char* kSignLabels[12] = {
    "lblAries", "lblTaurus",  "lblGemini",      "lblCancer",    "lblLeo",      "lblVirgo",
    "lblLibra", "lblScorpio", "lblSagattarius", "lblCapricorn", "lblAquarius", "lblPisces"};

std::vector<std::pair<QString, std::string>> ExpectedLabelTexts(const ChartResult& chart);

}  // namespace velquor::test
