// Writing JSON values by hand into a string: the batch output is written this way because
// building a document object per line would cost more than the chart itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace velquor {

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values above
// U+10FFFF).
bool IsValidUtf8(std::string_view text);

// A quoted JSON string. Control characters are escaped; a byte that does not belong to a
// well-formed UTF-8 sequence becomes U+FFFD, so the output is always valid JSON.
void AppendJsonString(std::string& out, std::string_view text);

// The shortest text that reads back as the same double. Throws std::domain_error for NaN
// and infinities, which JSON cannot hold.
void AppendJsonDouble(std::string& out, double value);

void AppendJsonInteger(std::string& out, std::int64_t value);

// An object's key: a comma unless it opens its object or array, then the quoted key and a
// colon, in one append. `key` is a plain name of at most 32 characters, which needs no
// escapes.
void AppendJsonKey(std::string& out, std::string_view key);

void AppendJsonBool(std::string& out, bool value);

// An object's member: its key (AppendJsonKey), then the value as its type is written: true
// or false, a whole number, a double, or a string.
template <typename Value>
void AppendJsonMember(std::string& out, std::string_view key, const Value& value) {
  AppendJsonKey(out, key);
  if constexpr (std::is_same_v<Value, bool>) {
    AppendJsonBool(out, value);
  } else if constexpr (std::is_integral_v<Value>) {
    AppendJsonInteger(out, value);
  } else if constexpr (std::is_floating_point_v<Value>) {
    AppendJsonDouble(out, value);
  } else {
    AppendJsonString(out, value);
  }
}

// An object as a member: its key, then braces around what `members` appends.
template <typename Members>
void AppendJsonObject(std::string& out, std::string_view key, const Members& members) {
  AppendJsonKey(out, key);
  out += '{';
  members();
  out += '}';
}

}  // namespace velquor
