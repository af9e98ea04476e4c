// The styles a sign chart is drawn in. South-Indian: the signs in fixed places of a square,
// clockwise from Aries second in the top row. North-Indian: the houses in fixed places of a
// diamond, the ascendant's house at the top, counter-clockwise, each with its sign number.
// East-Indian: the signs in fixed places of a three-by-three square whose corners are cut in
// two, counter-clockwise from Aries at the top middle. Standard library only.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace velquor {

enum class DiagramStyle { South, North, East };

inline constexpr std::array<DiagramStyle, 3> kDiagramStyles = {
    DiagramStyle::South, DiagramStyle::North, DiagramStyle::East};

// "south", "north", "east": how options and settings name a style.
std::string_view NameOf(DiagramStyle style);
// The style of such a name; nothing for any other text.
std::optional<DiagramStyle> DiagramStyleNamed(std::string_view name);
// "South-Indian", "North-Indian", "East-Indian": how a page or a list shows it.
std::string_view TitleOf(DiagramStyle style);

}  // namespace velquor
