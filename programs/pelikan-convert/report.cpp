// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/pelikan-convert/report.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace pelikan {
namespace {

// The pieces of a faulty QSO line, as "time, date and exchange".
std::string PieceNames(unsigned pieces) {
  static constexpr std::array<std::pair<unsigned, const char*>, 7> kNames = {{
      {kQsoFrequency, "frequency"},
      {kQsoMode, "mode"},
      {kQsoDate, "date"},
      {kQsoTime, "time"},
      {kQsoWorkedCall, "worked call"},
      {kQsoReceivedReport, "received report"},
      {kQsoExchange, "exchange"},
  }};
  std::vector<std::string_view> names;
  for (const auto& [piece, name] : kNames) {
    if (pieces & piece) names.push_back(name);
  }
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

std::string NoteText(const LogNote& note) {
  const std::string line = Cp1250AsUtf8(note.text);
  switch (note.kind) {
    case NoteKind::kContactBeforeColumns:
      return "looks like a contact but was not converted: no 599 or 59 field came before it: " + line;
    case NoteKind::kContactTooShort: return "looks like a contact but was not converted: fewer than 8 fields: " + line;
    case NoteKind::kFaultyQsoLine: return "the QSO line has a faulty " + PieceNames(note.faulty_pieces) + ": " + line;
    case NoteKind::kReadAsUtf8: return "the log is UTF-8; converted to Windows-1250 before reading";
  }
  return {};
}

}  // namespace

void PrintWarnings(const ConversionResult& result, const std::string& log_shown) {
  for (const LogNote& note : result.notes) {
    const std::string where =
        note.IsWarning() ? log_shown + ":" + std::to_string(note.line) + ": warning: " : log_shown + ": note: ";
    // Written whole: a log line may hold a NUL byte, where printf would stop.
    const std::string text = where + NoteText(note) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
  }
  if (result.notes_not_kept > 0) {
    const int more = result.notes_not_kept;
    std::fprintf(stderr, "%s: warning: %d more warning%s not shown\n", log_shown.c_str(), more, more == 1 ? "" : "s");
  }
  if (result.folder_sync_error != 0) {
    std::fprintf(stderr,
                 "pelikan-convert: warning: %s was written, but its folder could not be synced (%s): "
                 "a power cut may still bring back the old file\n",
                 ShownPath(result.output_path.string()).c_str(), SystemWords(result.folder_sync_error).c_str());
  }
}

std::string FailureMessage(const ConversionFailure& failure, const std::string& log_shown) {
  const std::string path = ShownPath(failure.path.string());
  const std::string& reason = failure.reason;
  switch (failure.kind) {
    case FailureKind::kCannotReadLog: return "cannot read the log " + path + ": " + reason + "; no file written";
    case FailureKind::kCannotWriteFile: return "cannot write " + path + ": " + reason + "; no file written";
    case FailureKind::kTooManyContacts:
      return log_shown + " holds more than " + std::to_string(kMaxRecords) + " contacts; no file written";
    case FailureKind::kLogNotAFile: return path + " is not a regular file; no file written";
    case FailureKind::kLogTooLarge:
      return path + " is larger than " + std::to_string(kMaxLogBytes >> 20) + " MiB; no file written";
    case FailureKind::kLineTooLong:
      return "line " + std::to_string(failure.line) + " of " + path + " is longer than " +
             std::to_string(kMaxLineBytes) + " bytes; no file written";
    case FailureKind::kOutOfMemory: return "out of memory while converting " + path + "; no file written";
  }
  return {};
}

}  // namespace pelikan
