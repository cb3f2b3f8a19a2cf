// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_UTF8_LOG_H_
#define PELIKAN_ENGINE_UTF8_LOG_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelikan {

// A log saved as UTF-8, in the engine's Windows-1250. A log counts as UTF-8
// when it is valid UTF-8 throughout (no overlong forms, no surrogates,
// nothing past U+10FFFF) and either starts with a byte order mark or holds at
// least one character beyond ASCII. Then the mark is dropped and every
// character Windows-1250 lacks becomes one "?". Any other log, one with a
// mark but invalid UTF-8 after it included, yields nullopt and is to be read
// byte for byte. So does a system whose C library cannot convert.
std::optional<std::string> Utf8LogAsCp1250(std::string_view log);

// The length of the valid UTF-8 sequence that starts `text` (1 to 4), or 0
// when it starts with none: an overlong form, a surrogate, a code point past
// U+10FFFF, a stray or cut sequence, or an empty text.
std::size_t Utf8SequenceLength(std::string_view text);

// The index of the first byte beyond ASCII in `text` from `i` on, or its
// size. Every log and every printed line passes here, and most are ASCII
// throughout, so it looks at sixteen bytes at a time (eight without SSE2).
std::size_t SkipAscii(std::string_view text, std::size_t i);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_UTF8_LOG_H_
