// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contest/editing_rules.h"
#include "contest/header.h"

namespace pelikan {
namespace {

TEST(ComposeHeaderTest, StartValuesGiveSixteenLinesAndFifteenListEntries) {
  const CabrilloHeader header = ComposeHeader(ContestData{});
  EXPECT_EQ(header.text,
            "START-OF-LOG: Beta 2.2\r\n"
            "CREATED-BY: PELIKAN by QAZMIX\r\n"
            "CALLSIGN: S5\r\n"
            "CONTEST: KV prvenstvo ZRS\r\n"
            "LICENCE-YEAR: \r\n"
            "CATEGORY: \r\n"
            "CATEGORY-OVERLAY: \r\n"
            "TEAM: \r\n"
            "CLUB: \r\n"
            "CLAIMED-SCORE: \r\n"
            "OPERATORS: \r\n"
            "NAME: \r\n"
            "ADDRESS: \r\n"
            "ADDRESS: \r\n"
            "ADDRESS: \r\n"
            "SOAPBOX: \r\n");
  ASSERT_EQ(header.list_lines.size(), 15u);
  EXPECT_EQ(header.list_lines[9], "CLAIMED-SCORE: ");
  EXPECT_EQ(header.list_lines[14], "ADDRESS: ");
  EXPECT_EQ(header.text.substr(header.score_offset, 2), "\r\n");
  EXPECT_EQ(header.text.substr(header.score_offset - 15, 15), "CLAIMED-SCORE: ");
}

TEST(ComposeHeaderTest, FieldsStandInTheirLinesUntouched) {
  ContestData data;
  data.Callsign = "s59aaa ";
  data.Category = "SINGLE-OP 80M LOW CW";
  data.CategoryOverlay = "ROOKIE";
  data.Operators = " S51A,S52B";
  data.EntrantName = "Jo\x9e" "e";  // Windows-1250 z caron
  data.Street = "Ulica 1";
  data.PostalCodeAndPlace = "1000 Ljubljana";
  data.AddressExtra = "SCORE: 5";
  data.Soapbox = " ";
  const CabrilloHeader header = ComposeHeader(data);
  ASSERT_EQ(header.list_lines.size(), 16u);
  const std::vector<std::string> expected = {
      "START-OF-LOG: Beta 2.2", "CREATED-BY: PELIKAN by QAZMIX",
      "CALLSIGN: s59aaa ",      "CONTEST: KV prvenstvo ZRS",
      "LICENCE-YEAR: ",         "CATEGORY: SINGLE-OP 80M LOW CW",
      "CATEGORY-OVERLAY: ROOKIE", "TEAM: ",
      "CLUB: ",                 "CLAIMED-SCORE: ",
      "OPERATORS:  S51A,S52B",  "NAME: Jo\x9e" "e",
      "ADDRESS: Ulica 1",       "ADDRESS: 1000 Ljubljana",
      "ADDRESS: SCORE: 5",      "SOAPBOX:  "};
  EXPECT_EQ(header.list_lines, expected);
  EXPECT_TRUE(header.text.ends_with("ADDRESS: SCORE: 5\r\nSOAPBOX:  \r\n"));
}

TEST(EditingRulesTest, UpperCaseCoversTheCodePageLetters) {
  EXPECT_EQ(ToUpperCp1250("s59abc"), "S59ABC");
  // s, c and z caron, a ogonek, l stroke, o acute
  EXPECT_EQ(ToUpperCp1250("\x9a\xe8\x9e\xb9\xb3\xf3"), "\x8a\xc8\x8e\xa5\xa3\xd3");
  // sharp s, division sign, y with diaeresis and micro sign have no capital here
  EXPECT_EQ(ToUpperCp1250("\xdf\xf7\xff\xb5"), "\xdf\xf7\xff\xb5");
  EXPECT_EQ(ToUpperCp1250("S5-1/P"), "S5-1/P");
}

TEST(EditingRulesTest, LeavingAField) {
  EXPECT_EQ(TextAfterLeaving(0, "s57x/p"), "S57X/P");
  EXPECT_EQ(TextAfterLeaving(5, "s51a,s52b"), "S51A,S52B");
  // Name, address lines and soapbox keep their case.
  EXPECT_EQ(TextAfterLeaving(6, "Janez"), "Janez");
  EXPECT_EQ(TextAfterLeaving(10, "lp"), "lp");
  // Only the club field loses a two-character text.
  EXPECT_EQ(TextAfterLeaving(4, "S5"), "");
  EXPECT_EQ(TextAfterLeaving(4, "ab"), "");
  EXPECT_EQ(TextAfterLeaving(4, "s"), "S");
  EXPECT_EQ(TextAfterLeaving(4, "s59dgo"), "S59DGO");
  EXPECT_EQ(TextAfterLeaving(3, "ab"), "AB");
}

TEST(EditingRulesTest, ClubPresetOnEntry) {
  EXPECT_TRUE(ClubTakesPresetOnEntry(0));
  EXPECT_TRUE(ClubTakesPresetOnEntry(2));
  EXPECT_FALSE(ClubTakesPresetOnEntry(3));
}

}  // namespace
}  // namespace pelikan
