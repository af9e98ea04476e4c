#include "cli/printable_text.h"

#include <array>
#include <cstdint>

namespace velquor {

namespace {

constexpr std::array<char, 16> kHexDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                             '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};

void AppendByteEscape(std::string& out, unsigned char byte) {
  out += "\\x";
  out += kHexDigits[byte >> 4U];
  out += kHexDigits[byte & 0xFU];
}

// The length of the valid UTF-8 sequence at the front of `text` and its code point; 0 when
// the first byte starts none (overlong forms, surrogates and values past U+10FFFF included).
std::size_t Utf8Sequence(std::string_view text, std::uint32_t& codePoint) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  std::uint32_t minimum = 0;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    minimum = 0x80;
    codePoint = lead & 0x1FU;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    minimum = 0x800;
    codePoint = lead & 0x0FU;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    minimum = 0x10000;
    codePoint = lead & 0x07U;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0U) != 0x80U) return 0;
    codePoint = (codePoint << 6U) | (next & 0x3FU);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return 0;
  }
  return length;
}

}  // namespace

std::string PrintableText(std::string_view text, bool keepLineEnds) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    std::uint32_t codePoint = 0;
    const std::size_t length = Utf8Sequence(text, codePoint);
    if (length == 0) {
      AppendByteEscape(out, static_cast<unsigned char>(text[0]));
      text.remove_prefix(1);
      continue;
    }
    if (codePoint == '\n' && keepLineEnds) {
      out += '\n';
    } else if (codePoint < 0x20 || codePoint == 0x7F) {
      AppendByteEscape(out, static_cast<unsigned char>(codePoint));
    } else if (codePoint >= 0x80 && codePoint <= 0x9F) {
      out += "\\u00";
      out += kHexDigits[codePoint >> 4U];
      out += kHexDigits[codePoint & 0xFU];
    } else {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return out;
}

PrintableStreamBuf::~PrintableStreamBuf() {
  if (PassOn(true)) target_->pubsync();
}

PrintableStreamBuf::int_type PrintableStreamBuf::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  pending_ += traits_type::to_char_type(c);
  if (pending_.back() == '\n' && !PassOn(false)) return traits_type::eof();
  return c;
}

std::streamsize PrintableStreamBuf::xsputn(const char* text, std::streamsize count) {
  pending_.append(text, static_cast<std::size_t>(count));
  if (!PassOn(false)) return 0;
  return count;
}

int PrintableStreamBuf::sync() {
  if (!PassOn(true)) return -1;
  return target_->pubsync();
}

// Passes on the pending text up to its last line end, or all of it; a line is escaped
// whole, so that a character written in two pieces is still seen as one.
bool PrintableStreamBuf::PassOn(bool all) {
  const std::size_t end = all ? pending_.size() : pending_.rfind('\n') + 1;  // npos + 1 is 0
  if (end == 0) return true;
  const std::string printable = PrintableText(std::string_view(pending_).substr(0, end), true);
  pending_.erase(0, end);
  const auto size = static_cast<std::streamsize>(printable.size());
  return target_->sputn(printable.data(), size) == size;
}

}  // namespace velquor
