// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_LOG_RECORD_H_
#define PELIKAN_ENGINE_LOG_RECORD_H_

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace pelikan {

// One contact of an ADIF or Cabrillo log on the contest's band and in its
// modes, with the pieces a listing line would give. The texts are views
// into the log, or into RecordLog::recoded.
struct LogRecord {
  // Where the record starts in the log: its line from 1, or 0 when only its
  // offset is known (an ADIF log's lines are counted only when needed).
  int line = 0;
  std::size_t offset = 0;
  std::string_view text;  // the record as read, for the notes
  // The frequency in whole kHz, or 0 when the log gives none that reads as
  // one; then `frequency` is written as the log has it.
  std::uint32_t khz = 0;
  std::string_view frequency;
  std::string_view mode;  // "CW" or "PH"
  // yyyy-mm-dd, or ADIF's yyyymmdd when `compact_date`; anything else as
  // written.
  std::string_view date;
  bool compact_date = false;
  std::string_view time;  // hhmm, or as written when it is no time
  // yyyymmddhhmmss, for putting the log in time order. A record whose date
  // or time does not read takes the one of the record before it, so that it
  // stays where it stood.
  std::uint64_t when = 0;
  std::string_view own_call;       // as the log names it; empty for none
  std::string_view sent_exchange;  // likewise
  std::string_view worked_call;
  std::string_view received_report;  // empty: none given, the mode's usual one is taken
  std::string_view exchange;
};

// What a reader of an ADIF or Cabrillo log gives.
struct RecordLog {
  // The contacts in log order; a reader stops at one more than the contact
  // limit, which stops the run.
  std::vector<LogRecord> records;
  std::vector<std::string_view> soapbox_lines;  // carried over as a listing's are
  int left_out = 0;                             // records on other bands or in other modes
  int unclaimed = 0;                            // Cabrillo X-QSO lines
  // Values of a UTF-8 log, in Windows-1250; the records' views point here.
  std::deque<std::string> recoded;
};

// Frequencies of the contest's band, 3.5 to 4.0 MHz, in kHz.
inline constexpr std::uint32_t kBandLowKhz = 3500;
inline constexpr std::uint32_t kBandHighKhz = 4000;

// Whether a frequency of `khz` whole kHz, and a part of a kHz when
// `beyond`, is on the contest's band.
constexpr bool OnTheBand(std::uint32_t khz, bool beyond) {
  return khz >= kBandLowKhz && (khz < kBandHighKhz || (khz == kBandHighKhz && !beyond));
}

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_LOG_RECORD_H_
