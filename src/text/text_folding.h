// Folding of place names for searching: what a user types without accents or capitals
// must find the name as the atlas spells it.
#pragma once

#include <string>
#include <string_view>

namespace velquor {

// Given: UTF-8 text (a malformed byte is dropped).
// Returned: the text in lower case with the accents of Latin letters removed ("São Paulo" →
// "sao paulo", "Łódź" → "lodz", "Straße" → "strasse"), apostrophes removed ("St. John's" →
// "st johns"), every other punctuation mark and run of blanks made one blank, and no blank
// at either end. Letters of other scripts are kept as they are.
std::string FoldForSearch(std::string_view text);

}  // namespace velquor
