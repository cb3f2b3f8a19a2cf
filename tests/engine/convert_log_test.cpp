// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/convert_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/temp_dir.h"

namespace pelikan {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

constexpr int kHeaderListLines = 15;  // the list shows no empty soapbox line
constexpr int kSummaryLines = 10;

ContestData Station() {
  ContestData data;
  data.Callsign = "S59AAA";
  data.LicenceYear = "1985";
  data.Category = "SINGLE-OP 80M LOW MIXED";
  data.EntrantName = "Janez Novak";
  data.Street = "Ulica 1";
  data.PostalCodeAndPlace = "1000 Ljubljana";
  return data;
}

class ConvertLogTest : public ::testing::Test {
 protected:
  ConversionResult Convert(std::string_view log, const ContestData& data = Station()) {
    result_ = ConvertLogText(log, data, dir_ / CabrilloFileName(data.Callsign).value());
    return result_;
  }
  std::string File() const { return ReadFile(result_.output_path); }
  // The lines the run added to the file after the header.
  std::vector<std::string> Body() const {
    std::vector<std::string> lines;
    const std::string file = File();
    for (std::size_t start = 0; start < file.size();) {
      const std::size_t end = file.find("\r\n", start);
      lines.push_back(file.substr(start, end - start));
      start = end + 2;
    }
    // Fifteen header lines, then the header's soapbox entry unless the log's
    // soapbox lines replaced it; END-OF-LOG: last.
    lines.erase(lines.begin(), lines.begin() + 15);
    if (lines.front() == "SOAPBOX: ") lines.erase(lines.begin());
    lines.pop_back();
    return lines;
  }
  // The listing and duplicate lines, between the header echo and the summary.
  std::vector<std::string> Listing() const {
    const auto& list = result_.result_list;
    return {list.begin() + kHeaderListLines, list.end() - kSummaryLines};
  }

