// The significance of the house in which the Pranapada Lagna falls.
#pragma once

#include <string_view>

namespace velquor {

// The text of house 1..12 (counted from the ascendant's sign as house 1).
// Throws std::out_of_range for any other number.
std::string_view HouseSignificance(int house);

}  // namespace velquor
