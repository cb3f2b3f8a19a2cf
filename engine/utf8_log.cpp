// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/utf8_log.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pelikan {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence that starts `text`, or 0. Written
// out because iconv reports an invalid sequence and a character the target
// lacks with the same EILSEQ, and the two must be told apart.
std::size_t SequenceLength(std::string_view text) {
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

// Valid UTF-8 throughout, and whether any character lies beyond ASCII.
bool IsUtf8(std::string_view text, bool& beyond_ascii) {
  beyond_ascii = false;
  for (std::size_t i = SkipAscii(text, 0); i < text.size(); i = SkipAscii(text, i)) {
    const std::size_t length = SequenceLength(text.substr(i));
    if (length == 0) return false;
    beyond_ascii = true;
    i += length;
  }
  return true;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text) { return SequenceLength(text); }

std::size_t SkipAscii(std::string_view text, std::size_t i) {
#if defined(__SSE2__)
  // The last bytes, fewer than 16, are left to the words and bytes below.
  for (; i + 16 <= text.size(); i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    if (const auto high = static_cast<unsigned>(_mm_movemask_epi8(block))) {
      return i + static_cast<std::size_t>(std::countr_zero(high));
    }
  }
#endif
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  for (std::uint64_t word = 0; i + sizeof word <= text.size(); i += sizeof word) {
    std::memcpy(&word, text.data() + i, sizeof word);
    if (word & kHighBits) break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

std::optional<std::string> Utf8LogAsCp1250(std::string_view log) {
  const bool marked = log.starts_with(kByteOrderMark);
  if (marked) log.remove_prefix(kByteOrderMark.size());
  bool beyond_ascii = false;
  if (!IsUtf8(log, beyond_ascii) || !(marked || beyond_ascii)) return std::nullopt;

  const iconv_t converter = iconv_open("WINDOWS-1250", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // Every character becomes one byte, so the output never outgrows the input.
  std::string out(log.size(), '\0');
  char* in = const_cast<char*>(log.data());  // iconv's signature; it does not write there
  std::size_t in_left = log.size();
  char* to = out.data();
  std::size_t to_left = out.size();
  bool failed = false;
  while (in_left > 0) {
    if (iconv(converter, &in, &in_left, &to, &to_left) != static_cast<std::size_t>(-1)) break;
    if (errno != EILSEQ || to_left == 0) {
      failed = true;
      break;
    }
    // The input is valid, so EILSEQ means a character Windows-1250 lacks;
    // iconv stops there, and transliteration would guess ("n" for "ñ").
    *to++ = '?';
    --to_left;
    const std::size_t length = SequenceLength(std::string_view(in, in_left));
    in += length;
    in_left -= length;
  }
  iconv_close(converter);
  if (failed) return std::nullopt;
  out.resize(out.size() - to_left);
  return out;
}

}  // namespace pelikan
