// What the user of the command-line tool calls each field of the birth data: an option
// ("--lat") or a JSON key ("lat_deg").
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "chart/validation.h"

namespace velquor {

// Indexed by BirthField.
using FieldNames = std::array<std::string_view, static_cast<std::size_t>(BirthField::Count)>;

inline std::string_view NameOf(BirthField field, const FieldNames& names) {
  return names[static_cast<std::size_t>(field)];
}

}  // namespace velquor
