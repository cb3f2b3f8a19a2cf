// SPDX-License-Identifier: GPL-3.0-or-later
// The rules the readers are built from, one table each: the kind of a log,
// frequencies in MHz, line numbers. Dates, times, fields, line ends and
// whole logs of every kind are golden cases.

#include <gtest/gtest.h>

#include "engine/adif_reader.h"
#include "engine/log_format.h"
#include "engine/log_notes.h"
#include "engine/log_record.h"
#include "engine/log_text.h"

namespace pelikan {
namespace {

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
    EXPECT_FALSE(khz == 0 && beyond) << mhz << ": no number is beyond the band";
  }
}

// The date and time a checker takes in a QSO line.
TEST(RulesTest, QsoDateAndTime) {
  const std::pair<std::string_view, bool> dates[] = {
      {"2026-03-01", true},  {"2000-02-29", true},  {"2004-02-29", true},  {"1900-02-29", false},
      {"2026-02-29", false}, {"2026-13-01", false}, {"2026-03-00", false}, {"X026-03-01", false},
      {"20X6-03-01", false}, {"2026/03/01", false}, {"26-03-01", false},   {"2026-03-1", false},
  };
  for (const auto& [date, valid] : dates) EXPECT_EQ(IsIsoDate(date), valid) << date;
  const std::pair<std::string_view, bool> times[] = {{"0000", true},  {"2359", true},  {"2400", false},
                                                     {"0960", false}, {"06:1", false}, {"601", false}};
  for (const auto& [time, valid] : times) EXPECT_EQ(IsHhmm(time), valid) << time;
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

}  // namespace
}  // namespace pelikan
