// SPDX-License-Identifier: GPL-3.0-or-later
// The rules the conversion is built from, one table each: UTF-8 logs, the
// code page, the ASCII skip, odd field values and file names. Dates, times,
// fields, line ends and field texts are golden cases.

#include <iconv.h>

#include <gtest/gtest.h>

#include <vector>

#include "contest/value_checks.h"
#include "engine/adif_reader.h"
#include "engine/convert_log.h"
#include "engine/cp1250.h"
#include "engine/log_format.h"
#include "engine/log_record.h"
#include "engine/log_text.h"

namespace pelikan {
namespace {

TEST(RulesTest, Utf8LogAsCp1250) {
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
TEST(RulesTest, Cp1250AgainstTheCLibrary) {
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
TEST(RulesTest, SkipAscii) {
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

// The kind of a log by its content; a known binary document by its start.
TEST(RulesTest, LogKinds) {
  using enum LogFormat;
  // clang-format off
  const std::pair<std::string_view, LogFormat> rows[] = {
      {"START-OF-LOG: 3.0\r\nQSO: ...", kCabrillo},       {"\xEF\xBB\xBF\r\n \tSTART-OF-LOG: 2.0\n", kCabrillo},
      {"X START-OF-LOG: 3.0\n", kListing},                {"start-of-log: 3.0\n", kListing},
      {"Exported by a logger\n<eoh>\n", kAdif},          {"<CALL:4>S57A<EOR>", kAdif},
      {"\xEF\xBB\xBF\n<call:4>S57A <eor>", kAdif},        {"<ADIF_VER:5>3.1.4<EoH>", kAdif},
      {"<CALL:4>S57A", kListing},                        {"Heading <EOR>\n", kListing},
      {"Heading <EOHX>\n", kListing},                    {"", kListing},  {"\r\n\r\n", kListing},
      {"QSO: 80 CW 2007-03-04 0601 S57A 599 599 1990", kListing},
  };
  // clang-format on
  for (const auto& [log, format] : rows) EXPECT_EQ(DetectLogFormat(log), format) << log;
  const std::pair<std::string_view, std::string_view> documents[] = {{"%PDF-1.7\n", "PDF"},
                                                                     {"\x89PNG\r\n\x1A\n", "PNG"},
                                                                     {"\xFF\xD8\xFF\xE0", "JPEG"},
                                                                     {"GIF89a", "GIF"},
                                                                     {"GIF87a", "GIF"},
                                                                     {"PK\x03\x04", "ZIP"},
                                                                     {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", "OLE"},
                                                                     {"%PDF", ""},
                                                                     {" %PDF-1.7", ""},
                                                                     {"PK\x05\x06", ""},
                                                                     {"GIF88a", ""}};
  for (const auto& [log, kind] : documents) EXPECT_EQ(BinaryDocumentKind(log).value_or(""), kind) << log;
}

// Frequencies in MHz as text, their whole kHz and whether they are on the band.
TEST(RulesTest, KhzOfMhz) {
  // clang-format off
  const std::tuple<std::string_view, std::uint32_t, bool> rows[] = {  // 0: no number
      {"3.512", 3512, true}, {"3.5129", 3512, true}, {"3.5", 3500, true}, {"3", 3000, false}, {"3.500000", 3500, true},
      {"4.0", 4000, true}, {"4.000", 4000, true}, {"4.0000001", 4000, false}, {"3.4999", 3499, false},
      {"14.025", 14025, false}, {"999.9", 999900, false}, {"1000", 0, false}, {"3.", 0, false}, {".5", 0, false},
      {"3,512", 0, false}, {"3.5.1", 0, false}, {"", 0, false}, {"-3.5", 0, false}, {"3.5e0", 0, false},
  };
  // clang-format on
  for (const auto& [mhz, khz, on_the_band] : rows) {
    bool beyond = true;
    EXPECT_EQ(KhzOfMhz(mhz, beyond), khz) << mhz;
    EXPECT_EQ(khz != 0 && OnTheBand(khz, beyond), on_the_band) << mhz;
  }
}

// Lines counted as ForEachLine ends them, however far a reader jumps.
TEST(RulesTest, LineCounter) {
  const std::string_view text = "a\r\nb\rc\nd\r\r\ne\n\n";
  // Past the last byte is the line after it.
  const std::pair<std::size_t, int> rows[] = {{0, 1}, {1, 1},  {2, 1},  {3, 2},  {5, 3},  {6, 3},  {7, 4},
                                              {9, 5}, {10, 5}, {11, 6}, {12, 6}, {13, 7}, {14, 8}, {99, 8}};
  LineCounter each(text);
  for (const auto& [offset, line] : rows) EXPECT_EQ(each.LineAt(offset), line) << offset;
  for (const auto& [offset, line] : rows) EXPECT_EQ(LineCounter(text).LineAt(offset), line) << offset;
  int lines = 0;
  ForEachLine(text, [&lines](std::string_view) { ++lines; });
  EXPECT_EQ(LineCounter(text).LineAt(text.size() - 1), lines) << "the last line as ForEachLine counts it";
}

// Odd values are warned of, field by field; 2026 is this year.
TEST(RulesTest, FieldWarnings) {
  // clang-format off
  const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
      // licence year, contest, operators, the options warned of
      {"1900", "KV", "S51A,S52B", ""}, {"2027", "KV", "", ""}, {"", "KV", "", ""},
      {"1899", "KV", "", "licence-year "}, {"2028", "KV", "", "licence-year "}, {"985", "KV", "", "licence-year "},
      {"19a5", "", "S51A, S52B", "licence-year contest operators "}, {"1985 ", "KV", "S51A ,S52B", "licence-year "},
  };
  // clang-format on
  for (const auto& [year, contest, operators, warned] : rows) {
    ContestData data;
    data.LicenceYear = year, data.ContestName = contest, data.Operators = operators;
    std::string options;
    for (const FieldWarning& warning : CheckFieldValues(data, 2026)) options.append(warning.field->option).append(" ");
    EXPECT_EQ(options, warned) << year << "|" << contest << "|" << operators;
  }
}

TEST(RulesTest, CabrilloFileName) {
  // clang-format off
  const std::pair<std::string, const char*> rows[] = {  // "" for no name
      {"S57X/P", "S57X_P.cbr"},   {"  S59AAA   ", "S59AAA.cbr"},   {"../..\\x", ".._.._x.cbr"},
      {std::string("a\0b", 3), "a_b.cbr"}, {"S5\tA\x7f\x1b", "S5_A__.cbr"},
      {"S5\xc2\x85X\xc2\xa0", "S5_X\xc2\xa0.cbr"},                 // NEL is a control, NBSP is not
      {"S5\xc2\x80X\xc2\x9f", "S5_X_.cbr"},                  // the first and the last of them
      {"S5\xc2" "A", "S5\xc2" "A.cbr"},  {"S5\xc4\x8c", "S5\xc4\x8c.cbr"},
      {"", ""},  {"    ", ""},  {".", ""},  {" .. ", ""},  {"...", ""},  {".S5", ".S5.cbr"},  {"/S5", "_S5.cbr"},
  };
  // clang-format on
  for (const auto& [callsign, name] : rows) EXPECT_EQ(CabrilloFileName(callsign).value_or(""), name) << callsign;
}

}  // namespace
}  // namespace pelikan
