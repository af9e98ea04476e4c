// What a front end calls each field of the birth data in its messages: a command-line
// option ("--lat") or a key of a batch line ("lat_deg").
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
