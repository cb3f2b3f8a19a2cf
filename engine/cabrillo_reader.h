// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_CABRILLO_READER_H_
#define PELIKAN_ENGINE_CABRILLO_READER_H_

#include <cstddef>
#include <string_view>

#include "engine/log_notes.h"
#include "engine/log_record.h"

namespace pelikan {

// Reads a Cabrillo 2.0 or 3.0 log (Windows-1250 text, its lines ended as a
// listing's are). Its QSO: lines are read by their items, separated by
// blanks and tabs, not by columns:
// - 10 items: frequency (kHz), mode, date, time, own call, sent report, sent
//   exchange, worked call, received report, received exchange;
// - 11 items: the same and a transmitter number;
// - 8 items: the same without the two reports.
// A line of another count, or whose worked call is no callsign, is noted as
// a warning and not converted. CW is CW, PH (or SSB) phone; FM, RY and DG,
// and frequencies off the band, are counted and left out. X-QSO: lines are
// counted and left out, SOAPBOX lines kept as a listing's are, and
// END-OF-LOG: ends the reading. The other header lines are not read.
// Reading stops after `stop_after` contacts, or at a line longer than
// `max_line` bytes, whose number goes to `line_too_long`.
RecordLog ReadCabrillo(std::string_view log, std::size_t stop_after, std::size_t max_line, NoteList& notes,
                       int& line_too_long);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_CABRILLO_READER_H_
