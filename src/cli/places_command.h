// velquor-cli places QUERY: the atlas's matches for a place, one a line, tab-separated:
// city ("Bombay → Mumbai" when found by another name), state, country, latitude and
// longitude ("25N19", "83E01"), IANA zone, and the time-zone row suggested for the date and
// time of --date and --time (today at noon by default) or why there is none.
#pragma once

#include <memory>

#include "cli/command.h"

namespace velquor {

std::unique_ptr<Command> MakePlacesCommand();

}  // namespace velquor
