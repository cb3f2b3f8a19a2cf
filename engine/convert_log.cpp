// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/convert_log.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <new>

#include "contest/cp1250.h"
#include "engine/conversion.h"
#include "engine/log_reader.h"
#include "engine/messages.h"

namespace pelikan {
namespace {

ConversionResult Failed(const ContestData& data, ConversionFailure failure) {
  return Conversion(data, 0).Fail(std::move(failure));
}

// Where both entry points meet once the log is in memory: the decisions on
// the kind and on UTF-8 need the whole log.
ConversionResult ConvertInMemory(std::string_view log, const std::filesystem::path& log_path, const ContestData& data,
                                 LogFormat format) {
  if (log.size() > kMaxLogBytes) return Failed(data, LogFailure(FailureKind::kLogTooLarge, log_path, EFBIG));
  if (const std::optional<std::string_view> document = BinaryDocumentKind(log)) {
    ConversionFailure failure = LogFailure(FailureKind::kNotALog, log_path, 0);
    failure.document = *document;
    return Failed(data, std::move(failure));
  }
  if (format == LogFormat::kAuto) format = DetectLogFormat(log);
  // The file runs about as long as a listing or a Cabrillo log, and half as
  // long as an ADIF one, which names every field.
  Conversion conversion(data, format == LogFormat::kAdif ? log.size() / 2 : log.size());
  if (format == LogFormat::kAdif) conversion.Note(NoteKind::kReadAsAdif);
  if (format == LogFormat::kCabrillo) conversion.Note(NoteKind::kReadAsCabrillo);
  // An ADIF log counts the bytes of its values as they stand, so it is read
  // first and recoded value by value.
  bool utf8 = false;
  std::optional<std::string> recoded;
  if (format == LogFormat::kAdif) {
    utf8 = IsUtf8Log(log);
    log = WithoutByteOrderMark(log);
  } else if ((recoded = Utf8LogAsCp1250(log))) {
    log = *recoded;
  }
  if (utf8 || recoded) conversion.Note(NoteKind::kReadAsUtf8);
  ConversionResult result = conversion.Run(log, format, utf8, log_path);
  result.format = format;
  return result;
}

// The conversion `run` makes, or, when memory ran out, that failure alone:
// whatever the run had built is gone with the stack that held it.
template <typename Run>
ConversionResult WithoutThrowing(const std::filesystem::path& log_path, Run run) {
  try {
    return run();
  } catch (const std::bad_alloc&) {
    ConversionResult result;
    result.failure = LogFailure(FailureKind::kOutOfMemory, log_path, ENOMEM);
    return result;
  }
}

// Whether the file at `target` is the log at `log_path` itself, so that
// writing it would replace the log. A symbolic link in the target's place is
// replaced, not followed, so it is not the log.
bool IsTheLog(FileSystem& fs, const std::filesystem::path& log_path, const std::filesystem::path& target) {
  struct stat log {};
  struct stat written {};
  const int fd = fs.OpenForReading(log_path);
  if (fd < 0) return false;
  const bool known = fs.Status(fd, log) == 0;
  fs.Close(fd);
  return known && fs.PathStatus(target, written) == 0 && S_ISREG(written.st_mode) && written.st_dev == log.st_dev &&
         written.st_ino == log.st_ino;
}

}  // namespace

ConversionResult ConvertLog(std::string_view log, const ContestData& data, LogFormat format) {
  return WithoutThrowing({}, [&] { return ConvertInMemory(log, {}, data, format); });
}

ConversionResult ConvertLogFile(const std::filesystem::path& log_path, const ContestData& data, LogFormat format,
                                FileSystem& file_system) {
  return WithoutThrowing(log_path, [&] {
    std::string log;
    if (std::optional<ConversionFailure> failure = ReadLog(log_path, file_system, log)) {
      return Failed(data, std::move(*failure));
    }
    return ConvertInMemory(log, log_path, data, format);
  });
}

void WriteCabrilloFile(ConversionResult& result, const std::filesystem::path& log_path,
                       const std::filesystem::path& target, FileSystem& file_system) {
  if (!result.ok()) return;
  if (IsTheLog(file_system, log_path, target)) {
    result.failure = LogFailure(FailureKind::kLogIsOutput, log_path, 0);
  } else {
    const std::array<std::string_view, 1> pieces = {result.Cabrillo()};
    const AtomicWrite written = WriteFileAtomically(file_system, target, pieces);
    if (written.error != 0) {
      result.failure =
          ConversionFailure{FailureKind::kCannotWriteFile, target, SystemWords(written.error), 0, written.error, {}};
    }
    result.folder_sync_error = written.folder_sync_error;
  }
  if (!result.ok()) result.processed_message.clear();
}

int ConversionResult::WarningCount() const {
  return notes_not_kept + static_cast<int>(std::count_if(notes.begin(), notes.end(),
                                                         [](const LogNote& note) { return note.IsWarning(); }));
}

}  // namespace pelikan
