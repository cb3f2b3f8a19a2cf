// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_CONVERT_LOG_H_
#define PELIKAN_ENGINE_CONVERT_LOG_H_

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contest/contest_data.h"
#include "engine/file_system.h"
#include "engine/log_format.h"
#include "engine/log_notes.h"
#include "engine/result_list.h"

namespace pelikan {

// The most contact lines one conversion takes; the next one stops the run.
inline constexpr int kMaxRecords = 32767;
// The longest line a log may hold, its line end not counted; a longer one
// stops the run. Real contact lines are under 200 bytes.
inline constexpr std::size_t kMaxLineBytes = 32767;
// The largest log taken. Real logs are under 5 MB; the bound keeps a wrong
// file from taking all memory (a conversion needs a few times the log).
inline constexpr std::size_t kMaxLogBytes = std::size_t{64} << 20;

enum class FailureKind {
  kCannotReadLog,    // the log could not be opened or read
  kCannotWriteFile,  // the Cabrillo file could not be written
  kTooManyContacts,  // the log holds more than kMaxRecords contact lines
  kLogNotAFile,      // the log is a FIFO, a device or a socket
  kLogTooLarge,      // the log holds more than kMaxLogBytes
  kLineTooLong,      // a line is longer than kMaxLineBytes
  kOutOfMemory,      // memory ran out during the conversion
  kNotALog,          // the log is a known kind of binary document (ConversionFailure::document)
  kLogIsOutput,      // the Cabrillo file to be written is the log itself
};

struct ConversionFailure {
  FailureKind kind;
  std::filesystem::path path;  // the log (empty for a log in memory), or the Cabrillo file
  std::string reason;          // the system's words, empty where no call failed
  std::int64_t line = 0;       // for kLineTooLong: the line's number, from 1
  int error = 0;               // the errno value behind `reason`, 0 if none
  std::string_view document;   // for kNotALog: its kind, as BinaryDocumentKind names it
};

// What a front end shows after a conversion, and the Cabrillo file it writes
// or hands over. All texts are Windows-1250.
struct ConversionResult {
  // The result list: header echo, listing and duplicate lines, summary. A
  // failed run keeps what had been added when it stopped.
  ResultList result_list;
  // The processed-records message; empty when the run failed.
  std::string processed_message;
  // The Cabrillo file, whole: the header with the claimed score, the soapbox
  // and QSO lines, END-OF-LOG:. Empty when the run failed.
  std::string_view Cabrillo() const { return std::string_view(cabrillo_text).substr(cabrillo_start); }

  int record_count = 0;
  int duplicates = 0;
  int cw_contacts = 0;
  int ph_contacts = 0;
  int cw_multipliers = 0;
  int ph_multipliers = 0;
  std::int64_t claimed_score = 0;

  // The kind of log that was read.
  LogFormat format = LogFormat::kListing;
  // The notes of the run in log order, at most kMaxNotes warnings, and how
  // many more there were. They never change anything above.
  std::vector<LogNote> notes;
  int notes_not_kept = 0;
  // The file was written, but its folder could not be synced: a power cut
  // may still bring back the old file. An errno value, 0 when all went well.
  int folder_sync_error = 0;
  // The warnings among the notes, those not kept included.
  int WarningCount() const;

  std::optional<ConversionFailure> failure;
  bool ok() const { return !failure.has_value(); }

  // Where Cabrillo() keeps the file: from `cabrillo_start` on. The header,
  // whose score is known only at the end of the run, is put in the room
  // before the contacts then, so that they are never moved.
  std::string cabrillo_text;
  std::size_t cabrillo_start = 0;
};

// Converts `log`, held in memory, with `data` as it stands: the result list,
// the Cabrillo file, the counts and the notes, or why the run failed (a log
// over kMaxLogBytes, a known binary document, a line too long, more than
// kMaxRecords contacts). The log's kind is `format`, or recognised from its
// content (DetectLogFormat). A log saved as UTF-8 is converted to
// Windows-1250 (Utf8LogAsCp1250; an ADIF log value by value), with a note
// saying so. Writes nothing. Never throws, not even when memory runs out.
ConversionResult ConvertLog(std::string_view log, const ContestData& data, LogFormat format = LogFormat::kAuto);

// Reads the log at `log_path`, which must be a regular file of at most
// kMaxLogBytes, and converts it as ConvertLog does; a log that cannot be
// read is the run's failure.
ConversionResult ConvertLogFile(const std::filesystem::path& log_path, const ContestData& data,
                                LogFormat format = LogFormat::kAuto, FileSystem& file_system = SystemFileSystem());

// Writes the Cabrillo file of a run that succeeded to `target` atomically
// (WriteFileAtomically), unless `target` is the log at `log_path` itself,
// which is never written over. On any failure `result` gets it
// (kLogIsOutput, kCannotWriteFile) and loses its processed-records message;
// no file is written and an existing one stays as it was. A folder that
// could not be synced once the file was in place is noted in
// `folder_sync_error`. Does nothing for a run that failed.
void WriteCabrilloFile(ConversionResult& result, const std::filesystem::path& log_path,
                       const std::filesystem::path& target, FileSystem& file_system = SystemFileSystem());

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_CONVERT_LOG_H_
