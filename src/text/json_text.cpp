#include "text/json_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace velquor {

namespace {

// Length of the well-formed UTF-8 sequence at the start of `text`, 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

// Bytes that go into a JSON string as they are: printable ASCII except '"' and '\\'.
constexpr std::array<bool, 256> kPlainBytes = [] {
  std::array<bool, 256> plain{};
  for (int byte = 0x20; byte < 0x80; ++byte) plain[static_cast<std::size_t>(byte)] = true;
  plain['"'] = false;
  plain['\\'] = false;
  return plain;
}();

}  // namespace

bool IsValidUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = Utf8SequenceLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  while (!text.empty()) {
    // Plain characters go over in one piece; most texts have nothing else.
    std::size_t plain = 0;
    while (plain < text.size() && kPlainBytes[static_cast<unsigned char>(text[plain])]) ++plain;
    out.append(text.substr(0, plain));
    text.remove_prefix(plain);
    if (text.empty()) break;

    const auto byte = static_cast<unsigned char>(text.front());
    if (byte >= 0x80) {
      const std::size_t length = Utf8SequenceLength(text);
      if (length == 0) {
        out += "\xEF\xBF\xBD";
        text.remove_prefix(1);
      } else {
        out.append(text.substr(0, length));
        text.remove_prefix(length);
      }
      continue;
    }
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += "\\u00";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
    text.remove_prefix(1);
  }
  out += '"';
}

void AppendJsonDouble(std::string& out, double value) {
  if (!std::isfinite(value)) throw std::domain_error("a chart value is not a finite number");
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void AppendJsonInteger(std::string& out, std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void AppendJsonBool(std::string& out, bool value) { out += value ? "true" : "false"; }

void AppendJsonKey(std::string& out, std::string_view key) {
  char buffer[40];
  char* end = buffer;
  const char last = out.empty() ? '{' : out.back();
  if (last != '{' && last != '[') *end++ = ',';
  *end++ = '"';
  end = std::copy_n(key.begin(), std::min<std::size_t>(key.size(), 32), end);
  *end++ = '"';
  *end++ = ':';
  out.append(buffer, end);
}

}  // namespace velquor
