// The conventions the desktop program charts by, kept between runs in the user's settings
// (the table of gui/common/settings.h: group "conventions", each choice by its name). An
// unknown or missing value reads as the classic choice.
#pragma once

#include "chart/conventions.h"

namespace velquor {

Conventions LoadConventions();
void SaveConventions(const Conventions& conventions);

}  // namespace velquor
