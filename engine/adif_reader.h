// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_ADIF_READER_H_
#define PELIKAN_ENGINE_ADIF_READER_H_

#include <cstddef>
#include <string_view>

#include "engine/log_notes.h"
#include "engine/log_record.h"

namespace pelikan {

// Reads an ADIF log in its .adi text form (ADIF 3). A file
// that does not start with "<" opens with a header of free text, which ends
// at <EOH>; one that starts with "<" may have a header of fields, ended the
// same way. Then come records of fields <NAME:LENGTH> or
// <NAME:LENGTH:TYPE> followed by LENGTH bytes of data, each record ended by
// <EOR>; names and tags are read in any letter case, and text between
// fields is ignored. LENGTH counts the bytes of the file as it stands, as
// loggers that write UTF-8 count them; when `utf8`, each value taken is
// recoded to Windows-1250 afterwards (a byte that is no UTF-8 gives "?").
//
// A record becomes a contact from CALL, QSO_DATE, TIME_ON, FREQ (MHz, read
// as text) or else BAND, MODE (CW; SSB, USB or LSB as phone), RST_RCVD and
// SRX_STRING (or SRX); STATION_CALLSIGN and STX_STRING (or STX) are kept
// for checking. Records on other bands or in other modes are counted and
// left out. A record without a worked call, date, time, mode or received
// exchange, a malformed tag and a length that runs into the next tag or past
// the end are noted as warnings with their line: the value is then cut
// where the next tag starts or the log ends. Reading stops after
// `stop_after` contacts.
RecordLog ReadAdif(std::string_view log, bool utf8, std::size_t stop_after, NoteList& notes);

// The whole kHz of a frequency written in MHz ("3.512" and "3.5129" give
// 3512), read as text, never through a floating-point number; 0 when it is
// no number. `beyond` tells whether digits past the kHz were not all zero.
std::uint32_t KhzOfMhz(std::string_view mhz, bool& beyond);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_ADIF_READER_H_
