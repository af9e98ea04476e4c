// The chart style the result window draws in, kept between runs in the user's settings
// (QSettings, key "chart/style", the style's name). A missing or unknown value reads as the
// South-Indian style.
#pragma once

#include "render/diagram_style.h"

namespace velquor {

DiagramStyle LoadDiagramStyle();
void SaveDiagramStyle(DiagramStyle style);

}  // namespace velquor
