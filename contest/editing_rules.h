// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_CONTEST_EDITING_RULES_H_
#define PELIKAN_CONTEST_EDITING_RULES_H_

#include <bitset>
#include <string>
#include <string_view>

#include "contest/contest_data.h"
#include "contest/fields.h"

namespace pelikan {

// What the club field shows when it is entered with at most two characters.
inline constexpr std::string_view kClubPreset = "S5";

// Windows-1250 upper case, one byte for one byte: ASCII letters and the
// accented letters that have a capital in the code page. Letters without a
// capital there (sharp s, y with diaeresis) and every other byte stay.
char ToUpperCp1250(char c);
std::string ToUpperCp1250(std::string_view text);

// Entering the club field while it holds at most two characters replaces
// its text by kClubPreset.
constexpr bool ClubTakesPresetOnEntry(std::size_t club_length) { return club_length <= 2; }

// A club text of exactly two characters (the untouched preset, or any other
// two characters) is emptied whenever any text field loses the focus.
constexpr bool ClubIsEmptiedOnLeaving(std::size_t club_length) { return club_length == 2; }

// The editing rules as the focus moves between the fields, on the fields as
// they stand. Entering the club field while it holds at most two characters
// shows kClubPreset. Leaving a field upper-cases it where it is upper-cased;
// then a club field of exactly two characters is emptied, whichever field
// was left.
void EnterField(const ContestField& field, ContestData& data);
void LeaveField(const ContestField& field, ContestData& data);

// A move of the focus into or out of a field.
enum class FocusMove { kEnter, kLeave };

// Runs EnterField or LeaveField for `field` on `data`, and tells which
// fields the form must show anew, by their place in kContestFields, as the
// file will hold them: those the rule changed, and the field left when it is
// upper-cased, so that a character the code page lacks shows as the "?" the
// file will hold. Every other field keeps its text as typed.
std::bitset<kContestFields.size()> ApplyFocusMove(const ContestField& field, FocusMove move, ContestData& data);

// The text `field` holds once the user has typed `text` into it and left
// it: upper-cased where the field is, and for the club field empty when it
// is exactly two characters long. This is how the headless converter and
// the browser take a value.
std::string TextAfterLeaving(const ContestField& field, std::string_view text);

// The readiness rule of the make button, in its two halves: a category is
// chosen, and every required text field holds a text of at least one
// character (blanks count; nothing is trimmed).
constexpr bool CategoryChosen(std::string_view category) { return !category.empty(); }
bool RequiredTextsFilled(const ContestData& data);
// Both halves: the make button is on.
bool ReadyToMake(const ContestData& data);

// The width the QSO lines pad the own call to with blanks, in the callsign
// field itself.
inline constexpr std::size_t kOwnCallWidth = 6;

// The blanks the callsign field `callsign` gains from a run that converted
// `contacts` contacts: once a contact is converted, the field shows the
// callsign as its QSO lines pad it.
std::size_t CallsignBlanksAfterRun(std::string_view callsign, int contacts);

// Why a log dropped onto the form is not taken.
enum class DropRefusal {
  kNone,         // taken
  kBeforeReady,  // the make button is not on yet
  kAfterRun,     // the run is over and its file made
  kAfterCancel,  // the run is over: the choice of log was cancelled
  kNotOneFile,   // more than one file, or no file
};
// Where the form's one run stands.
enum class RunState { kOpen, kFileMade, kCancelled };
// A drop of `files` files onto a form whose make button is on (`ready`), in
// the run state `run`.
DropRefusal RefuseDrop(bool ready, RunState run, int files);

}  // namespace pelikan

#endif  // PELIKAN_CONTEST_EDITING_RULES_H_
