// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/log_text.h"

#include <bit>
#include <chrono>

#include "contest/cp1250.h"

// SSE2 where the machine has it. PELIKAN_PORTABLE (the sanitized suite)
// takes the plain path, which machines without SSE2 run, so that both are
// tested.
#if defined(__SSE2__) && !defined(PELIKAN_PORTABLE)
#define PELIKAN_SSE2_SPLITTER
#include <emmintrin.h>
#endif

namespace pelikan {

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\''; }

// The separators (blank, tab, apostrophe) among the `count` bytes at
// `bytes`, one bit each.
unsigned SeparatorBits(const char* bytes, std::size_t count) {
  unsigned bits = 0;
  for (std::size_t k = 0; k < count; ++k) bits |= unsigned{IsSeparator(bytes[k])} << k;
  return bits;
}

// The same for 16 bytes. The splitter sees every byte of the log, and byte
// by byte it was the largest single cost of a conversion (bench/README.md,
// "SeparatorBits16"): SSE2 looks at all 16 at once.
unsigned SeparatorBits16(const char* bytes) {
#if defined(PELIKAN_SSE2_SPLITTER)
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  const __m128i found =
      _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(block, _mm_set1_epi8('\t'))),
                   _mm_cmpeq_epi8(block, _mm_set1_epi8('\'')));
  return static_cast<unsigned>(_mm_movemask_epi8(found));
#else
  return SeparatorBits(bytes, 16);
#endif
}

}  // namespace

void SplitFields(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  // One pass over the line as it stands, without a copy with its blanks
  // collapsed first: no field holds a blank, so each is a piece of the line.
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t begin = 0;
  std::size_t end = line.size();
  while (begin < end && blank(line[begin])) ++begin;
  while (end > begin && blank(line[end - 1])) --end;
  if (begin == end) return;
  std::size_t start = begin;
  for (std::size_t block = begin; block < end; block += 16) {
    unsigned bits;
    if (end - block >= 16) {
      bits = SeparatorBits16(line.data() + block);
    } else if (end >= 16) {
      // The last bytes: the 16 that end the line, less those already seen.
      bits = SeparatorBits16(line.data() + end - 16) >> (16 - (end - block));
    } else {
      bits = SeparatorBits(line.data() + block, end - block);
    }
    for (; bits != 0; bits &= bits - 1) {
      const std::size_t i = block + static_cast<std::size_t>(std::countr_zero(bits));
      // A blank after a blank continues one separator. The line starts with
      // no blank, so a blank has a character before it.
      if (line[i] != '\'' && blank(line[i - 1])) {
        start = i + 1;
        continue;
      }
      fields.push_back(line.substr(start, i - start));
      start = i + 1;
    }
  }
  fields.push_back(line.substr(start, end - start));
}

void SplitItems(std::string_view text, std::vector<std::string_view>& items) {
  items.clear();
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  for (std::size_t i = 0; i < text.size();) {
    while (i < text.size() && blank(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !blank(text[i])) ++i;
    if (i > start) items.push_back(text.substr(start, i - start));
  }
}

int LineCounter::LineAt(std::size_t offset) {
  offset = std::min(offset, text_.size());
  if (offset <= at_) return line_;
  // An LF ends a line; so does a CR, unless an LF follows it. Both are
  // looked for with memchr: a log holds few of them among its bytes.
  const char* const begin = text_.data();
  for (const char* lf = begin + at_; (lf = static_cast<const char*>(std::memchr(lf, '\n', begin + offset - lf)));
       ++lf) {
    ++line_;
  }
  for (const char* cr = begin + at_; (cr = static_cast<const char*>(std::memchr(cr, '\r', begin + offset - cr)));
       ++cr) {
    if (cr + 1 == text_.end() || cr[1] != '\n') ++line_;
  }
  at_ = offset;
  return line_;
}

namespace {

// Reads exactly the digits of `text`, 1 to 4 of them.
std::optional<int> Number(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<std::string> FormatDate(std::optional<int> year, std::optional<int> month, std::optional<int> day) {
  if (!year || !month || !day) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(*month)},
                                         std::chrono::day{static_cast<unsigned>(*day)}};
  if (!date.ok()) return std::nullopt;
  std::string text = "0000-00-00";
  auto put = [&text](std::size_t end, int value) {
    for (std::size_t i = end; value > 0; --i, value /= 10) text[i] = static_cast<char>('0' + value % 10);
  };
  put(3, *year);
  put(6, *month);
  put(9, *day);
  return text;
}

}  // namespace

std::optional<std::string> RecognizeDate(std::string_view text) {
  if (text.size() == 10 && (text[4] == '-' || text[4] == '/') && text[7] == text[4]) {
    return FormatDate(Number(text.substr(0, 4)), Number(text.substr(5, 2)), Number(text.substr(8, 2)));
  }
  if (text.size() == 10 && text[2] == '/' && text[5] == '/') {
    return FormatDate(Number(text.substr(6, 4)), Number(text.substr(3, 2)), Number(text.substr(0, 2)));
  }
  if (text.ends_with('.')) text.remove_suffix(1);
  const std::size_t first = text.find('.');
  const std::size_t second = first == std::string_view::npos ? first : text.find('.', first + 1);
  // Day and month of at most two digits, a year of four; an empty part is
  // no number.
  if (second == std::string_view::npos || first > 2 || second - first - 1 > 2 || text.size() - second - 1 != 4) {
    return std::nullopt;
  }
  return FormatDate(Number(text.substr(second + 1)), Number(text.substr(first + 1, second - first - 1)),
                    Number(text.substr(0, first)));
}

std::vector<std::string> ListFileEntries(std::string_view bytes) {
  const std::optional<std::string> recoded = Utf8LogAsCp1250(bytes);
  std::vector<std::string> entries;
  ForEachLine(recoded ? *recoded : bytes, [&entries](std::string_view line) { entries.emplace_back(line); });
  return entries;
}

}  // namespace pelikan