  TempDir dir_;
  ConversionResult result_;
};

TEST_F(ConvertLogTest, WorkedExamplesToTheByte) {
  Convert("QSO: 80\tCW\t2007-03-04  06:01 S57BBB 599 599 1990\r\n"
          "QSO: 80 SSB 2007-03-04 5:12 S5ZZ 59 57 1990\r\n");
  ASSERT_TRUE(result_.ok());
  EXPECT_THAT(Listing(),
              ElementsAre("QSO:  3500 CW 2007-03-04 0601 S59AAA      599  1985     S57BBB       599  1990",
                          "QSO:  3500 PH 2007-03-04 0512 S59AAA       59  1985     S5ZZ          57  1990"));
  // The whole file is compared byte for byte in the golden case worked_example.
  EXPECT_THAT(Body(),
              ElementsAre("QSO:  3500 CW 2007-03-04 0601 S59AAA       599  1985     S57BBB       599  1990",
                          "QSO:  3500 PH 2007-03-04 0512 S59AAA        59  1985     S5ZZ          57  1990"));
  EXPECT_THAT(File(), HasSubstr("\r\nCLUB: \r\nCLAIMED-SCORE: 6\r\nOPERATORS: \r\n"));
  EXPECT_EQ(result_.output_path, dir_ / "S59AAA.cbr");
  EXPECT_EQ(result_.processed_message, "Obdelani so 2 zapisi");
}

TEST_F(ConvertLogTest, LineKinds) {
  Convert("Band Mode Date Time Call\r\n"
          "   Bandwidth\r\n"
          "-----------------\r\n"
          "SOAPBOX: ab\r\n"           // 11 characters: a soapbox line
          "SOAPBOX: a\r\n"            // 10: a candidate, no report field
          " SOAPBOX: ab\r\n"          // not at the start
          "\r\n\t\r\n \r\n  \t \r\n"  // blank lines
          "80 CW 2007-03-04 0601 S57BBB 599 599\r\n"  // seven fields: fixes the layout, skipped
          "80 CW 2007-03-04 0602 S57CCC 599 599 1990\r\n");
  ASSERT_TRUE(result_.ok());
  EXPECT_EQ(result_.record_count, 1);
  EXPECT_THAT(Body(), ElementsAre("SOAPBOX: ab", ::testing::StartsWith("QSO:  3500 CW 2007-03-04 0602")));
}

TEST_F(ConvertLogTest, SoapboxLinesReplaceAnEmptyHeaderEntry) {
  const std::string first = "SOAPBOX: Lep pozdrav \x9a\xe8\t!";  // Windows-1250 bytes and a tab
  Convert(first + "\r\nSOAPBOX: second line\r\n80 CW 2007-03-04 0601 S57BBB 599 599 1990\r\n");
  const std::string file = File();
  EXPECT_THAT(file, HasSubstr("ADDRESS: \r\n" + first + "\r\nSOAPBOX: second line\r\nQSO:"));
  EXPECT_THAT(file, ::testing::Not(HasSubstr("SOAPBOX: \r\n")));
  EXPECT_EQ(result_.result_list[kHeaderListLines], first);
}

TEST_F(ConvertLogTest, SoapboxLinesFollowAFilledHeaderEntry) {
  ContestData data = Station();
  data.Soapbox = "Hvala";
  Convert("SOAPBOX: from the log\r\n", data);
  EXPECT_THAT(File(), HasSubstr("SOAPBOX: Hvala\r\nSOAPBOX: from the log\r\nEND-OF-LOG:\r\n"));
}

TEST_F(ConvertLogTest, SoapboxTextEndingLikeAnEmptyEntryStaysWhole) {
  ContestData data = Station();
  data.Soapbox = "see SOAPBOX: ";
  Convert("SOAPBOX: from the log\r\n", data);
  EXPECT_THAT(File(), HasSubstr("\r\nSOAPBOX: see SOAPBOX: \r\nSOAPBOX: from the log\r\nEND-OF-LOG:"));
}

TEST_F(ConvertLogTest, SoapboxLineAfterContactsStaysWhereItIs) {
  Convert("80 CW 2007-03-04 0601 S57BBB 599 599 1990\r\nSOAPBOX: late remark\r\n");
  EXPECT_THAT(Body(), ElementsAre(::testing::StartsWith("QSO:"), "SOAPBOX: late remark"));
  EXPECT_THAT(File(), HasSubstr("ADDRESS: \r\nSOAPBOX: \r\nQSO:"));
}

TEST_F(ConvertLogTest, LayoutColumnsArePositional) {
  // The first contact's received report is 57 and its call does not begin
  // with S: the columns still follow the sent report.
  Convert("80 CW 2007-03-04 0601 9A1AA 599 57 12\r\n"
          "80 CW 2007-03-04 0602 OE1XYZ 599 579 13\r\n");
  EXPECT_THAT(Body(),
              ElementsAre("QSO:  3500 CW 2007-03-04 0601 S59AAA       599  1985     9A1AA         57  12",
                          "QSO:  3500 CW 2007-03-04 0602 S59AAA       599  1985     OE1XYZ       579  13"));
  EXPECT_EQ(result_.cw_multipliers, 2);
}

TEST_F(ConvertLogTest, FirstLayoutHoldsForLaterLines) {
  Convert("80 CW 2007-03-04 0601 S57BBB 599 599 1990\r\n"
          "80 CW 2007-03-04 0602 extra S57CCC 599 599 1991\r\n");
  // The second line is read with the first line's columns.
  EXPECT_THAT(Listing()[1], HasSubstr("extra        599  599"));
}

TEST_F(ConvertLogTest, LeadingBlanksKeepQsoAsAField) {
  Convert("  QSO: 3500 CW 2007-03-04 0601 S57BBB 599 599 1990\r\n");
  // "QSO:" is field 0, so it is the frequency; it is no time either.
  EXPECT_THAT(Body(), ElementsAre("QSO:  QSO: CW 2007-03-04 0601 S59AAA       599  1985     S57BBB       599  1990"));
}

TEST_F(ConvertLogTest, ColumnsPastTheEndOfALineReadAsEmpty) {
  // The report is the last of eight fields: no received report, no exchange.
  Convert("80 CW 2007-03-04 0601 x y S57BBB 599\r\n");
  ASSERT_TRUE(result_.ok());
  EXPECT_EQ(result_.record_count, 1);
  EXPECT_THAT(Body(), ElementsAre("QSO:  3500 CW 2007-03-04 0601 S59AAA       599  1985     S57BBB"
                                  "            "));
}

TEST_F(ConvertLogTest, ReportInFieldZero) {
  Convert("599 57 1990 a b c d e\r\n");
  ASSERT_TRUE(result_.ok());
  EXPECT_EQ(result_.record_count, 1);
  // No field stands before the report, so field 0 is also the worked call.
  EXPECT_THAT(Body(), ElementsAre(HasSubstr("1985     599           57  1990")));
}

struct ContactRow {
  const char* name;
  const char* lines;     // the contacts; the last one is checked
  const char* expected;  // the frequency, mode, date and time pieces of its QSO line
};

class ContactPiecesTest : public ConvertLogTest, public ::testing::WithParamInterface<ContactRow> {};

TEST_P(ContactPiecesTest, Row) {
  Convert(GetParam().lines);
  ASSERT_TRUE(result_.ok());
  const std::vector<std::string> body = Body();
  ASSERT_FALSE(body.empty());
  const std::string last = body.back();
  const std::size_t own_call = last.find(" S59AAA");
  ASSERT_NE(own_call, std::string::npos) << last;
  EXPECT_EQ(last.substr(6, own_call - 6), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ModeFrequencyTimeDate, ContactPiecesTest,
    ::testing::Values(
        ContactRow{"mode_cw", "80 CW 2007-03-04 0601 S57BBB 599 599 1", "3500 CW 2007-03-04 0601"},
        ContactRow{"mode_ssb", "80 SSB 2007-03-04 0601 S57BBB 59 59 1", "3500 PH 2007-03-04 0601"},
        ContactRow{"mode_ph", "80 PH 2007-03-04 0601 S57BBB 59 59 1", "3500 PH 2007-03-04 0601"},
        ContactRow{"mode_searched", "80 FM A1-CW 2007-03-04 0601 S57BBB 599 599 1",
                   "3500 CW 2007-03-04 0601"},
        ContactRow{"last_mode_wins", "xSSB FM A1-CW 2007-03-04 0601 S57BBB 599 599 1",
                   "xSSB CW 2007-03-04 0601"},
        ContactRow{"mode_carried", "80 CW 2007-03-04 0601 S57BBB 599 599 1\n80 FM 2007-03-04 0602 S57C 599 599 1",
                   "3500 CW 2007-03-04 0602"},
        ContactRow{"no_mode_ever", "80 FM 2007-03-04 0601 S57BBB 59 59 1", "3500  2007-03-04 0601"},
        ContactRow{"freq_80m", "80m CW 2007-03-04 0601 S57BBB 599 599 1", "3500 CW 2007-03-04 0601"},
        ContactRow{"freq_800", "800 CW 2007-03-04 0601 S57BBB 599 599 1", "3500 CW 2007-03-04 0601"},
        ContactRow{"freq_7000", "7000 CW 2007-03-04 06:01 S57BBB 599 599 1", "7000 CW 2007-03-04 0601"},
        ContactRow{"freq_40", "40 CW 2007-03-04 0601 S57BBB 599 599 1", "40 CW 2007-03-04 0601"},
        ContactRow{"time_colon", "80 CW 2007-03-04 16:30 S57BBB 599 599 1", "3500 CW 2007-03-04 1630"},
        ContactRow{"time_one_digit_hour", "80 CW 2007-03-04 5:12 S57BBB 599 599 1", "3500 CW 2007-03-04 0512"},
        ContactRow{"time_seven", "80 CW 2007-03-04 7:45 S57BBB 599 599 1", "3500 CW 2007-03-04 0745"},
        ContactRow{"time_seconds", "80 CW 2007-03-04 06:01:30 S57BBB 599 599 1", "3500 CW 2007-03-04 0601"},
        ContactRow{"time_seconds_short", "80 CW 2007-03-04 5:12:30 S57BBB 599 599 1",
                   "3500 CW 2007-03-04 0512"},
        ContactRow{"frequency_is_the_time", "80 CW 2007-03-04 S57BBB 599 599 1 x", "3500 CW 2007-03-04 3500"},
        ContactRow{"time_carried", "80 CW 2007-03-04 0601 S57BBB 599 599 1\n40 CW 2007-03-04 x S57C 599 599 1",
                   "40 CW 2007-03-04 0601"},
        ContactRow{"qso_field_with_four_char_time",
                   " QSO: 3500 CW 2007-03-04 0601 S57BBB 599 599 1", "QSO: CW 2007-03-04 0601"},
        ContactRow{"qso_field_is_no_time", " QSO: 3500 CW 2007-03-04 7:45 S57BBB 599 599 1",
                   "QSO: CW 2007-03-04 0745"},
        ContactRow{"date_dotted", "80 CW 4.3.2007 0601 S57BBB 599 599 1", "3500 CW 2007-03-04 0601"},
        ContactRow{"date_day_first", "80 CW 04/03/2007 0601 S57BBB 599 599 1", "3500 CW 2007-03-04 0601"},
        ContactRow{"no_date_takes_field_zero", "3500.5 CW 0601 S57BBB 599 599 1 x",
                   "3500.5 CW 3500.5 0601"},
        ContactRow{"date_carried", "80 CW 2007-03-04 0601 S57BBB 599 599 1\n80 CW 20070305 0602 S57C 599 599 1",
                   "3500 CW 20070305 0602"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConvertLogTest, PaddingAndWideFields) {
  ContestData data = Station();
  data.Callsign = "S59AB";
  Convert("80 CW 2007-03-04 0601 S5ZZ 599 9 1990\r\n"
          "80 CW 2007-03-04 0602 S5ABCDEFGHIJKLM 599 5999999999 1990\r\n",
          data);
  EXPECT_THAT(Body(),
              ElementsAre("QSO:  3500 CW 2007-03-04 0601 S59AB        599  1985     S5ZZ           9  1990",
                          "QSO:  3500 CW 2007-03-04 0602 S59AB        599  1985     S5ABCDEFGHIJKLM "
                          "5999999999  1990"));
  EXPECT_THAT(Listing(),
              ElementsAre("QSO:  3500 CW 2007-03-04 0601 S59AB       599  1985     S5ZZ           9  1990",
                          "QSO:  3500 CW 2007-03-04 0602 S59AB       599  1985     S5ABCDEFGHIJKLM"
                          "5999999999  1990"));
  EXPECT_EQ(result_.padded_callsign, "S59AB ");
  EXPECT_EQ(result_.result_list[2], "CALLSIGN: S59AB");
  EXPECT_EQ(result_.output_path, dir_ / "S59AB.cbr");
}

TEST_F(ConvertLogTest, CallsignStaysUnpaddedWithoutContacts) {
  ContestData data = Station();
  data.Callsign = "S5A";
  Convert("", data);
  EXPECT_EQ(result_.padded_callsign, "S5A");
}

TEST_F(ConvertLogTest, DuplicatesPerMode) {
  Convert("80 CW 2007-03-04 0601 S5ZZ 599 599 A\r\n"
          "80 SSB 2007-03-04 0602 S5ZZ 59 59 A\r\n"   // other mode: no duplicate
          "80 CW 2007-03-04 0603 S5ZZ 599 599 B\r\n"  // duplicate, new key
          "80 CW 2007-03-04 0604 s5zz 599 599 A\r\n"  // other case: other call
          "80 CW 2007-03-04 0605 S5ZZ 599 599 A\r\n");
  const std::vector<std::string> listing = Listing();
  ASSERT_EQ(listing.size(), 7u);
  EXPECT_EQ(listing[3], " DVOJNA ZVEZA Z  S5ZZ  ");
  EXPECT_THAT(listing[4], HasSubstr("s5zz"));
  EXPECT_EQ(listing[6], " DVOJNA ZVEZA Z  S5ZZ  ");
  EXPECT_EQ(result_.record_count, 5);
  EXPECT_EQ(result_.duplicates, 2);
  EXPECT_EQ(result_.cw_contacts, 2);
  EXPECT_EQ(result_.ph_contacts, 1);
  EXPECT_EQ(result_.cw_multipliers, 2);
  EXPECT_EQ(result_.ph_multipliers, 1);
  EXPECT_EQ(Body().size(), 5u) << "duplicates are written like any contact";
}

TEST_F(ConvertLogTest, SummaryOfTheWorkedExample) {
  std::string log;
  for (int i = 0; i < 10; ++i) {
    log += "80 CW 2007-03-04 0601 S5C" + std::to_string(i) + " 599 599 " + std::to_string(i % 5) + "\r\n";
  }
  for (int i = 0; i < 4; ++i) {
    log += "80 SSB 2007-03-04 0701 S5P" + std::to_string(i) + " 59 59 " + std::to_string(i % 3) + "\r\n";
  }
  log += "80 CW 2007-03-04 0801 S5C1 599 599 0\r\n80 SSB 2007-03-04 0802 S5P1 59 59 0\r\n";
  Convert(log);
  ASSERT_TRUE(result_.ok());
  const auto& list = result_.result_list;
  EXPECT_THAT(std::vector<std::string>(list.end() - kSummaryLines, list.end()),
              ElementsAre("END-OF-LOG:", "", "", "V logu je  16  zapisov", "Dvojne zveze:  2 v bazi", "",
                          "CW zvez  10    x    2   =   20 tock , 5  CW mnoziteljev",
                          "PH zvez  4    x    1   =   4 tock , 3  PH mnoziteljev",
                          std::string(62, '-'),
                          "Skupaj  24   tock   x     8 mnozilcev  =  192  tock"));
  EXPECT_THAT(File(), HasSubstr("\r\nCLAIMED-SCORE: 192\r\n"));
  EXPECT_EQ(result_.claimed_score, 192);
  EXPECT_EQ(result_.processed_message, "Obdelano je 16 zapisov");
  EXPECT_EQ(list[9], "CLAIMED-SCORE: ") << "the header echo keeps no score";
}

TEST_F(ConvertLogTest, EmptyLog) {
  Convert("");
  ASSERT_TRUE(result_.ok());
  EXPECT_EQ(result_.result_list.size(), static_cast<std::size_t>(kHeaderListLines + kSummaryLines));
  EXPECT_EQ(result_.result_list[kHeaderListLines + 9], "Skupaj  0   tock   x     0 mnozilcev  =  0  tock");
  EXPECT_THAT(File(), HasSubstr("CLAIMED-SCORE: 0\r\n"));
  EXPECT_THAT(File(), ::testing::EndsWith("SOAPBOX: \r\nEND-OF-LOG:\r\n"));
  EXPECT_EQ(result_.processed_message, "Obdelani so 0 zapisi");
}

TEST_F(ConvertLogTest, ProcessedMessageChangesFormAtFive) {
  const std::string contact = "80 CW 2007-03-04 0601 S57BBB 599 599 1990\r\n";
  Convert(contact + contact + contact + contact);
  EXPECT_EQ(result_.processed_message, "Obdelani so 4 zapisi");
  Convert(contact + contact + contact + contact + contact);
  EXPECT_EQ(result_.processed_message, "Obdelano je 5 zapisov");
}

TEST_F(ConvertLogTest, EmptyMultiplierKeysScoreNothing) {
  Convert("80 CW 2007-03-04 0601 S57BBB 599 599 '\r\n80 CW 2007-03-04 0602 S57CCC 599 599 ''x\r\n");
  EXPECT_EQ(result_.cw_contacts, 2);
  EXPECT_EQ(result_.cw_multipliers, 0);
  EXPECT_EQ(result_.claimed_score, 0);
}

TEST_F(ConvertLogTest, ScoreGoesIntoTheHeaderLineOnly) {
  ContestData data = Station();
  data.Operators = "SCORE: by hand";
  data.Soapbox = "SCORE: 1";
  Convert("SOAPBOX: CLAIMED-SCORE: 99\r\n80 CW 2007-03-04 0601 S57BBB 599 599 1990\r\n", data);
  const std::string file = File();
  EXPECT_THAT(file, HasSubstr("\r\nCLUB: \r\nCLAIMED-SCORE: 2\r\nOPERATORS: SCORE: by hand\r\n"));
  EXPECT_THAT(file, HasSubstr("SOAPBOX: SCORE: 1\r\nSOAPBOX: CLAIMED-SCORE: 99\r\n"));
}

TEST(CabrilloFileNameTest, NamesStayInTheFolderAndVisible) {
  const std::optional<std::string> none;
  const std::pair<std::string, std::optional<std::string>> rows[] = {
      {"S57X/P", "S57X_P.cbr"},
      {"  S59AAA   ", "S59AAA.cbr"},
      {"../..\\x", ".._.._x.cbr"},
      {std::string("a\0b", 3), "a_b.cbr"},
      {"S5\tA\x7f\x1b", "S5_A__.cbr"},
      {"S5\xc2\x85X\xc2\xa0", "S5_X\xc2\xa0.cbr"},  // NEL is a control, NBSP is not
      {"S5\xc2" "A", "S5\xc2" "A.cbr"},                // no character, no control
      {"S5\xc4\x8c", "S5\xc4\x8c.cbr"},          // a letter as UTF-8 stays as it is
      {"", none},
      {"    ", none},
      {".", none},
      {" .. ", none},
      {"...", none},
      {".S5", ".S5.cbr"},
  };
  for (const auto& [callsign, name] : rows) EXPECT_EQ(CabrilloFileName(callsign), name) << callsign;
}

TEST_F(ConvertLogTest, PortableCallKeepsItsSlashInTheFile) {

  ContestData data = Station();
  data.Callsign = "S57X/P";
  Convert("", data);
  ASSERT_TRUE(result_.ok());
  EXPECT_EQ(result_.output_path, dir_ / "S57X_P.cbr");
  EXPECT_THAT(File(), HasSubstr("CALLSIGN: S57X/P\r\n"));
}

TEST_F(ConvertLogTest, ExistingFileIsReplaced) {
  WriteFile(dir_ / "S59AAA.cbr", "old contents that are longer than the new file will be ... ");
  Convert("");
  ASSERT_TRUE(result_.ok());
  EXPECT_THAT(File(), ::testing::StartsWith("START-OF-LOG"));
  EXPECT_EQ(testing::CountEntries(dir_.path()), 1);
}

std::string ManyContacts(int count) {
  std::string log;
  log.reserve(static_cast<std::size_t>(count) * 48);
  for (int i = 0; i < count; ++i) {
    log += "80 CW 2007-03-04 0601 S5" + std::to_string(i) + " 599 599 " + std::to_string(i % 50) + "\n";
  }
  return log;
}

TEST_F(ConvertLogTest, MostContactsARunTakes) {
  Convert(ManyContacts(kMaxRecords));
  ASSERT_TRUE(result_.ok());
  EXPECT_EQ(result_.record_count, kMaxRecords);
  EXPECT_EQ(result_.cw_contacts, kMaxRecords);
  EXPECT_EQ(result_.claimed_score, 2LL * kMaxRecords * 50);
}

TEST_F(ConvertLogTest, OneContactTooManyStopsWithoutTouchingTheFile) {
  WriteFile(dir_ / "S59AAA.cbr", "kept");
  Convert(ManyContacts(kMaxRecords + 1));
  ASSERT_FALSE(result_.ok());
  EXPECT_EQ(result_.failure->kind, FailureKind::kTooManyContacts);
  EXPECT_EQ(ReadFile(dir_ / "S59AAA.cbr"), "kept");
  EXPECT_EQ(testing::CountEntries(dir_.path()), 1);
  EXPECT_THAT(result_.processed_message, IsEmpty());
  // The list keeps the header and every listing line up to the stop.
  EXPECT_EQ(result_.result_list.size(), static_cast<std::size_t>(kHeaderListLines + kMaxRecords + 1));
}

}  // namespace
}  // namespace pelikan
