// SPDX-License-Identifier: GPL-3.0-or-later
// The form filled from an earlier entry's header: which header lines fill
// which fields, from our own file and from another logger's, and what the
// user is told.

#include "contest/earlier_entry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace pelikan {
namespace {

// The fields a fresh form holds once filled from `file`, as "option=value"
// for each field that differs from the fresh form's; "refused" for a file
// that is no entry.
std::string FilledFields(std::string_view file) {
  const std::optional<EarlierEntry> entry = ReadEarlierEntry(file);
  if (!entry) return "refused";
  ContestData data;
  const ContestData fresh = data;
  FillFromEarlierEntry(*entry, data);
  std::string fields;
  for (const ContestField& field : kContestFields) {
    if (data.*field.value == fresh.*field.value) continue;
    fields.append(field.option).append("=").append(data.*field.value).append("; ");
  }
  return fields;
}

constexpr std::string_view kOwnEntry =
    "START-OF-LOG: Beta 2.2\r\nCREATED-BY: PELIKAN by QAZMIX\r\nCALLSIGN: S59AAA\r\nCONTEST: KV PRVENSTVO ZRS\r\n"
    "LICENCE-YEAR: 1985\r\nCATEGORY: SINGLE-OP 80M LOW MIXED\r\nCATEGORY-OVERLAY: \r\nTEAM: \r\nCLUB: S59DXX\r\n"
    "CLAIMED-SCORE: 120\r\nOPERATORS: S51A,S52B\r\nNAME: Janez Kova\xE8\r\nADDRESS: \x8Aolska ulica 3\r\n"
    "ADDRESS: 1000 Ljubljana\r\nADDRESS: \r\nSOAPBOX: \r\n"
    "QSO:  3500 CW 2026-03-01 0601 S59AAA       599  1985     S57AA        599  1990\r\nEND-OF-LOG:\r\n";

TEST(EarlierEntryTest, HeaderLinesFillFields) {
  // clang-format off
  const std::tuple<const char*, std::string_view, std::string> rows[] = {
      {"our own entry gives every field but the soapbox", kOwnEntry,
       "callsign=S59AAA; contest=KV PRVENSTVO ZRS; licence-year=1985; category=SINGLE-OP 80M LOW MIXED; "
       "club=S59DXX; operators=S51A,S52B; name=Janez Kova\xE8; street=\x8Aolska ulica 3; "
       "postal-code-and-place=1000 Ljubljana; "},
      {"another logger's 3.0 file: no contest, category or team; ADDRESS-CITY stands in",
       "START-OF-LOG: 3.0\nCREATED-BY: OtherLog 1.0\nCONTEST: CQ-WW-CW\nCALLSIGN: s59aaa\n"
       "CATEGORY-OPERATOR: SINGLE-OP\nCATEGORY-BAND: 80M\nCATEGORY: SINGLE-OP ALL HIGH\nTEAM: Team S5\n"
       "OPERATORS: S51A  S52B @S50C\nOPERATORS: S53D\nCLUB: Slovenia Contest Club\nNAME: Ana Novak\n"
       "ADDRESS: Pot 1\nADDRESS-CITY: Maribor\nADDRESS-POSTALCODE: 2000\nADDRESS-COUNTRY: Slovenia\n"
       "QSO: 3500 CW 2026-03-01 0601 S59AAA 599 001 S57AA 599 002\n",
       "callsign=S59AAA; club=SLOVENIA CONTEST CLUB; operators=S51A,S52B,@S50C,S53D; name=Ana Novak; street=Pot 1; "
       "postal-code-and-place=2000 Maribor; address-extra=Slovenia; "},
      {"further ADDRESS lines are joined; a country line beside them is not taken",
       "START-OF-LOG: 2.0\r\nADDRESS: Pot 1\r\nADDRESS: 1000 Ljubljana\r\nADDRESS: p.p. 5\r\nADDRESS: Slovenija\r\n"
       "ADDRESS-COUNTRY: Slovenia\r\n",
       "street=Pot 1; postal-code-and-place=1000 Ljubljana; address-extra=p.p. 5, Slovenija; "},
      {"one ADDRESS line, lower-case tags, blanks and tabs around values, CR line ends",
       "\r\n  start-of-log: 3.0\rname:\tMarko \r address:  Cesta 2  \rclub: s5\r",
       "name=Marko; street=Cesta 2; "},
      {"a postal code alone, or a place alone, stands for the second line",
       "START-OF-LOG: 3.0\nADDRESS-POSTALCODE: 2000\n", "postal-code-and-place=2000; "},
      {"", "START-OF-LOG: 3.0\nADDRESS-CITY: Maribor\n", "postal-code-and-place=Maribor; "},
      {"a file saved as UTF-8", "\xEF\xBB\xBFSTART-OF-LOG: 3.0\nNAME: Ana \xC5\xBD" "agar\n", "name=Ana \x8E" "agar; "},
      {"a header line after the contacts is not the header's",
       "START-OF-LOG: 3.0\nQSO: 3500 CW 2026-03-01 0601 S59AAA 599 001 S57AA 599 002\nNAME: Ana\n", ""},
      {"a log, not an entry", "80 CW 2007-03-04 0601 S57BBB 599 1990\r\n", "refused"},
      {"a PDF", "%PDF-1.7\n%\xE2\xE3\xCF\xD3\nSTART-OF-LOG: 3.0\n", "refused"},
      {"an empty file", "", "refused"},
  };
  // clang-format on
  for (const auto& [what, file, fields] : rows) EXPECT_EQ(FilledFields(file), fields) << what;
}

// Only the header's start is read: a wrong file may be huge.
TEST(EarlierEntryTest, OnlyTheStartIsRead) {
  std::string file = "START-OF-LOG: 3.0\r\n" + std::string(kEarlierEntryReadLimit, 'x') + "\r\nNAME: Ana\r\n";
  EXPECT_EQ(FilledFields(file), "");
}

TEST(EarlierEntryTest, TheUserIsToldWhatWasFilled) {
  const EarlierEntry own = *ReadEarlierEntry(kOwnEntry);
  EXPECT_TRUE(own.ours);
  EXPECT_EQ(FilledMessage(own, "S59AAA.cbr", Language::kSlovenian),
            "Iz datoteke S59AAA.cbr so vpisana polja: Znak, Contest, Licence-year, Kategorija, Klub, Operatorji, Ime, "
            "Ulica in št., Poštna št. in kraj. Ostala so, kot so bila: Kategorija-overlay, Ekipa, Address, Soapbox.");
  const EarlierEntry other = *ReadEarlierEntry("START-OF-LOG: 3.0\nCREATED-BY: other\nNAME: Ana\n");
  EXPECT_FALSE(other.ours);
  EXPECT_EQ(FilledMessage(other, "old.log", Language::kEnglish),
            "Filled from old.log: Name. Left as they were: Callsign, Contest, Licence year, Category, Category "
            "overlay, Team, Club, Operators, Street and number, Postal code and place, Address, Soapbox. The contest, "
            "category, overlay, team and licence year are taken only from an entry that Pelikan made.");
  const EarlierEntry none = *ReadEarlierEntry("START-OF-LOG: 3.0\nCREATED-BY: PELIKAN by QAZMIX\n");
  EXPECT_EQ(FilledMessage(none, "a.cbr", Language::kSlovenian),
            "Datoteka a.cbr nima podatkov za nobeno polje; polja so ostala, kot so bila.");
  EXPECT_EQ(NotAnEntryMessage("log.txt", Language::kEnglish),
            "log.txt is no Cabrillo file (it does not begin with START-OF-LOG:); the fields are left as they were.");
}

}  // namespace
}  // namespace pelikan
