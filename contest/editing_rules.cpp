// SPDX-License-Identifier: GPL-3.0-or-later
#include "contest/editing_rules.h"

#include <algorithm>

namespace pelikan {

char ToUpperCp1250(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
  // Windows-1250 puts most accented capitals 0x20 below their small letter;
  // 0xF7 is the division sign, not a letter.
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
  switch (b) {
    case 0x9A: return static_cast<char>(0x8A);  // s caron
    case 0x9C: return static_cast<char>(0x8C);  // s acute
    case 0x9D: return static_cast<char>(0x8D);  // t caron
    case 0x9E: return static_cast<char>(0x8E);  // z caron
    case 0x9F: return static_cast<char>(0x8F);  // z acute
    case 0xB3: return static_cast<char>(0xA3);  // l stroke
    case 0xB9: return static_cast<char>(0xA5);  // a ogonek
    case 0xBA: return static_cast<char>(0xAA);  // s cedilla
    case 0xBE: return static_cast<char>(0xBC);  // l caron
    case 0xBF: return static_cast<char>(0xAF);  // z dot above
    default: return c;
  }
}

std::string ToUpperCp1250(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = ToUpperCp1250(c);
  return upper;
}

namespace {

bool IsClub(const ContestField& field) { return !field.list && field.index == kClubIndex; }

}  // namespace

void EnterField(const ContestField& field, ContestData& data) {
  if (IsClub(field) && ClubTakesPresetOnEntry(data.Club.size())) data.Club = kClubPreset;
}

void LeaveField(const ContestField& field, ContestData& data) {
  std::string& text = data.*field.value;
  if (field.upper_cased) text = ToUpperCp1250(text);
  if (ClubIsEmptiedOnLeaving(data.Club.size())) data.Club.clear();
}

std::bitset<kContestFields.size()> ApplyFocusMove(const ContestField& field, FocusMove move, ContestData& data) {
  const ContestData before = data;
  (move == FocusMove::kEnter ? EnterField : LeaveField)(field, data);
  std::bitset<kContestFields.size()> shown;
  for (std::size_t i = 0; i < kContestFields.size(); ++i) {
    const ContestField& f = kContestFields[i];
    shown[i] = data.*f.value != before.*f.value || (&f == &field && f.upper_cased && move == FocusMove::kLeave);
  }
  return shown;
}

std::string TextAfterLeaving(const ContestField& field, std::string_view text) {
  if (IsClub(field) && ClubIsEmptiedOnLeaving(text.size())) return {};
  return field.upper_cased ? ToUpperCp1250(text) : std::string(text);
}

bool RequiredTextsFilled(const ContestData& data) {
  return std::all_of(kContestFields.begin(), kContestFields.end(), [&data](const ContestField& field) {
    return field.list || !field.required || !(data.*field.value).empty();
  });
}

bool ReadyToMake(const ContestData& data) { return CategoryChosen(data.Category) && RequiredTextsFilled(data); }

std::size_t CallsignBlanksAfterRun(std::string_view callsign, int contacts) {
  return contacts > 0 && callsign.size() < kOwnCallWidth ? kOwnCallWidth - callsign.size() : 0;
}

DropRefusal RefuseDrop(bool ready, RunState run, int files) {
  if (run == RunState::kFileMade) return DropRefusal::kAfterRun;
  if (run == RunState::kCancelled) return DropRefusal::kAfterCancel;
  if (!ready) return DropRefusal::kBeforeReady;
  return files == 1 ? DropRefusal::kNone : DropRefusal::kNotOneFile;
}

}  // namespace pelikan
