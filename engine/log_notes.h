// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_LOG_NOTES_H_
#define PELIKAN_ENGINE_LOG_NOTES_H_

#include <cstddef>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelikan {

// What a conversion tells about the log beside the result list, so that no
// contact is lost or garbled without the user hearing of it. Warnings ask
// the user to look at the log; information only says what was done.
enum class NoteKind {
  // Warnings on one line, or on one record of an ADIF or Cabrillo log.
  kContactBeforeColumns,  // looks like a contact; no 599 or 59 field had fixed the columns yet
  kContactTooShort,       // looks like a contact; fewer than 8 fields, so not converted
  kFaultyQsoLine,         // converted, but pieces of its QSO line are not what a checker takes
  kRecordIncomplete,      // a record without some of its pieces (faulty_pieces), not converted
  kItemCount,             // a Cabrillo QSO line of `count` items, neither 8, 10 nor 11; not converted
  kNotACall,              // a Cabrillo QSO line whose worked call is no callsign; not converted
  kMalformedTag,          // an ADIF tag that is not <NAME:LENGTH>, skipped
  kLengthRunsOver,        // an ADIF field whose length runs into the next tag or past the end
  kReportNotForMode,      // a received report of three digits on phone or of two on CW
  kOutOfOrder,            // a contact earlier than the one before it
  // Warnings once for the whole log, `count` telling how often; `line` is
  // the first line concerned where there is one.
  kOwnCallDiffers,       // the own call `text` in the log is not the callsign
  kSentExchangeDiffers,  // the sent exchange `text` in the log is not the licence year
  kOwnCallWorked,        // contacts with the own call as the worked call
  kNoContact,            // not one contact in the log
  // Information on the whole log.
  kReadAsUtf8,        // the log was UTF-8 and was converted to Windows-1250
  kReadAsAdif,        // the log is ADIF
  kReadAsCabrillo,    // the log is Cabrillo
  kOtherBandOrMode,   // `count` records on other bands or in other modes were left out
  kUsualReportTaken,  // `count` records without a received report took the mode's usual one
  kUnclaimedLeftOut,  // `count` X-QSO lines (contacts not claimed) were left out
  kPutInTimeOrder,    // the contacts were put in time order
};

// The warnings stand before the information in NoteKind.
constexpr bool IsWarning(NoteKind kind) { return kind < NoteKind::kReadAsUtf8; }

// The pieces of a QSO line that can be at fault, as bits of LogNote::faulty_pieces.
enum QsoPiece : unsigned {
  kQsoFrequency = 1u << 0,       // not a number
  kQsoMode = 1u << 1,            // no mode known yet
  kQsoDate = 1u << 2,            // not a valid yyyy-mm-dd
  kQsoTime = 1u << 3,            // not four digits from 0000 to 2359
  kQsoWorkedCall = 1u << 4,      // not shaped like a callsign
  kQsoReceivedReport = 1u << 5,  // empty, or with a blank inside
  kQsoExchange = 1u << 6,        // empty, or with a blank inside
};

struct LogNote {
  int line = 0;  // 1-based line of the log; 0 for a note on the whole log
  NoteKind kind = NoteKind::kReadAsUtf8;
  unsigned faulty_pieces = 0;  // QsoPiece bits, for kFaultyQsoLine and kRecordIncomplete
  int count = 0;               // for the notes that count
  // The line or record as read (Windows-1250, line breaks as blanks), cut at
  // kMaxNoteText bytes; for kOwnCallDiffers and kSentExchangeDiffers the
  // value in the log.
  std::string text;

  bool IsWarning() const { return pelikan::IsWarning(kind); }
};

// A binary file read as a log must not fill memory with warnings: past
// these, they are only counted.
inline constexpr std::size_t kMaxNotes = 2000;
inline constexpr std::size_t kMaxNoteText = 200;

// The notes of one run: the warnings on lines up to kMaxNotes, and those on
// the whole log and the information.
class NoteList {
 public:
  // Takes a note; returns it, for a count to grow later (it stays where it
  // is), or nothing when it was only counted.
  LogNote* Add(NoteKind kind, int line, std::string_view text, unsigned faulty_pieces = 0, int count = 0);

  // The notes kept, in line order (notes on the whole log first; a sorted
  // log's notes come in time order otherwise).
  std::vector<LogNote> Take();
  int not_kept() const { return not_kept_; }

 private:
  std::deque<LogNote> notes_;
  std::size_t warnings_ = 0;
  int not_kept_ = 0;
};

// Letters and digits, at least one of each, "/" allowed: S57X, s57x/p, 9A1AA.
bool LooksLikeCallsign(std::string_view field);
// h:mm, hh:mm, hh:mm:ss, or four digits hhmm; hours up to 23, minutes and
// seconds up to 59.
bool LooksLikeTime(std::string_view field);
// Two or three characters: a digit 1 to 5, then digits or "N" (57, 579, 5NN).
bool LooksLikeReport(std::string_view field);
// True when the fields hold, in three different fields, one shaped like a
// callsign, one like a time and one like a report. Titles, headings, footers
// and soapbox text do not.
bool LooksLikeContact(std::span<const std::string_view> fields);
// yyyy-mm-dd, a real calendar date; hhmm from 0000 to 2359.
bool IsIsoDate(std::string_view text);
bool IsHhmm(std::string_view text);
// Whether a received report does not fit the mode: three digits on phone,
// two on CW (checkers reject "mode and RST do not match"). Any other report,
// or mode, fits.
bool ReportMisfitsMode(std::string_view report, std::string_view mode);

// The pieces of one QSO line as the conversion writes them.
struct QsoPieces {
  std::string_view frequency;
  std::string_view mode;
  std::string_view date;
  std::string_view time;
  std::string_view worked_call;      // may carry trailing padding blanks
  std::string_view received_report;  // may carry leading padding blanks
  std::string_view exchange;
};

// The QsoPiece bits of the pieces at fault; 0 for a sound line. Cheap and
// allocation-free: it runs once per contact.
unsigned FaultyQsoPieces(const QsoPieces& pieces);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_LOG_NOTES_H_
