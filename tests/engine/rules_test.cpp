// SPDX-License-Identifier: GPL-3.0-or-later
// The rules the conversion is built from, one table each: splitting lines
// and fields, dates, UTF-8 logs, upper case, field texts and file names.
// What looks like a contact and which QSO pieces are faulty show in the
// warnings of the golden cases.

#include <iconv.h>

#include <gtest/gtest.h>

#include <vector>

#include "contest/editing_rules.h"
#include "contest/fields.h"
#include "contest/value_checks.h"
#include "engine/convert_log.h"
#include "engine/cp1250.h"
#include "engine/log_notes.h"
#include "engine/log_text.h"

namespace pelikan {
namespace {

// Pieces as one text, each followed by "|": "a|b|" for {"a", "b"}, "" for none.
template <typename Pieces>
std::string Joined(const Pieces& pieces) {
  std::string joined;
  for (std::string_view piece : pieces) joined.append(piece).append("|");
  return joined;
}

TEST(RulesTest, SplitFields) {
  const std::pair<std::string, std::string> rows[] = {
      {"80 CW S57BBB", "80|CW|S57BBB|"}, {"  \t80\tCW \t 599\t\t", "80|CW|599|"}, {" \t ", ""},
      {"O'Brien", "O|Brien|"},
      {std::string("x\vy\0z", 5), std::string("x\vy\0z|", 6)},  // only tabs count as blanks
      // An apostrophe beside a blank, another one or an end of the line leaves an empty field.
      {"a' b''c", "a||b||c|"}, {"'a'", "|a||"}, {"  'a  '  ", "|a|||"},
      // Longer than the 16 bytes looked at together, with runs across their border.
      {"QSO: 80 CW 2007-03\t \t'04 0601  S57BBB ''599 599   1990 x'",
       "QSO:|80|CW|2007-03||04|0601|S57BBB|||599|599|1990|x||"},
  };
  for (const auto& [line, fields] : rows) {
    std::vector<std::string_view> split = {"left", "over"};
    SplitFields(line, split);
    EXPECT_EQ(Joined(split), fields) << line;
  }
}

TEST(RulesTest, RecognizeDate) {
  const std::pair<const char*, const char*> rows[] = {  // "" for no date
      {"2007-03-04", "2007-03-04"}, {"2007/03/04", "2007-03-04"}, {"04/03/2007", "2007-03-04"},
      {"04.03.2007", "2007-03-04"}, {"4.3.2007", "2007-03-04"},   {"4.3.2007.", "2007-03-04"},
      {"14.3.2007", "2007-03-14"},  {"29.02.2008", "2008-02-29"}, {"29.02.2007", ""},
      {"2007-04-31", ""},           {"2007-13-01", ""},           {"2007-3-4", ""},
      {"04.03.07", ""},             {"06:01:30", ""},             {"3500.5", ""},
      {"S57BBB", ""},               {"2007-03/04", ""},           {"004.03.2007", ""},
      {"+4.3.2007", ""},            {"4.3.2007..", ""},           {"4.3.200x", ""},
      {"04/03-2007", ""},           {"4.003.2007", ""},           {"2007-03-04x", ""},
  };
  for (const auto& [text, date] : rows) EXPECT_EQ(RecognizeDate(text).value_or(""), date) << text;
}

// Lines of a log, and the entries of a category list file, which are its
// lines read by the log's rule for UTF-8.
TEST(RulesTest, ForEachLineAndListEntries) {
  const std::pair<std::string_view, const char*> rows[] = {
      {"a\r\nb\r\n", "a|b|"},   {"a\rb\r", "a|b|"},         {"a\nb\n", "a|b|"},
      {"a\r\nb\rc\nd", "a|b|c|d|"}, {"a\n\rb", "a||b|"},  // LF CR is two line ends
      {"a\r\n\r\nb", "a||b|"},  {"", ""},                   {"\r\n", "|"},
      {"abc\r", "abc|"},          {"\x9a\xe8\r\n", "\x9a\xe8|"},
  };
  for (const auto& [text, lines] : rows) {
    std::vector<std::string_view> split;
    ForEachLine(text, [&split](std::string_view line) { split.push_back(line); });
    EXPECT_EQ(Joined(split), lines) << text;
    EXPECT_EQ(Joined(ListFileEntries(text)), lines) << text;
  }
  // Blanks, empty entries, duplicates and order stay; UTF-8 loses its mark.
  EXPECT_EQ(Joined(ListFileEntries(" Z \r\nA\r\n\r\n Z ")), " Z |A|| Z |");
  EXPECT_EQ(Joined(ListFileEntries("\xef\xbb\xbf\xc5\xbd" "ENSKE\r\nYL")), "\x8e" "ENSKE|YL|");
  EXPECT_EQ(Joined(ListFileEntries("\xc5\xbd\x8e" "ENSKE")), "\xc5\xbd\x8e" "ENSKE|") << "Windows-1250, no UTF-8";
}

TEST(RulesTest, Utf8LogAsCp1250) {
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
      {"S5\u200B9\uFEFF\U000E0041", "S59"},  // zero-width space, byte order mark, a tag
      {"\u200B\u001A\u00AD", "\x1a\xad"},  // the soft hyphen is in the code page
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

TEST(RulesTest, FieldTexts) {
  // ASCII and every Windows-1250 letter with a capital; the neighbours of
  // the ranges, sharp s, the division sign and y diaeresis stay.
  EXPECT_EQ(ToUpperCp1250("`az{\x9a\x9c\x9d\x9e\x9f\xb3\xb9\xba\xbe\xbf\xe0\xe8\xfe\xdf\xf7\xff\xb5"),
            "`AZ{\x8a\x8c\x8d\x8e\x8f\xa3\xa5\xaa\xbc\xaf\xc0\xc8\xde\xdf\xf7\xff\xb5");
  const std::tuple<int, const char*, const char*> rows[] = {
      {0, "s57x/p", "S57X/P"}, {5, "s51a,s52b", "S51A,S52B"}, {6, "Janez", "Janez"}, {10, "lp", "lp"},
      {3, "ab", "AB"}, {4, "ab", ""}, {4, "s", "S"}, {4, "s59dgo", "S59DGO"},  // only the club loses two characters
  };
  for (const auto& [index, typed, left] : rows) EXPECT_EQ(TextAfterLeaving(Text1Field(index), typed), left) << typed;
  EXPECT_TRUE(ClubTakesPresetOnEntry(0) && ClubTakesPresetOnEntry(2) && !ClubTakesPresetOnEntry(3));
}

// The bounds of the times the line report takes: hours to 23, minutes and
// seconds to 59, in a contact-like line and in a written QSO line.
TEST(RulesTest, Times) {
  const std::tuple<const char*, bool, bool> rows[] = {  // text, looks like a time, a sound QSO time
      {"0000", true, true},   {"2359", true, true},     {"2400", false, false}, {"2360", false, false},
      {"7:45", true, false},  {"23:59", true, false},   {"24:00", false, false}, {"23:60", false, false},
      {"9:5", false, false},  {"06:01:59", true, false}, {"06:01:60", false, false}, {"06:01:5", false, false},
      {"06-01", false, false}, {"a6:01", false, false},
  };
  for (const auto& [text, time, sound] : rows) {
    EXPECT_EQ(LooksLikeTime(text), time) << text;
    const QsoPieces pieces = {"3500", "CW", "2007-03-04", text, "S57BBB", "599", "1990"};
    EXPECT_EQ(FaultyQsoPieces(pieces), sound ? 0u : unsigned{kQsoTime}) << text;
  }
}

// Odd values are warned of, field by field; 2026 is this year.
TEST(RulesTest, FieldWarnings) {
  const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
      // licence year, contest, operators, the options warned of
      {"1900", "KV", "S51A,S52B", ""}, {"2027", "KV", "", ""}, {"", "KV", "", ""},
      {"1899", "KV", "", "licence-year "}, {"2028", "KV", "", "licence-year "}, {"985", "KV", "", "licence-year "},
      {"19a5", "", "S51A, S52B", "licence-year contest operators "}, {"1985 ", "KV", "S51A ,S52B", "licence-year "},
  };
  for (const auto& [year, contest, operators, warned] : rows) {
    ContestData data;
    data.LicenceYear = year, data.ContestName = contest, data.Operators = operators;
    std::string options;
    for (const FieldWarning& warning : CheckFieldValues(data, 2026)) options.append(warning.field->option).append(" ");
    EXPECT_EQ(options, warned) << year << "|" << contest << "|" << operators;
  }
}

TEST(RulesTest, CabrilloFileName) {
  const std::pair<std::string, const char*> rows[] = {  // "" for no name
      {"S57X/P", "S57X_P.cbr"},   {"  S59AAA   ", "S59AAA.cbr"},   {"../..\\x", ".._.._x.cbr"},
      {std::string("a\0b", 3), "a_b.cbr"}, {"S5\tA\x7f\x1b", "S5_A__.cbr"},
      {"S5\xc2\x85X\xc2\xa0", "S5_X\xc2\xa0.cbr"},                 // NEL is a control, NBSP is not
      {"S5\xc2" "A", "S5\xc2" "A.cbr"},  {"S5\xc4\x8c", "S5\xc4\x8c.cbr"},
      {"", ""},  {"    ", ""},  {".", ""},  {" .. ", ""},  {"...", ""},  {".S5", ".S5.cbr"},  {"/S5", "_S5.cbr"},
  };
  for (const auto& [callsign, name] : rows) EXPECT_EQ(CabrilloFileName(callsign).value_or(""), name) << callsign;
}

}  // namespace
}  // namespace pelikan
