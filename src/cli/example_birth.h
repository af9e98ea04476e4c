// The birth the example command charts: a morning in New Delhi on Indian time.
#pragma once

#include "cli/birth_input.h"

namespace velquor {

BirthInput ExampleBirth();

}  // namespace velquor
