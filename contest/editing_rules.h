// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_CONTEST_EDITING_RULES_H_
#define PELIKAN_CONTEST_EDITING_RULES_H_

#include <string>
#include <string_view>

#include "contest/contest_data.h"

namespace pelikan {

// Indexes of the Text1 control array.
inline constexpr int kCallsignIndex = 0;
inline constexpr int kClubIndex = 4;
inline constexpr int kText1Count = 11;

// What the club field shows when it is entered with at most two characters.
inline constexpr std::string_view kClubPreset = "S5";

// Windows-1250 upper case, one byte for one byte: ASCII letters and the
// accented letters that have a capital in the code page. Letters without a
// capital there (sharp s, y with diaeresis) and every other byte stay.
char ToUpperCp1250(char c);
std::string ToUpperCp1250(std::string_view text);

// Fields 0 to 5 of Text1 (callsign to operators) are upper-cased when they
// lose the focus; name, address lines and soapbox keep their case.
constexpr bool IsUpperCasedOnLeaving(int text1_index) {
  return text1_index >= 0 && text1_index < 6;
}

// Entering the club field while it holds at most two characters replaces
// its text by kClubPreset.
constexpr bool ClubTakesPresetOnEntry(std::size_t club_length) {
  return club_length <= 2;
}

// A club text of exactly two characters (the untouched preset, or any other
// two characters) is emptied whenever any text field loses the focus.
constexpr bool ClubIsEmptiedOnLeaving(std::size_t club_length) {
  return club_length == 2;
}

// The text that a field holds once the user has typed `text` into Text1 field
// `text1_index` and left it: upper-cased for fields 0 to 5, and for the club
// field empty when it is exactly two characters long. This is how the
// headless converter takes a value given on its command line.
std::string TextAfterLeaving(int text1_index, std::string_view text);

// Half of the readiness rule; each front end names its own required texts,
// which count as filled at any length above zero (blanks included).
constexpr bool CategoryChosen(std::string_view category) { return !category.empty(); }

}  // namespace pelikan

#endif  // PELIKAN_CONTEST_EDITING_RULES_H_
