// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/summary.h"

namespace pelikan {
namespace {

std::string Decimal(std::int64_t value) { return std::to_string(value); }

}  // namespace

void AddSummary(const Totals& t, ResultList& list) {
  list.push_back("END-OF-LOG:");
  list.push_back({});
  list.push_back({});
  list.push_back("V logu je  " + Decimal(t.record_count) + "  zapisov");
  list.push_back("Dvojne zveze:  " + Decimal(t.duplicates()) + " v bazi");
  list.push_back({});
  list.push_back("CW zvez  " + Decimal(t.cw_contacts) + "    x    2   =   " + Decimal(t.cw_points()) + " tock , " +
                 Decimal(t.cw_multipliers) + "  CW mnoziteljev");
  list.push_back("PH zvez  " + Decimal(t.ph_contacts) + "    x    1   =   " + Decimal(t.ph_contacts) + " tock , " +
                 Decimal(t.ph_multipliers) + "  PH mnoziteljev");
  list.push_back(std::string(62, '-'));
  list.push_back("Skupaj  " + Decimal(t.points()) + "   tock   x     " + Decimal(t.multipliers()) +
                 " mnozilcev  =  " + Decimal(t.claimed_score()) + "  tock");
}

std::string ProcessedMessage(int record_count) {
  return record_count < 5 ? "Obdelani so " + Decimal(record_count) + " zapisi"
                          : "Obdelano je " + Decimal(record_count) + " zapisov";
}

}  // namespace pelikan
