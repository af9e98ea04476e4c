// The key filters of the birth-data form: which typed characters the name box and the
// degree and minute boxes accept, and what the user is told about the others.
#pragma once

#include <optional>
#include <string>

#include "chart/validation.h"

namespace velquor {

inline constexpr char32_t kBackspaceCode = 8;
inline constexpr char32_t kEnterCode = 13;

struct KeyRejection {
  std::string message;
  MessageIcon icon;
};

// What happens to one typed character code: it is inserted as `code` (possibly a different
// character than the one typed), or it is discarded and the user sees `rejection`.
struct KeyVerdict {
  char32_t code = 0;  // 0 when discarded
  std::optional<KeyRejection> rejection;
};

// txtName: letters, blank, Enter and Backspace; a lowercase letter becomes its capital.
KeyVerdict FilterNameKey(char32_t code);

// txtLonD, txtLonM, txtLatD, txtLatM: the digits and Backspace.
KeyVerdict FilterNumberKey(char32_t code);

}  // namespace velquor
