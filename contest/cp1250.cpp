// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/cp1250.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace pelikan {
namespace {

// The characters of bytes 0x80 to 0xFF. The undefined five read as the C1
// controls of their own value.
constexpr std::array<char16_t, 128> kHighHalf = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0083', u'\u201E', u'\u2026', u'\u2020', u'\u2021',  // 0x80
    u'\u0088', u'\u2030', u'\u0160', u'\u2039', u'\u015A', u'\u0164', u'\u017D', u'\u0179',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',  // 0x90
    u'\u0098', u'\u2122', u'\u0161', u'\u203A', u'\u015B', u'\u0165', u'\u017E', u'\u017A',
    u'\u00A0', u'\u02C7', u'\u02D8', u'\u0141', u'\u00A4', u'\u0104', u'\u00A6', u'\u00A7',  // 0xA0
    u'\u00A8', u'\u00A9', u'\u015E', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u017B',
    u'\u00B0', u'\u00B1', u'\u02DB', u'\u0142', u'\u00B4', u'\u00B5', u'\u00B6', u'\u00B7',  // 0xB0
    u'\u00B8', u'\u0105', u'\u015F', u'\u00BB', u'\u013D', u'\u02DD', u'\u013E', u'\u017C',
    u'\u0154', u'\u00C1', u'\u00C2', u'\u0102', u'\u00C4', u'\u0139', u'\u0106', u'\u00C7',  // 0xC0
    u'\u010C', u'\u00C9', u'\u0118', u'\u00CB', u'\u011A', u'\u00CD', u'\u00CE', u'\u010E',
    u'\u0110', u'\u0143', u'\u0147', u'\u00D3', u'\u00D4', u'\u0150', u'\u00D6', u'\u00D7',  // 0xD0
    u'\u0158', u'\u016E', u'\u00DA', u'\u0170', u'\u00DC', u'\u00DD', u'\u0162', u'\u00DF',
    u'\u0155', u'\u00E1', u'\u00E2', u'\u0103', u'\u00E4', u'\u013A', u'\u0107', u'\u00E7',  // 0xE0
    u'\u010D', u'\u00E9', u'\u0119', u'\u00EB', u'\u011B', u'\u00ED', u'\u00EE', u'\u010F',
    u'\u0111', u'\u0144', u'\u0148', u'\u00F3', u'\u00F4', u'\u0151', u'\u00F6', u'\u00F7',  // 0xF0
    u'\u0159', u'\u016F', u'\u00FA', u'\u0171', u'\u00FC', u'\u00FD', u'\u0163', u'\u02D9',
};

// The high half sorted by character, for the way back.
constexpr auto kByCharacter = [] {
  std::array<std::pair<char16_t, unsigned char>, 128> by_character{};
  for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
    by_character[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
  }
  std::sort(by_character.begin(), by_character.end());
  return by_character;
}();

// Unicode's Default_Ignorable_Code_Point.
bool IsDefaultIgnorable(char32_t c) {
  static constexpr std::array<std::pair<char32_t, char32_t>, 17> kRanges = {{
      {0x00AD, 0x00AD},
      {0x034F, 0x034F},
      {0x061C, 0x061C},
      {0x115F, 0x1160},
      {0x17B4, 0x17B5},
      {0x180B, 0x180F},
      {0x200B, 0x200F},
      {0x202A, 0x202E},
      {0x2060, 0x206F},
      {0x3164, 0x3164},
      {0xFE00, 0xFE0F},
      {0xFEFF, 0xFEFF},
      {0xFFA0, 0xFFA0},
      {0xFFF0, 0xFFF8},
      {0x1BCA0, 0x1BCA3},
      {0x1D173, 0x1D17A},
      {0xE0000, 0xE0FFF},
  }};
  return std::any_of(kRanges.begin(), kRanges.end(),
                     [c](const auto& range) { return c >= range.first && c <= range.second; });
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The code point of a valid UTF-8 sequence of `length` bytes.
char32_t DecodeUtf8(const char* text, std::size_t length) {
  const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  static constexpr std::array<unsigned char, 5> kLeadBits = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t code = byte(0) & kLeadBits[length];
  for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (byte(i) & 0x3F);
  return code;
}

}  // namespace

