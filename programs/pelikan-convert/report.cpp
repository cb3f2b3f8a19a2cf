// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/pelikan-convert/report.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace pelikan {

void PrintWarnings(const ConversionResult& result, const std::string& log_shown, const std::string& cabrillo_path) {
  for (const LogNote& note : result.notes) {
    const std::string where = log_shown + (note.line != 0 ? ":" + std::to_string(note.line) : "") +
                              (note.IsWarning() ? ": warning: " : ": note: ");
    const std::string line = NoteShowsLine(note) ? ": " + Cp1250AsUtf8(note.text) : "";
    // Written whole: a log line may hold a NUL byte, where printf would stop.
    const std::string text = where + NoteWhat(note, Language::kEnglish) + line + "\n";
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
                 ShownPath(cabrillo_path).c_str(), SystemWords(result.folder_sync_error).c_str());
  }
}

std::string FailureLine(const ConversionFailure& failure, const std::string& log_shown) {
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
    case FailureKind::kNotALog:
      return path + " is " + std::string(DocumentName(failure.document, Language::kEnglish)) +
             ", not a log; no file written";
    case FailureKind::kLogIsOutput:
      return "the log " + path + " is the Cabrillo file to be written, and would be lost; no file written";
  }
  return {};
}

}  // namespace pelikan
