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

// What a front end shows after a conversion. All texts are Windows-1250.
struct ConversionResult {
  // The result list: header echo, listing and duplicate lines, summary. A
  // failed run keeps what had been added when it stopped.
  ResultList result_list;
  // The processed-records message; empty when the run failed.
  std::string processed_message;
  // The callsign field as the conversion left it: padded with blanks to six
  // characters once a contact has been converted.
  std::string padded_callsign;
  // The Cabrillo file, written or meant to be written.
  std::filesystem::path output_path;

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
};

// The file name of the Cabrillo file for a callsign as the user typed it, in
// the file system's encoding (UTF-8): the callsign without leading and
// trailing blanks, every "/", "\" and control character replaced by "_",
// then ".cbr". S57X/P gives S57X_P.cbr; no callsign leads out of its folder.
// Nothing for a callsign that leaves no name or only dots.
std::optional<std::string> CabrilloFileName(std::string_view callsign);

// Converts the log at `log_path` with `data` as it stands, and writes the
// Cabrillo file `cabrillo_path` atomically: on any failure no file is
// written and an existing one stays as it was. The log must be a regular
// file of at most kMaxLogBytes, and not the Cabrillo file itself. Its kind
// is `format`, or recognised from its content (DetectLogFormat); a known
// binary document is refused. Never throws, not even when memory runs out;
// the result says what happened. A log saved as UTF-8 is converted to
// Windows-1250 (Utf8LogAsCp1250; an ADIF log value by value), with a note
// saying so.
ConversionResult ConvertLog(const std::filesystem::path& log_path, const ContestData& data,
                            const std::filesystem::path& cabrillo_path, FileSystem& file_system = SystemFileSystem(),
                            LogFormat format = LogFormat::kAuto);

// The same for a log that is already in memory.
ConversionResult ConvertLogText(std::string_view log, const ContestData& data,
                                const std::filesystem::path& cabrillo_path,
                                FileSystem& file_system = SystemFileSystem(), LogFormat format = LogFormat::kAuto);

// The same run as ConvertLog, with the same result and notes, but no file is
// written: a log can be checked before the contest data are final.
// `output_path` stays empty.
ConversionResult CheckLog(const std::filesystem::path& log_path, const ContestData& data,
                          FileSystem& file_system = SystemFileSystem(), LogFormat format = LogFormat::kAuto);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_CONVERT_LOG_H_