char16_t Cp1250ToUnicode(unsigned char byte) { return byte < 0x80 ? byte : kHighHalf[byte - 0x80]; }

void AppendUnicodeAsCp1250(char32_t code, std::string& bytes) {
  if (code < 0x80) {
    bytes += static_cast<char>(code);
    return;
  }
  const auto found = std::lower_bound(kByCharacter.begin(), kByCharacter.end(), code,
                                      [](const auto& entry, char32_t c) { return entry.first < c; });
  if (found != kByCharacter.end() && found->first == code) {
    bytes += static_cast<char>(found->second);
  } else if (!IsDefaultIgnorable(code)) {
    bytes += '?';
  }
}

void AppendCp1250AsUtf8(std::string_view bytes, std::string& utf8) {
  for (std::size_t i = 0; i < bytes.size();) {
    // ASCII reads the same in both, so its runs are copied whole: byte by
    // byte, printing a result list took fifteen times the instructions.
    const std::size_t ascii_end = SkipAscii(bytes, i);
    utf8.append(bytes.substr(i, ascii_end - i));
    for (i = ascii_end; i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80; ++i) {
      const char16_t c = Cp1250ToUnicode(static_cast<unsigned char>(bytes[i]));
      if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
      } else {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      }
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
}

std::string Cp1250AsUtf8(std::string_view bytes) {
  std::string utf8;
  AppendCp1250AsUtf8(bytes, utf8);
  return utf8;
}

std::optional<std::string> Utf8AsCp1250(std::string_view utf8) {
  std::string bytes;
  // Every character becomes at most one byte.
  bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t ascii_end = SkipAscii(utf8, i);
    bytes.append(utf8.substr(i, ascii_end - i));
    if ((i = ascii_end) == utf8.size()) break;
    const std::size_t length = Utf8SequenceLength(utf8.substr(i));
    if (length == 0) return std::nullopt;
    AppendUnicodeAsCp1250(DecodeUtf8(utf8.data() + i, length), bytes);
    i += length;
  }
  return bytes;
}

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsUtf8(std::string_view text) {
  for (std::size_t i = SkipAscii(text, 0); i < text.size(); i = SkipAscii(text, i)) {
    const std::size_t length = Utf8SequenceLength(text.substr(i));
    if (length == 0) return false;
    i += length;
  }
  return true;
}

}  // namespace

bool IsUtf8Log(std::string_view log) {
  const bool marked = log.starts_with(kByteOrderMark);
  if (marked) log.remove_prefix(kByteOrderMark.size());
  return (marked || SkipAscii(log, 0) != log.size()) && IsUtf8(log);
}

std::optional<std::string> Utf8LogAsCp1250(std::string_view log) {
  if (!IsUtf8Log(log)) return std::nullopt;
  if (log.starts_with(kByteOrderMark)) log.remove_prefix(kByteOrderMark.size());
  return Utf8AsCp1250(log);
}

std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (text.empty()) return 0;
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;   // bounds of the second byte, which rule out
  unsigned char high = 0xBF;  // overlong forms, surrogates and > U+10FFFF
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 0;
  }
  return length;
}

std::size_t SkipAscii(std::string_view text, std::size_t i) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  for (std::uint64_t word = 0; i + sizeof word <= text.size(); i += sizeof word) {
    std::memcpy(&word, text.data() + i, sizeof word);
    if (word & kHighBits) break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

bool StartsWithNoCase(std::string_view text, std::string_view upper) {
  const auto upper_cased = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  return text.size() >= upper.size() &&
         std::equal(upper.begin(), upper.end(), text.begin(), [&](char u, char t) { return u == upper_cased(t); });
}

bool EqualsNoCase(std::string_view text, std::string_view upper) {
  return text.size() == upper.size() && StartsWithNoCase(text, upper);
}

}  // namespace pelikan
