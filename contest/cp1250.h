// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_CONTEST_CP1250_H_
#define PELIKAN_CONTEST_CP1250_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelikan {

// The one Windows-1250 codec of the program: the engine's text is
// Windows-1250 bytes, a front end's is Unicode (UTF-8 or UTF-16), and every
// text crosses between the two here, by one rule:
// - every byte stands for one character; the five bytes the code page
//   leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) stand for the C1
//   controls of the same value, so that any byte survives a round trip;
// - a character the code page has becomes its byte;
// - a character that shows nothing (Unicode's default ignorable code
//   points: zero-width space, byte order mark, tag characters and the like)
//   is left out, since a "?" would put a visible mark where the user saw
//   none;
// - any other character, a lone UTF-16 surrogate included, becomes one "?".
// The code page is a fixed table held here: C libraries differ in what they
// do with a character it lacks.

// The character `byte` stands for; always in the Basic Multilingual Plane.
char16_t Cp1250ToUnicode(unsigned char byte);

// Appends what `code` becomes by the rule above: its byte, nothing, or "?".
void AppendUnicodeAsCp1250(char32_t code, std::string& bytes);

// Appends `bytes` to `utf8` as UTF-8.
void AppendCp1250AsUtf8(std::string_view bytes, std::string& utf8);
std::string Cp1250AsUtf8(std::string_view bytes);

// `utf8` in Windows-1250 by the rule above; nullopt when `utf8` is not
// valid UTF-8.
std::optional<std::string> Utf8AsCp1250(std::string_view utf8);

// Whether a log was saved as UTF-8: it is valid UTF-8 throughout (no
// overlong forms, no surrogates, nothing past U+10FFFF) and either starts
// with a byte order mark or holds at least one character beyond ASCII.
// Windows-1250 text with a letter beyond ASCII is practically never valid
// UTF-8.
bool IsUtf8Log(std::string_view log);

// A log saved as UTF-8 (IsUtf8Log), in Windows-1250: the mark is dropped and
// the rest is converted by the rule above. Any other log, one with a mark
// but invalid UTF-8 after it included, yields nullopt and is to be read
// byte for byte.
std::optional<std::string> Utf8LogAsCp1250(std::string_view log);

// The length of the valid UTF-8 sequence that starts `text` (1 to 4), or 0
// when it starts with none: an overlong form, a surrogate, a code point past
// U+10FFFF, a stray or cut sequence, or an empty text.
std::size_t Utf8SequenceLength(std::string_view text);

// The index of the first byte beyond ASCII in `text` from `i` on, or its
// size. Every log and every printed line passes here, and most are ASCII
// throughout, so it looks at eight bytes at a time (byte by byte, a whole
// conversion takes a fifth more instructions).
std::size_t SkipAscii(std::string_view text, std::size_t i);

// Whether `text` begins with, or is, `upper` (capitals), letter case aside:
// the tags and names of ADIF and Cabrillo files, which are ASCII.
bool StartsWithNoCase(std::string_view text, std::string_view upper);
bool EqualsNoCase(std::string_view text, std::string_view upper);

}  // namespace pelikan

#endif  // PELIKAN_CONTEST_CP1250_H_
