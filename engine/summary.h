// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_SUMMARY_H_
#define PELIKAN_ENGINE_SUMMARY_H_

#include <cstdint>
#include <string>

#include "engine/result_list.h"

namespace pelikan {

// The counts of a finished run and the score they give.
struct Totals {
  int record_count = 0;  // contact lines converted, duplicates included
  int cw_contacts = 0;   // distinct calls per mode
  int ph_contacts = 0;
  int cw_multipliers = 0;  // distinct received exchanges per mode
  int ph_multipliers = 0;

  int duplicates() const { return record_count - (cw_contacts + ph_contacts); }
  std::int64_t cw_points() const { return 2 * std::int64_t{cw_contacts}; }
  std::int64_t points() const { return cw_points() + ph_contacts; }
  std::int64_t multipliers() const { return std::int64_t{cw_multipliers} + ph_multipliers; }
  // CW 2 points, phone 1; the claimed score is points times multipliers.
  std::int64_t claimed_score() const { return points() * multipliers(); }
};

// Appends the summary that closes the result list: END-OF-LOG:, the counts
// per mode and the claimed score.
void AddSummary(const Totals& totals, ResultList& list);

// The processed-records message, in Slovenian grammar for the count.
std::string ProcessedMessage(int record_count);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_SUMMARY_H_
