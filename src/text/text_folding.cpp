#include "text/text_folding.h"

#include <algorithm>
#include <array>
#include <optional>

namespace velquor {

namespace {

// Base letters of U+00C0..U+017F and U+1E00..U+1EFF, one per code point; '*' marks a code
// point with a longer or special folding (kSpecialFolds).
constexpr std::string_view kLatin1AndExtendedA =
    "aaaaaa*ceeeeiiii*nooooo**uuuuy**aaaaaa*ceeeeiiii*nooooo**uuuuy*y"
    "aaaaaaccccccccdd**eeeeeeeeeegggggggghh**iiiiiiiii***jjkk*llllll*"
    "***nnnnnn***oooooo**rrrrrrsssssssstttt**uuuuuuuuuuuuwwyyyzzzzzzs";
constexpr std::string_view kLatinExtendedAdditional =
    "aabbbbbbccddddddddddeeeeeeeeeeffgghhhhhhhhhhiiiikkkkkkllllllllmm"
    "mmmmnnnnnnnnoooooooopppprrrrrrrrssssssssssttttttttuuuuuuuuuuvvvv"
    "wwwwwwwwwwxxxxyyzzzzzzhtwyasss*daaaaaaaaaaaaaaaaaaaaaaaaeeeeeeee"
    "eeeeeeeeiiiioooooooooooooooooooooooouuuuuuuuuuuuuuyyyyyyyyllvvyy";

struct SpecialFold {
  char32_t codePoint;
  std::string_view folded;  // empty: the character is dropped
};

// Sorted by code point. Letters without a decomposition, the Latin letters of other blocks
// that occur in place names, and the apostrophes; " " turns a mark into a word break.
constexpr std::array<SpecialFold, 48> kSpecialFolds = {{
    {0x00C6, "ae"}, {0x00D0, "d"}, {0x00D7, " "},  {0x00D8, "o"},  {0x00DE, "th"}, {0x00DF, "ss"},
    {0x00E6, "ae"}, {0x00F0, "d"}, {0x00F7, " "},  {0x00F8, "o"},  {0x00FE, "th"}, {0x0110, "d"},
    {0x0111, "d"},  {0x0126, "h"}, {0x0127, "h"},  {0x0131, "i"},  {0x0132, "ij"}, {0x0133, "ij"},
    {0x0138, "k"},  {0x013F, "l"}, {0x0140, "l"},  {0x0141, "l"},  {0x0142, "l"},  {0x0149, "n"},
    {0x014A, "n"},  {0x014B, "n"}, {0x0152, "oe"}, {0x0153, "oe"}, {0x0166, "t"},  {0x0167, "t"},
    {0x018F, "e"},  {0x01A0, "o"}, {0x01A1, "o"},  {0x01AF, "u"},  {0x01B0, "u"},  {0x01DD, "e"},
    {0x0218, "s"},  {0x0219, "s"}, {0x021A, "t"},  {0x021B, "t"},  {0x0259, "e"},  {0x02BC, ""},
    {0x1E9E, "ss"}, {0x2013, " "}, {0x2014, " "},  {0x2018, ""},   {0x2019, ""},   {0x2032, ""},
}};

std::optional<std::string_view> SpecialFoldOf(char32_t codePoint) {
  auto it = std::lower_bound(
      kSpecialFolds.begin(), kSpecialFolds.end(), codePoint,
      [](const SpecialFold& fold, char32_t value) { return fold.codePoint < value; });
  if (it == kSpecialFolds.end() || it->codePoint != codePoint) return std::nullopt;
  return it->folded;
}

bool IsCombiningMark(char32_t codePoint) { return codePoint >= 0x0300 && codePoint <= 0x036F; }

// Decodes the code point starting at text[pos] and advances pos; nullopt for a malformed
// sequence (pos then moves past its first byte).
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t value = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    value = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    value = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    value = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (pos + extra > text.size()) return std::nullopt;
  for (int i = 0; i < extra; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = (value << 6) | (next & 0x3F);
  }
  pos += extra;
  return value;
}

// The folded form of one code point, written to `out` (which may gain several bytes).
void AppendFolded(char32_t codePoint, std::string_view original, std::string& out) {
  if (codePoint < 0x80) {
    const char c = static_cast<char>(codePoint);
    if (c >= 'A' && c <= 'Z') {
      out += static_cast<char>(c - 'A' + 'a');
    } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
      out += c;
    } else if (c != '\'' && c != '`') {
      out += ' ';
    }
    return;
  }
  if (IsCombiningMark(codePoint)) return;
  if (auto special = SpecialFoldOf(codePoint)) {
    out += *special;
    return;
  }
  if (codePoint >= 0x00C0 && codePoint < 0x00C0 + kLatin1AndExtendedA.size()) {
    out += kLatin1AndExtendedA[codePoint - 0x00C0];
    return;
  }
  if (codePoint >= 0x1E00 && codePoint < 0x1E00 + kLatinExtendedAdditional.size()) {
    out += kLatinExtendedAdditional[codePoint - 0x1E00];
    return;
  }
  if (codePoint == 0x00A0 || (codePoint >= 0x2000 && codePoint <= 0x200A)) {
    out += ' ';
    return;
  }
  out += original;
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    const auto codePoint = NextCodePoint(text, pos);
    if (!codePoint) continue;
    AppendFolded(*codePoint, text.substr(start, pos - start), folded);
  }
  // One blank between words, none at the ends.
  std::string result;
  result.reserve(folded.size());
  for (char c : folded) {
    if (c == ' ' && (result.empty() || result.back() == ' ')) continue;
    result += c;
  }
  if (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

}  // namespace velquor
