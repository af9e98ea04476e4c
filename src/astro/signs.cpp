#include "astro/signs.h"

#include <cstddef>

namespace velquor {

std::string_view SignAbbreviation(int signIndex) {
  return SignAbbreviations.substr(static_cast<std::size_t>(signIndex) * 3, 3);
}

int SignIndexOfAbbreviation(std::string_view abbreviation) {
  for (int i = 0; i < 12; ++i) {
    if (SignAbbreviation(i) == abbreviation) return i;
  }
  return -1;
}

}  // namespace velquor
