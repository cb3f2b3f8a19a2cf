// SPDX-License-Identifier: GPL-3.0-or-later
// The contest data's rules, one table each, as both faces run them: the
// editing rules, readiness, the callsign after a run, drops, the file name,
// odd values and the words of the interface. The window's and the page's
// tests check only that they are wired to these.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "contest/editing_rules.h"
#include "contest/fields.h"
#include "contest/file_name.h"
#include "contest/value_checks.h"
#include "contest/words.h"

namespace pelikan {
namespace {

// The fields a fresh form holds, with the required texts and a category filled.
ContestData Filled() {
  ContestData data;
  data.LicenceYear = "1990", data.Category = "SINGLE-OP 80M LOW CW", data.EntrantName = "Janez";
  data.Street = "Pot 1", data.PostalCodeAndPlace = "1000 Ljubljana";
  return data;
}

TEST(ContestTest, Readiness) {
  // clang-format off
  const std::tuple<const char*, std::function<void(ContestData&)>, bool> rows[] = {
      {"all there", [](ContestData&) {}, true},
      {"no category", [](ContestData& d) { d.Category.clear(); }, false},
      {"no callsign", [](ContestData& d) { d.Callsign.clear(); }, false},
      {"no licence year", [](ContestData& d) { d.LicenceYear.clear(); }, false},
      {"no name", [](ContestData& d) { d.EntrantName.clear(); }, false},
      {"no street", [](ContestData& d) { d.Street.clear(); }, false},
      {"no postal code", [](ContestData& d) { d.PostalCodeAndPlace.clear(); }, false},
      {"a blank is a text", [](ContestData& d) { d.EntrantName = " "; }, true},
      {"the contest is starred, not required", [](ContestData& d) { d.ContestName.clear(); }, true},
      {"no overlay, team or soapbox needed", [](ContestData& d) { d.CategoryOverlay = d.Team = d.Soapbox = ""; }, true},
  };
  // clang-format on
  for (const auto& [what, change, ready] : rows) {
    ContestData data = Filled();
    change(data);
    EXPECT_EQ(ReadyToMake(data), ready) << what;
  }
}

// Entering and leaving fields, as the focus moves; the club is Text1(4).
TEST(ContestTest, EditingRules) {
  const ContestField& club = Text1Field(kClubIndex);
  const ContestField& name = Text1Field(6);
  // clang-format off
  const std::tuple<const char*, const ContestField*, bool, std::string, std::string> rows[] = {
      // field, entered (or left), the club before, the club after
      {"an empty club takes the preset", &club, true, "", "S5"},
      {"one character gives way to it", &club, true, "x", "S5"},
      {"two do too", &club, true, "ab", "S5"},
      {"three are kept", &club, true, "S50", "S50"},
      {"another field entered leaves the club", &name, true, "", ""},
      {"the untouched preset goes when left", &club, false, "S5", ""},
      {"so do any two characters, whichever field is left", &name, false, "AB", ""},
      {"one stays, upper-cased", &club, false, "x", "X"},
      {"three stay, upper-cased", &club, false, "s50ab", "S50AB"},
      {"another field left leaves a longer club as it was", &name, false, "s50ab", "s50ab"},
  };
  // clang-format on
  for (const auto& [what, field, entered, before, after] : rows) {
    ContestData data;
    data.Club = before;
    (entered ? EnterField : LeaveField)(*field, data);
    EXPECT_EQ(data.Club, after) << what;
  }
  // Upper case on leaving for the fields up to the operators, in Windows-1250.
  for (const ContestField& field : kContestFields) {
    if (field.list || field.index == kClubIndex) continue;
    ContestData data;
    data.*field.value = "s5\xE8\x9E\xDF ab";  // s5čžß
    LeaveField(field, data);
    EXPECT_EQ(data.*field.value, field.index < 6 ? "S5\xC8\x8E\xDF AB" : "s5\xE8\x9E\xDF ab") << field.option;
    EXPECT_EQ(TextAfterLeaving(field, "s5\xE8 ab"), field.index < 6 ? "S5\xC8 AB" : "s5\xE8 ab") << field.option;
  }
  EXPECT_EQ(TextAfterLeaving(club, "s5"), "");
  EXPECT_EQ(TextAfterLeaving(club, "s59"), "S59");
}

// Which fields the form shows anew, as the file will hold them, when the
// focus moves: those a rule changed, and an upper-cased field left; every
// other keeps the text as typed (a character the code page lacks included).
TEST(ContestTest, FieldsShownAnew) {
  const auto place = [](int text1) {
    const auto at = std::find_if(kContestFields.begin(), kContestFields.end(),
                                 [text1](const ContestField& f) { return !f.list && f.index == text1; });
    return static_cast<std::size_t>(at - kContestFields.begin());
  };
  // clang-format off
  const std::tuple<const char*, int, FocusMove, std::string, std::string> rows[] = {
      // what, Text1 index, move, the club before, the fields shown anew by their Text1 indexes
      {"the callsign left, unchanged", 0, FocusMove::kLeave, "S50A", "0"},
      {"the name left, unchanged", 6, FocusMove::kLeave, "S50A", ""},
      {"the name left, the preset dropped", 6, FocusMove::kLeave, "S5", "4"},
      {"the club entered, the preset shown", 4, FocusMove::kEnter, "", "4"},
      {"the club entered, kept", 4, FocusMove::kEnter, "S50A", ""},
      {"the callsign entered", 0, FocusMove::kEnter, "", ""},
  };
  // clang-format on
  for (const auto& [what, text1, move, club, expected] : rows) {
    ContestData data;
    data.Club = club;
    const auto shown = ApplyFocusMove(Text1Field(text1), move, data);
    std::string indexes;
    for (int i = 0; i < kText1Count; ++i) {
      if (shown[place(i)]) indexes += std::to_string(i);
    }
    EXPECT_EQ(indexes, expected) << what;
  }
}

// The callsign field after a run shows the blanks its QSO lines pad it with,
// once a contact was converted; the drop rule.
TEST(ContestTest, AfterARunAndDrops) {
  const std::tuple<std::string_view, int, std::size_t> padding[] = {{"S5", 1, 4},     {"S5", 0, 0}, {"S59AAA", 3, 0},
                                                                    {"S57X/P", 1, 0}, {"", 1, 6},   {"S5A  ", 2, 1}};
  for (const auto& [callsign, contacts, blanks] : padding) {
    EXPECT_EQ(CallsignBlanksAfterRun(callsign, contacts), blanks) << callsign << " " << contacts;
  }
  using enum DropRefusal;
  using enum RunState;
  const std::tuple<bool, RunState, int, DropRefusal> drops[] = {
      {true, kOpen, 1, kNone},
      {false, kOpen, 1, kBeforeReady},
      {true, kOpen, 2, kNotOneFile},
      {true, kOpen, 0, kNotOneFile},
      {true, kFileMade, 1, kAfterRun},
      {false, kFileMade, 2, kAfterRun},
      {true, kCancelled, 1, kAfterCancel},
      {false, kCancelled, 0, kAfterCancel},
  };
  for (const auto& [ready, run, files, refusal] : drops) {
    EXPECT_EQ(RefuseDrop(ready, run, files), refusal) << ready << static_cast<int>(run) << files;
  }
}

TEST(ContestTest, CabrilloFileName) {
  // clang-format off
  const std::pair<std::string, const char*> rows[] = {  // callsign in Windows-1250, name in UTF-8; "" for none
      {"S57X/P", "S57X_P.cbr"},   {"  S59AAA   ", "S59AAA.cbr"},   {"../..\\x", ".._.._x.cbr"},
      {std::string("a\0b", 3), "a_b.cbr"}, {"S5\tA\x7f\x1b", "S5_A__.cbr"},
      {"S5\x81X\x90\xA0", "S5_X_\xc2\xa0.cbr"},            // the undefined bytes are controls; NBSP is not
      {"S5\x8A\xE8", "S5\xc5\xa0\xc4\x8d.cbr"},            // Šč in UTF-8
      {"", ""},  {"    ", ""},  {".", ""},  {" .. ", ""},  {"...", ""},  {".S5", ".S5.cbr"},  {"/S5", "_S5.cbr"},
  };
  // clang-format on
  for (const auto& [callsign, name] : rows) {
    ContestData data;
    data.Callsign = callsign;
    EXPECT_EQ(CabrilloFileName(data).value_or(""), name) << callsign;
  }
}

// Odd values are warned of, field by field; 2026 is this year.
TEST(ContestTest, FieldWarnings) {
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
// Every word the interface shows stands in both languages, the fields'
// captions and tips, and the odd values' words, included.
TEST(ContestTest, EveryWordInBothLanguages) {
  for (int word = 0; word < static_cast<int>(Word::kWordCount); ++word) {
    const std::string_view slovenian = WordOf(static_cast<Word>(word), Language::kSlovenian);
    EXPECT_FALSE(slovenian.empty()) << word;
    EXPECT_FALSE(WordOf(static_cast<Word>(word), Language::kEnglish).empty()) << slovenian;
  }
  for (const ContestField& field : kContestFields) {
    EXPECT_FALSE(CaptionOf(field, Language::kEnglish).empty()) << field.caption;
    EXPECT_TRUE(field.tip.empty() || !TipOf(field, Language::kEnglish).empty()) << field.tip;
  }
  ContestData odd;
  odd.LicenceYear = "85", odd.ContestName = "", odd.Operators = "S51A, S52B";
  for (const FieldWarning& warning : CheckFieldValues(odd, 2026)) {
    EXPECT_TRUE(!warning.slovenian.empty() && !warning.english.empty() && !warning.converter.empty());
  }
  EXPECT_EQ(LanguageName(Language::kSlovenian), "Slovenščina");
  EXPECT_EQ(LanguageName(Language::kEnglish), "English");
}

// The window's language from the locale variables: the first one set decides.
TEST(ContestTest, LanguageOfLocale) {
  using enum Language;
  // clang-format off
  const std::tuple<const char*, const char*, const char*, const char*, Language> rows[] = {
      // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
      {"", "", "", "", kSlovenian},                   {"", "", "", "C.UTF-8", kSlovenian},
      {"", "POSIX", "", "en_GB.UTF-8", kSlovenian},   {"", "", "", "sl_SI.UTF-8", kSlovenian},
      {"", "", "", "de_AT.UTF-8", kEnglish},          {"", "", "en_US.UTF-8", "sl_SI.UTF-8", kEnglish},
      {"", "sl_SI.UTF-8@euro", "en_US", "en_US", kSlovenian}, {"en:sl", "sl_SI.UTF-8", "", "", kEnglish},
      {"sl:en", "", "", "en_US.UTF-8", kSlovenian},   {":", "", "", "it", kEnglish},
      {"", "", "", "slk_SK", kEnglish},
  };
  // clang-format on
  for (const auto& [language, lc_all, lc_messages, lang, expected] : rows) {
    EXPECT_EQ(LanguageOfLocale(language, lc_all, lc_messages, lang), expected)
        << language << "|" << lc_all << "|" << lc_messages << "|" << lang;
  }
}

}  // namespace
}  // namespace pelikan
