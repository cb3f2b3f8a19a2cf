// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/log_notes.h"

#include <algorithm>
#include <chrono>

namespace pelikan {
namespace {

bool IsDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

// The value of two digits at `at`, or -1.
int TwoDigits(std::string_view text, std::size_t at) {
  if (at + 2 > text.size() || !IsDigit(text[at]) || !IsDigit(text[at + 1])) return -1;
  return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

bool IsAllDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

// Digits, with at most one decimal point between them.
bool IsNumber(std::string_view text) {
  bool point = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '.' && !point && i > 0 && i + 1 < text.size()) {
      point = true;
    } else if (!IsDigit(text[i])) {
      return false;
    }
  }
  return !text.empty();
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

LogNote* NoteList::Add(NoteKind kind, int line, std::string_view text, unsigned faulty_pieces, int count) {
  LogNote& note = notes_.emplace_back();
  note.kind = kind;
  // The cap holds the warnings on lines, which could fill memory; the few
  // notes on the whole log are always kept.
  if (note.IsWarning() && line != 0 && ++warnings_ > kMaxNotes) {
    notes_.pop_back();
    ++not_kept_;
    return nullptr;
  }
  note.line = line;
  note.faulty_pieces = faulty_pieces;
  note.count = count;
  note.text = text.substr(0, kMaxNoteText);
  // An ADIF record may run over several lines; a note shows it on one.
  std::replace_if(
      note.text.begin(), note.text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return &note;
}

std::vector<LogNote> NoteList::Take() {
  std::vector<LogNote> notes(std::make_move_iterator(notes_.begin()), std::make_move_iterator(notes_.end()));
  notes_.clear();
  std::stable_sort(notes.begin(), notes.end(), [](const LogNote& a, const LogNote& b) { return a.line < b.line; });
  return notes;
}

bool IsHhmm(std::string_view text) {
  if (text.size() != 4) return false;
  const int hours = TwoDigits(text, 0);
  const int minutes = TwoDigits(text, 2);
  return hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59;
}

bool IsIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const int century = TwoDigits(text, 0);
  const int year = TwoDigits(text, 2);
  const int month = TwoDigits(text, 5);
  const int day = TwoDigits(text, 8);
  return century >= 0 && year >= 0 && month >= 0 && day >= 0 &&
         std::chrono::year_month_day(std::chrono::year(century * 100 + year),
                                     std::chrono::month(static_cast<unsigned>(month)),
                                     std::chrono::day(static_cast<unsigned>(day)))
             .ok();
}

bool ReportMisfitsMode(std::string_view report, std::string_view mode) {
  while (!report.empty() && report.front() == ' ') report.remove_prefix(1);
  if (!IsAllDigits(report)) return false;
  return (mode == "PH" && report.size() == 3) || (mode == "CW" && report.size() == 2);
}

bool LooksLikeCallsign(std::string_view field) {
  bool letter = false;
  bool digit = false;
  for (const char c : field) {
    if (IsDigit(c)) {
      digit = true;
    } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
      letter = true;
    } else if (c != '/') {
      return false;
    }
  }
  return letter && digit;
}

bool LooksLikeTime(std::string_view field) {
  if (IsHhmm(field)) return true;
  // h:mm and hh:mm, then an optional :ss.
  const std::size_t colon = field.find(':');
  if (colon != 1 && colon != 2) return false;
  const int hours = colon == 1 ? (IsDigit(field[0]) ? field[0] - '0' : -1) : TwoDigits(field, 0);
  const int minutes = TwoDigits(field, colon + 1);
  if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) return false;
  const std::string_view rest = field.substr(colon + 3);
  if (rest.empty()) return true;
  const int seconds = TwoDigits(rest, 1);
  return rest.size() == 3 && rest[0] == ':' && seconds >= 0 && seconds <= 59;
}

bool LooksLikeReport(std::string_view field) {
  if (field.size() < 2 || field.size() > 3 || field[0] < '1' || field[0] > '5') return false;
  for (char c : field.substr(1)) {
    if (!IsDigit(c) && c != 'N') return false;
  }
  return true;
}

bool LooksLikeContact(std::span<const std::string_view> fields) {
  bool call = false;
  bool time = false;
  bool report = false;
  // One field is one thing: "5NN" is a report, not a callsign.
  for (const std::string_view field : fields) {
    if (LooksLikeReport(field)) {
      report = true;
    } else if (LooksLikeTime(field)) {
      time = true;
    } else if (LooksLikeCallsign(field)) {
      call = true;
    }
  }
  return call && time && report;
}

namespace {
// Not empty, and no blank inside once the padding around it is gone: a
// blank inside a piece moves every piece after it for a checker.
bool IsOneItem(std::string_view piece) {
  const std::size_t first = piece.find_first_not_of(' ');
  return first != std::string_view::npos && piece.find(' ', first) > piece.find_last_not_of(' ');
}
}  // namespace

unsigned FaultyQsoPieces(const QsoPieces& pieces) {
  unsigned faults = 0;
  if (!IsNumber(pieces.frequency)) faults |= kQsoFrequency;
  if (pieces.mode.empty()) faults |= kQsoMode;
  if (!IsIsoDate(pieces.date)) faults |= kQsoDate;
  if (!IsHhmm(pieces.time)) faults |= kQsoTime;
  if (!LooksLikeCallsign(WithoutTrailingBlanks(pieces.worked_call))) faults |= kQsoWorkedCall;
  if (!IsOneItem(pieces.received_report)) faults |= kQsoReceivedReport;
  if (!IsOneItem(pieces.exchange)) faults |= kQsoExchange;
  return faults;
}

}  // namespace pelikan
