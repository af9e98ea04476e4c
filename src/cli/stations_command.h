// velquor-cli stations PLANET: a planet's retrograde periods as the station tables hold
// them, retrograde station then direct station, one period a line.
#pragma once

#include <memory>

#include "cli/command.h"

namespace velquor {

std::unique_ptr<Command> MakeStationsCommand();

}  // namespace velquor
