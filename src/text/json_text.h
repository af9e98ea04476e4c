// Writing JSON values by hand into a string: the batch output is written this way because
// building a document object per line would cost more than the chart itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

}  // namespace velquor
