// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_LOG_NOTES_H_
#define PELIKAN_ENGINE_LOG_NOTES_H_

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace pelikan {

// What a conversion tells about single lines of the log, beside the result
// list, so that no contact is lost or garbled without the user hearing of it.
enum class NoteKind {
  kContactBeforeColumns,  // looks like a contact; no 599 or 59 field had fixed the columns yet
  kContactTooShort,       // looks like a contact; fewer than 8 fields, so not converted
  kFaultyQsoLine,         // converted, but pieces of its QSO line are not what a checker takes
  kReadAsUtf8,            // information: the log was UTF-8 and was converted to Windows-1250
};

// The pieces of a QSO line that can be at fault, as bits of LogNote::faulty_pieces.
enum QsoPiece : unsigned {
  kQsoFrequency = 1u << 0,       // not a number
  kQsoMode = 1u << 1,            // no mode known yet
  kQsoDate = 1u << 2,            // not a valid yyyy-mm-dd
  kQsoTime = 1u << 3,            // not four digits from 0000 to 2359
  kQsoWorkedCall = 1u << 4,      // not shaped like a callsign
  kQsoReceivedReport = 1u << 5,  // empty
  kQsoExchange = 1u << 6,        // empty
};

struct LogNote {
  int line = 0;  // 1-based line of the log; 0 for a note on the whole log
  NoteKind kind = NoteKind::kReadAsUtf8;
  unsigned faulty_pieces = 0;  // QsoPiece bits, for kFaultyQsoLine
  std::string text;            // the line as read (Windows-1250), cut at kMaxNoteText bytes

  // Everything but the information note asks the user to look at the line.
  bool IsWarning() const { return kind != NoteKind::kReadAsUtf8; }
};

// A binary file read as a log must not fill memory with notes: past these,
// notes are only counted.
inline constexpr std::size_t kMaxNotes = 2000;
inline constexpr std::size_t kMaxNoteText = 200;

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
