// SPDX-License-Identifier: GPL-3.0-or-later
// The notes of a run: which lines are reported, at which line numbers, and
// the reading of UTF-8 logs.

#include "engine/log_notes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/convert_log.h"
#include "engine/log_text.h"
#include "engine/utf8_log.h"
#include "tests/support/temp_dir.h"

namespace pelikan {
namespace {

using testing::TempDir;

bool LineLooksLikeContact(std::string_view line) {
  std::vector<std::string_view> fields;
  SplitFields(line, fields);
  return LooksLikeContact(fields);
}

TEST(LooksLikeContactTest, ContactsAndTheLinesAroundThem) {
  struct Row {
    const char* line;
    bool contact;
  };
  const Row rows[] = {
      {"80 CW 2007-03-04 06:01 S57BBB 579 579 1990", true},
      {"80m CW 4.3.2007 7:45 s57a/p 5NN 5NN 1990", true},
      {"80 CW 2007-03-04 0601 S57BBB 57", true},
      {"80 CW 2007-03-04 06:01:30 S57BBB 579 1990", true},
      {"80 CW 2007-03-04 00:05 S57BBB 579 1990", true},
      {"80 CW 2007-03-04 06:01 Z9 579 1990", true},
      // Time, report or call missing, or only near misses of them.
      {"80 CW 2007-03-04 2400 S57BBB 579 1990", false},
      {"80 CW 2007-03-04 06:60 S57BBB 579 1990", false},
      {"80 CW 2007-03-04 06:01:3 S57BBB 579 1990", false},
      {"80 CW 2007-03-04 06:01 S57BBB 699 1990", false},
      {"80 CW 2007-03-04 06:01 SABBB 599 1990", false},
      {"80 CW 2007-03-04 06:01 5NN 599 1990", false},
      {"KV prvenstvo ZRS 2007 - dnevnik postaje S59AAA", false},
      {"Date Time Call RST Exch", false},
      {"Skupaj 57 zvez ob 23:59", false},
      {"Hvala S57AA za 599", false},
      {"", false},
  };
  for (const Row& row : rows) EXPECT_EQ(LineLooksLikeContact(row.line), row.contact) << row.line;
}

TEST(FaultyQsoPiecesTest, EachPieceOnItsOwn) {
  const QsoPieces sound{"3500", "CW", "2008-02-29", "2359", "S57X/P ", "599", "1990"};
  EXPECT_EQ(FaultyQsoPieces(sound), 0u);
  struct Row {
    std::string_view QsoPieces::*piece;
    std::string_view value;
    unsigned fault;
  };
  const Row rows[] = {
      {&QsoPieces::frequency, "40m", kQsoFrequency},
      {&QsoPieces::frequency, "3.5", 0},
      {&QsoPieces::frequency, "3500.", kQsoFrequency},
      {&QsoPieces::frequency, ".5", kQsoFrequency},
      {&QsoPieces::frequency, "3.5.1", kQsoFrequency},
      {&QsoPieces::mode, "", kQsoMode},
      {&QsoPieces::date, "2007-02-29", kQsoDate},
      {&QsoPieces::date, "2007-12-31", 0},
      {&QsoPieces::time, "2400", kQsoTime},
      {&QsoPieces::time, "601", kQsoTime},
      {&QsoPieces::worked_call, "S5-FF ", kQsoWorkedCall},
      {&QsoPieces::received_report, "   ", kQsoReceivedReport},
      {&QsoPieces::exchange, "", kQsoExchange},
  };
  for (const Row& row : rows) {
    QsoPieces pieces = sound;
    pieces.*row.piece = row.value;
    EXPECT_EQ(FaultyQsoPieces(pieces), row.fault) << row.value;
  }
}

class NotesTest : public ::testing::Test {
 protected:
  ConversionResult Convert(std::string_view log) {
    ContestData data;
    data.Callsign = "S59AAA";
    data.LicenceYear = "1985";
    return ConvertLogText(log, data, dir_ / CabrilloFileName(data.Callsign).value());
  }
  TempDir dir_;
};

struct Noted {
  int line;
  NoteKind kind;
  unsigned pieces;
  bool operator==(const Noted&) const = default;
};

std::vector<Noted> Summary(const ConversionResult& result) {
  std::vector<Noted> noted;
  for (const LogNote& note : result.notes) noted.push_back({note.line, note.kind, note.faulty_pieces});
  return noted;
}

TEST_F(NotesTest, LinesAreCountedAsTheSplitterCutsThem) {
  // CR LF, a lone CR and a lone LF each end one line; an empty line counts.
  const ConversionResult result = Convert(
      "80 CW 2007-03-04 06:01 S57A 579 579 1990\r\n"
      "80 CW 2007-03-04 06:02 S57B 599 599 1990\r"
      "\r\n"
      "80 CW 2007-03-04 06:03 S57C 599 599\n"
      "80 CW 2007-03-04 06:04 S57D 599 599 1990\r\n"
      "80 CW 2007-03-04 06:05 S57E 599 599 '");
  EXPECT_EQ(Summary(result), (std::vector<Noted>{{1, NoteKind::kContactBeforeColumns, 0},
                                                  {4, NoteKind::kContactTooShort, 0},
                                                  {6, NoteKind::kFaultyQsoLine, kQsoExchange}}));
  EXPECT_EQ(result.notes[2].text, "80 CW 2007-03-04 06:05 S57E 599 599 '");
  EXPECT_EQ(result.WarningCount(), 3);
}

TEST_F(NotesTest, ALogWithoutAReportColumnHasEveryContactNoted) {
  const ConversionResult result = Convert(
      "Date Time Call RST Exch\r\n"
      "2007-03-04 06:01 S57A 579 1990\r\n"
      "2007-03-04 06:02 S57B 589 1991\r\n");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.record_count, 0);
  EXPECT_EQ(Summary(result), (std::vector<Noted>{{2, NoteKind::kContactBeforeColumns, 0},
                                                  {3, NoteKind::kContactBeforeColumns, 0}}));
}

TEST_F(NotesTest, NotesBeyondTheCapAreOnlyCounted) {
  std::string log;
  for (std::size_t i = 0; i < kMaxNotes + 5; ++i) log += "2007-03-04 06:01 S57A 579 " + std::string(300, 'x') + "\n";
  const ConversionResult result = Convert(log);
  ASSERT_EQ(result.notes.size(), kMaxNotes);
  EXPECT_EQ(result.notes_not_kept, 5);
  EXPECT_EQ(result.WarningCount(), static_cast<int>(kMaxNotes) + 5);
  EXPECT_EQ(result.notes.back().line, static_cast<int>(kMaxNotes));
  EXPECT_EQ(result.notes.back().text.size(), kMaxNoteText);
}

TEST(Utf8LogTest, WhichLogsAreUtf8AndWhatTheyBecome) {
  struct Row {
    const char* name;
    std::string_view log;
    std::optional<std::string_view> cp1250;
  };
  const Row rows[] = {
      {"Slovenian letters", "\xC4\x8Crnomelj \xC5\xA0kofja Loka \xC5\xBDiri \xC4\x8D\xC5\xA1\xC5\xBE",
       "\xC8rnomelj \x8Akofja Loka \x8Eiri \xE8\x9A\x9E"},
      {"mark dropped from ASCII", "\xEF\xBB\xBFS57A\r\n", "S57A\r\n"},
      {"one ? per character the code page lacks", "I\xC3\xB1igo \xF0\x9F\x98\x80!", "I?igo ?!"},
      {"plain ASCII stays as read", "S57A 599\r\n", std::nullopt},
      {"mark, then invalid UTF-8", "\xEF\xBB\xBF\xC8rnomelj", std::nullopt},
      {"overlong slash", "\xC0\xAF x \xC4\x8D", std::nullopt},
      {"surrogate", "\xED\xA0\x80 \xC4\x8D", std::nullopt},
      {"cut short at the end", "\xC4\x8D \xC4", std::nullopt},
      {"lowest three-byte character", "\xE0\xA0\x80 \xC4\x8D", "? \xE8"},
      {"highest character", "\xF4\x8F\xBF\xBF \xC4\x8D", "? \xE8"},
      {"beyond the highest character", "\xF4\x90\x80\x80 \xC4\x8D", std::nullopt},
  };
  for (const Row& row : rows) {
    const std::optional<std::string> converted = Utf8LogAsCp1250(row.log);
    EXPECT_EQ(converted.has_value(), row.cp1250.has_value()) << row.name;
    if (converted && row.cp1250) {
      EXPECT_EQ(*converted, *row.cp1250) << row.name;
    }
  }
}

TEST(Utf8LogTest, SlovenianWindows1250TextIsNotTakenForUtf8) {
  // Real text with every Slovenian letter, upper and lower case, as a
  // Windows-1250 log holds it: a letter before a blank or an ASCII letter is
  // never a valid UTF-8 sequence.
  const char* const texts[] = {
      "SOAPBOX: Prvi\xE8 iz \xC8rnomlja, antena na strehi \x9A" "ole v \x8E\x9E" "emberku\r\n",
      "SOAPBOX: \x8A" "entjur, \x8A" "kofja Loka, Ko\xE8" "evje, Ro\x9Ani\x9A" "ka Slatina\r\n",
      "QSO: 80 CW 4.3.2007 06:01 S57BBB 599 599 1990 ; \x8A" "ilih \xE8" "etrtek\r\n",
  };
  for (const char* text : texts) EXPECT_FALSE(Utf8LogAsCp1250(text).has_value()) << text;
}

}  // namespace
}  // namespace pelikan
