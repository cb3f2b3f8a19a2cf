// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_CONTEST_EARLIER_ENTRY_H_
#define PELIKAN_CONTEST_EARLIER_ENTRY_H_

#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "contest/contest_data.h"
#include "contest/fields.h"
#include "contest/words.h"

namespace pelikan {

// The station data an entrant typed last year stand in last year's entry:
// the form is filled from its Cabrillo header. The program keeps nothing of
// its own; the entrant's file is the memory.

// The most of a file that is read for its header, which stands at its
// start: a header is a few hundred bytes, and a wrong file may be huge.
inline constexpr std::size_t kEarlierEntryReadLimit = 1 << 20;

// What an earlier entry's header gives.
struct EarlierEntry {
  ContestData data;                           // as the file has them, in Windows-1250; unfilled fields empty
  std::bitset<kContestFields.size()> filled;  // by place in kContestFields
  bool ours = false;                          // our own entry (its CREATED-BY line)
};

// Reads the header of the Cabrillo file (2.0 or 3.0) `file`, or its first
// kEarlierEntryReadLimit bytes: CALLSIGN, NAME and CLUB; OPERATORS, the
// blanks between its calls turned into commas; the ADDRESS lines, the first
// into the street, the second into the postal code and place, any further
// ones joined into the further address line (ADDRESS-POSTALCODE and
// ADDRESS-CITY stand for a missing second line, ADDRESS-COUNTRY for a
// missing third). From our own entry only, CONTEST, CATEGORY,
// CATEGORY-OVERLAY, TEAM and LICENCE-YEAR too: another logger's contest
// names and categories are not this contest's. An empty value, or one the
// field's leaving rule empties, fills nothing. nullopt when `file` is no Cabrillo file (it must start with
// START-OF-LOG:).
std::optional<EarlierEntry> ReadEarlierEntry(std::string_view file);

// Puts the filled fields of `entry` into `data`, each as if typed and left
// (TextAfterLeaving); the others keep their texts.
void FillFromEarlierEntry(const EarlierEntry& entry, ContestData& data);

// The status text after a fill from the file `file_name` (UTF-8): which
// fields were filled, and which were not.
std::string FilledMessage(const EarlierEntry& entry, std::string_view file_name, Language language);
// The file `file_name` is no Cabrillo file, so nothing was filled.
std::string NotAnEntryMessage(std::string_view file_name, Language language);

}  // namespace pelikan

#endif  // PELIKAN_CONTEST_EARLIER_ENTRY_H_
