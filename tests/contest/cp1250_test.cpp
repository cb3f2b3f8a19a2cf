// SPDX-License-Identifier: GPL-3.0-or-later
// The one Windows-1250 codec: UTF-8 logs, the code page against the C
// library's, the ASCII skip.

#include "contest/cp1250.h"

#include <iconv.h>

#include <gtest/gtest.h>

#include <vector>

namespace pelikan {
namespace {

TEST(Cp1250Test, Utf8LogAsCp1250) {
  // clang-format off
  const std::pair<std::string_view, std::optional<std::string_view>> rows[] = {
      {"\xC4\x8Crnomelj \xC5\xA0kofja Loka \xC5\xBDiri \xC4\x8D\xC5\xA1\xC5\xBE",
       "\xC8rnomelj \x8Akofja Loka \x8Eiri \xE8\x9A\x9E"},
      {"\xEF\xBB\xBFS57A\r\n", "S57A\r\n"},                        // the mark goes, also from ASCII
      {"I\xC3\xB1igo \xF0\x9F\x98\x80!", "I?igo ?!"},              // one ? per missing character
      {"\xE0\xA0\x80 \xC4\x8D", "? \xE8"},                         // lowest three-byte character
      {"\xF4\x8F\xBF\xBF \xC4\x8D", "? \xE8"},                     // highest character
      {"S57A 599\r\n", std::nullopt},                              // ASCII stays as read
      {"\xEF\xBB\xBF\xC8rnomelj", std::nullopt},                   // a mark, then no UTF-8
      {"\xC0\xAF x \xC4\x8D", std::nullopt},                       // overlong slash
      {"\xED\xA0\x80 \xC4\x8D", std::nullopt},                     // surrogate
      {"\xC4\x8D \xC4", std::nullopt},                             // cut short
      {"\xC4\x8D \x80", std::nullopt},                             // a stray continuation byte
      {"\xF4\x90\x80\x80 \xC4\x8D", std::nullopt},                 // beyond U+10FFFF
      // Windows-1250 text: a letter before a blank or an ASCII letter is never UTF-8.
      {"SOAPBOX: Prvi\xE8 iz \xC8rnomlja, na strehi \x9Aole v \x8E\x9E" "emberku\r\n", std::nullopt},
      {"SOAPBOX: \x8A" "entjur, \x8A" "kofja Loka, Ko\xE8" "evje, Ro\x9Ani\x9A" "ka Slatina\r\n", std::nullopt},
      {"QSO: 80 CW 4.3.2007 06:01 S57BBB 599 599 1990 ; \x8A" "ilih \xE8" "etrtek\r\n", std::nullopt},
  };
  // clang-format on
  for (const auto& [log, cp1250] : rows) EXPECT_EQ(Utf8LogAsCp1250(log), cp1250) << log;
}

// What the C library's converter makes of `text`; nothing when it fails.
std::optional<std::string> Iconv(const char* to, const char* from, std::string text) {
  const iconv_t converter = iconv_open(to, from);
  std::string out(4 * text.size() + 4, '\0');
  char* in = text.data();
  char* at = out.data();
  std::size_t in_left = text.size(), out_left = out.size();
  const bool ok = iconv(converter, &in, &in_left, &at, &out_left) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  if (!ok) return std::nullopt;
  out.resize(out.size() - out_left);
  return out;
}

// The code page table against glibc's: every byte one way, every character
// of the Basic Multilingual Plane the other. glibc leaves five bytes
// undefined, which the table reads as the C1 controls of their value; a
// character the code page lacks becomes "?", or nothing when it is
// invisible.
TEST(Cp1250Test, Cp1250AgainstTheCLibrary) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    const std::optional<std::string> unicode = Iconv("UTF-8", "CP1250", one);
    const std::string c1 = {static_cast<char>(0xC2), static_cast<char>(byte)};
    EXPECT_EQ(Cp1250AsUtf8(one), unicode.value_or(c1)) << byte;
    EXPECT_EQ(Utf8AsCp1250(Cp1250AsUtf8(one)), one) << byte;
  }
  int invisible = 0;
  for (char32_t code = 1; code < 0x10000; ++code) {
    if (code >= 0xD800 && code < 0xE000) continue;
    const std::string utf8 = *Iconv("UTF-8", "UTF-32LE", std::string(reinterpret_cast<const char*>(&code), 4));
    const std::string ours = Utf8AsCp1250(utf8).value_or("invalid");
    const std::optional<std::string> theirs = Iconv("CP1250", "UTF-8", utf8);
    const bool undefined_byte = code >= 0x80 && code < 0xA0 && !Iconv("UTF-8", "CP1250", std::string(1, char(code)));
    if (theirs || undefined_byte) {
      EXPECT_EQ(ours, theirs.value_or(std::string(1, static_cast<char>(code)))) << static_cast<unsigned>(code);
    } else {
      EXPECT_TRUE(ours == "?" || ours.empty()) << static_cast<unsigned>(code);
      invisible += ours.empty();
    }
  }
  EXPECT_EQ(invisible, 65) << "the plane's default ignorable characters but the soft hyphen";
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"Bo\u017Eo \u20AC \u65E5\U0001F600.", "Bo\x9eo \x80 ??."},  // one ? per character
      {"S5\u200B9\uFEFF\U000E0041", "S59"},                        // zero-width space, byte order mark, a tag
      {"\u200B\u001A\u00AD", "\x1a\xad"},                          // the soft hyphen is in the code page
  };
  for (const auto& [utf8, cp1250] : rows) EXPECT_EQ(Utf8AsCp1250(utf8), cp1250) << utf8;
  EXPECT_EQ(Utf8AsCp1250("S5\xC4"), std::nullopt) << "cut short";
}

// The first byte beyond ASCII at every place of texts up to 40 bytes, from
// three starting places, in the 8-byte words and in the last bytes. Each
// text has memory of its own size, so that the sanitizer build sees any read
// past its end.
TEST(Cp1250Test, SkipAscii) {
  for (std::size_t size = 0; size <= 40; ++size) {
    for (std::size_t high = 0; high <= size; ++high) {  // at `size`: none
      std::vector<char> text(size, 'a');
      if (high < size) text[high] = '\xC4';
      for (const std::size_t from : {0, 1, 17}) {
        if (from > size) continue;
        EXPECT_EQ(SkipAscii({text.data(), size}, from), high >= from ? high : size) << size << " " << high;
      }
    }
  }
}

}  // namespace
}  // namespace pelikan
