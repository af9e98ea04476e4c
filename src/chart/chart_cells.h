// The cells of the sign chart: a sign cell lists its bodies one per line, a special-point
// cell its tags one per line, each line opened by a carriage return and line feed.
#pragma once

#include <string>
#include <string_view>

namespace velquor {

inline constexpr std::string_view kCellLineBreak = "\r\n";

// Appends a line break and `text` (which may be empty: an empty tag still takes a line).
void AppendToCell(std::string& cell, std::string_view text);

}  // namespace velquor
