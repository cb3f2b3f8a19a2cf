// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/log_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelikan {
namespace {

using Lines = std::vector<std::string>;

// The fields of `line` as strings, split into a vector that held fields of
// an earlier line.
Lines Fields(std::string_view line) {
  std::vector<std::string_view> fields = {"left", "over"};
  SplitFields(line, fields);
  return Lines(fields.begin(), fields.end());
}

TEST(SplitFieldsTest, BlanksTabsAndEveryApostropheSeparate) {
  EXPECT_EQ(Fields("80 CW S57BBB"), (Lines{"80", "CW", "S57BBB"}));
  EXPECT_EQ(Fields("  \t80\tCW \t 599\t\t"), (Lines{"80", "CW", "599"})) << "a run of blanks is one";
  EXPECT_EQ(Fields(std::string_view("x\vy\0z", 5)), (Lines{std::string("x\vy\0z", 5)}))
      << "only tabs count as blanks";
  EXPECT_EQ(Fields("O'Brien"), (Lines{"O", "Brien"}));
  // An apostrophe beside a blank, another apostrophe or an end of the line
  // leaves an empty field.
  EXPECT_EQ(Fields("a' b''c"), (Lines{"a", "", "b", "", "c"}));
  EXPECT_EQ(Fields("'a'"), (Lines{"", "a", ""}));
  EXPECT_EQ(Fields("  'a  '  "), (Lines{"", "a", "", ""}));
  EXPECT_EQ(Fields(" \t "), Lines{});
  EXPECT_EQ(Fields(""), Lines{});
}

struct DateRow {
  const char* name;
  const char* text;
  const char* expected;  // nullptr: no date
};

class RecognizeDateTest : public ::testing::TestWithParam<DateRow> {};

TEST_P(RecognizeDateTest, Row) {
  const DateRow& row = GetParam();
  const std::optional<std::string> date = RecognizeDate(row.text);
  if (row.expected == nullptr) {
    EXPECT_FALSE(date.has_value()) << *date;
  } else {
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(*date, row.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, RecognizeDateTest,
    ::testing::Values(DateRow{"iso", "2007-03-04", "2007-03-04"},
                      DateRow{"iso_slashes", "2007/03/04", "2007-03-04"},
                      DateRow{"day_first_slashes", "04/03/2007", "2007-03-04"},
                      DateRow{"dotted", "04.03.2007", "2007-03-04"},
                      DateRow{"dotted_short", "4.3.2007", "2007-03-04"},
                      DateRow{"dotted_final_dot", "4.3.2007.", "2007-03-04"},
                      DateRow{"dotted_mixed_widths", "14.3.2007", "2007-03-14"},
                      DateRow{"leap_day", "29.02.2008", "2008-02-29"},
                      DateRow{"not_a_leap_year", "29.02.2007", nullptr},
                      DateRow{"day_31_in_april", "2007-04-31", nullptr},
                      DateRow{"month_13", "2007-13-01", nullptr},
                      DateRow{"iso_single_digits", "2007-3-4", nullptr},
                      DateRow{"two_digit_year", "04.03.07", nullptr},
                      DateRow{"time", "06:01:30", nullptr},
                      DateRow{"time_short", "06:01", nullptr},
                      DateRow{"frequency", "3500.5", nullptr},
                      DateRow{"call", "S57BBB", nullptr},
                      DateRow{"mixed_separators", "2007-03/04", nullptr},
                      DateRow{"three_digit_day", "004.03.2007", nullptr},
                      DateRow{"signed", "+4.3.2007", nullptr},
                      DateRow{"two_final_dots", "4.3.2007..", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

Lines Split(std::initializer_list<std::string_view> chunks) {
  Lines lines;
  LineSplitter splitter;
  auto on_line = [&lines](std::string_view line) { lines.emplace_back(line); };
  for (std::string_view chunk : chunks) splitter.Feed(chunk, on_line);
  splitter.Finish(on_line);
  return lines;
}

TEST(LineSplitterTest, EveryKindOfLineEnd) {
  EXPECT_EQ(Split({"a\r\nb\r\n"}), (Lines{"a", "b"}));
  EXPECT_EQ(Split({"a\rb\r"}), (Lines{"a", "b"}));
  EXPECT_EQ(Split({"a\nb\n"}), (Lines{"a", "b"}));
  EXPECT_EQ(Split({"a\r\nb\rc\nd"}), (Lines{"a", "b", "c", "d"}));
  // LF CR is two line ends, not one.
  EXPECT_EQ(Split({"a\n\rb"}), (Lines{"a", "", "b"}));
  EXPECT_EQ(Split({"a\r\n\r\nb"}), (Lines{"a", "", "b"}));
  EXPECT_EQ(Split({""}), Lines{});
  EXPECT_EQ(Split({"\r\n"}), Lines{""});
}

TEST(LineSplitterTest, ChunkBoundariesChangeNothing) {
  EXPECT_EQ(Split({"ab\r", "\ncd"}), (Lines{"ab", "cd"}));
  EXPECT_EQ(Split({"ab\r", "cd"}), (Lines{"ab", "cd"}));
  EXPECT_EQ(Split({"ab\r", "", "\ncd"}), (Lines{"ab", "cd"}));
  EXPECT_EQ(Split({"a", "b", "c\n", "d"}), (Lines{"abc", "d"}));
  EXPECT_EQ(Split({"abc\r"}), Lines{"abc"});
}

TEST(LineSplitterTest, NulAndHighBytesAreText) {
  const std::string line("a\0\x9a\xe8", 4);
  EXPECT_EQ(Split({line + "\r\n"}), Lines{line});
}

}  // namespace
}  // namespace pelikan
