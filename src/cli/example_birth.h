// The birth the example command charts: a morning in New Delhi on Indian time.
#pragma once

#include "chart/birth_data.h"

namespace velquor {

BirthData ExampleBirth();

}  // namespace velquor
