// The sizes a record of saved births may have: a batch line, a line of an import file or a
// CSV record holds at most kMaxRecordBytes, and a saved birth's texts are bounded so that its
// exported JSON line (every text escaped at worst six bytes for one) always stays within it,
// so that every saved birth exports, charts through `batch` and imports again.
#pragma once

#include <cstddef>

namespace velquor {

inline constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;  // 1 MiB
inline constexpr std::size_t kMaxNoteBytes = std::size_t{1} << 17;    // 128 KiB
inline constexpr std::size_t kMaxTextBytes = std::size_t{1} << 12;    // a name or place: 4 KiB

// Four texts (name, city, state, country), the note and the conventions, each byte escaped
// as \u00XX at worst, with room for the keys and numbers.
static_assert(6 * (kMaxNoteBytes + 4 * kMaxTextBytes) + 4096 < kMaxRecordBytes);

}  // namespace velquor
