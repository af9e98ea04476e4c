#include "chart/key_filter.h"

namespace velquor {

namespace {

bool Between(char32_t code, char first, char last) {
  return code >= static_cast<char32_t>(first) && code <= static_cast<char32_t>(last);
}

KeyVerdict Reject(const char* message, MessageIcon icon) {
  return KeyVerdict{0, KeyRejection{message, icon}};
}

}  // namespace

KeyVerdict FilterNameKey(char32_t code) {
  // Names are kept in capitals: "a".."z" turn into "A".."Z". The six codes between the
  // two letter ranges ("[" .. "`") are not letters.
  if (Between(code, 'a', 'z')) return KeyVerdict{code - 32, std::nullopt};
  if (Between(code, 'A', 'Z') || code == ' ' || code == kEnterCode || code == kBackspaceCode)
    return KeyVerdict{code, std::nullopt};
  return Reject("Please Enter only Letters", MessageIcon::Information);
}

KeyVerdict FilterNumberKey(char32_t code) {
  if (Between(code, '0', '9') || code == kBackspaceCode) return KeyVerdict{code, std::nullopt};
  return Reject("Only Numbers Are Accepted", MessageIcon::Critical);
}

}  // namespace velquor
