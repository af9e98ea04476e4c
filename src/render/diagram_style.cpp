#include "render/diagram_style.h"

namespace velquor {

namespace {

struct StyleNames {
  DiagramStyle style;
  std::string_view name;
  std::string_view title;
};

constexpr std::array<StyleNames, 3> kNames = {{
    {DiagramStyle::South, "south", "South-Indian"},
    {DiagramStyle::North, "north", "North-Indian"},
    {DiagramStyle::East, "east", "East-Indian"},
}};

const StyleNames& NamesOf(DiagramStyle style) {
  for (const StyleNames& names : kNames)
    if (names.style == style) return names;
  return kNames[0];
}

}  // namespace

std::string_view NameOf(DiagramStyle style) { return NamesOf(style).name; }

std::string_view TitleOf(DiagramStyle style) { return NamesOf(style).title; }

std::optional<DiagramStyle> DiagramStyleNamed(std::string_view name) {
  for (const StyleNames& names : kNames)
    if (names.name == name) return names.style;
  return std::nullopt;
}

}  // namespace velquor
