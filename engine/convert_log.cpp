// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/convert_log.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <new>

#include "engine/conversion.h"
#include "engine/cp1250.h"
#include "engine/log_reader.h"

namespace pelikan {
namespace {

// Where both entry points meet once the log is in memory: the decisions on
// the kind and on UTF-8 need the whole log.
ConversionResult ConvertInMemory(std::string_view log, const std::filesystem::path& log_path, const ContestData& data,
                                 const std::filesystem::path& cabrillo_path, FileSystem& file_system, bool write_file,
                                 LogFormat format) {
  if (log.size() > kMaxLogBytes) {
    return Conversion(data, 0, cabrillo_path).Fail(LogFailure(FailureKind::kLogTooLarge, log_path, EFBIG));
  }
  if (const std::optional<std::string_view> document = BinaryDocumentKind(log)) {
    ConversionFailure failure = LogFailure(FailureKind::kNotALog, log_path, 0);
    failure.document = *document;
    return Conversion(data, 0, cabrillo_path).Fail(std::move(failure));
  }
  if (format == LogFormat::kAuto) format = DetectLogFormat(log);
  // The file runs about as long as a listing or a Cabrillo log, and half as
  // long as an ADIF one, which names every field.
  Conversion conversion(data, format == LogFormat::kAdif ? log.size() / 2 : log.size(), cabrillo_path);
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
  ConversionResult result = conversion.Run(log, format, utf8, log_path, file_system, write_file);
  result.format = format;
  return result;
}

// The conversion `run` makes, or, when memory ran out, that failure alone:
// whatever the run had built is gone with the stack that held it.
template <typename Run>
ConversionResult WithoutThrowing(const std::filesystem::path& log_path, const std::filesystem::path& cabrillo_path,
                                 Run run) {
  try {
    return run();
  } catch (const std::bad_alloc&) {
    ConversionResult result;
    result.output_path = cabrillo_path;
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

// Reads the log, then converts it; without `write_file` no file is written.
ConversionResult ReadAndConvert(const std::filesystem::path& log_path, const ContestData& data,
                                const std::filesystem::path& cabrillo_path, FileSystem& file_system, bool write_file,
                                LogFormat format) {
  return WithoutThrowing(log_path, cabrillo_path, [&] {
    if (write_file && IsTheLog(file_system, log_path, cabrillo_path)) {
      return Conversion(data, 0, cabrillo_path).Fail(LogFailure(FailureKind::kLogIsOutput, log_path, 0));
    }
    std::string log;
    if (std::optional<ConversionFailure> failure = ReadLog(log_path, file_system, log)) {
      return Conversion(data, 0, cabrillo_path).Fail(std::move(*failure));
    }
    return ConvertInMemory(log, log_path, data, cabrillo_path, file_system, write_file, format);
  });
}

}  // namespace

ConversionResult ConvertLog(const std::filesystem::path& log_path, const ContestData& data,
                            const std::filesystem::path& cabrillo_path, FileSystem& file_system, LogFormat format) {
  return ReadAndConvert(log_path, data, cabrillo_path, file_system, true, format);
}

ConversionResult CheckLog(const std::filesystem::path& log_path, const ContestData& data, FileSystem& file_system,
                          LogFormat format) {
  return ReadAndConvert(log_path, data, {}, file_system, false, format);
}

ConversionResult ConvertLogText(std::string_view log, const ContestData& data,
                                const std::filesystem::path& cabrillo_path, FileSystem& file_system, LogFormat format) {
  return WithoutThrowing({}, cabrillo_path,
                         [&] { return ConvertInMemory(log, {}, data, cabrillo_path, file_system, true, format); });
}

std::optional<std::string> CabrilloFileName(std::string_view callsign) {
  const std::size_t first = callsign.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  std::string name(callsign.substr(first, callsign.find_last_not_of(' ') - first + 1));
  if (name.find_first_not_of('.') == std::string::npos) return std::nullopt;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    const auto next = static_cast<unsigned char>(i + 1 < name.size() ? name[i + 1] : 0);
    if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F) {
      name[i] = '_';
    } else if (c == 0xC2 && next >= 0x80 && next < 0xA0) {
      // U+0080 to U+009F, the second set of control characters, two bytes
      // in UTF-8 that become one "_".
      name.replace(i, 2, "_");
    }
  }
  return name + ".cbr";
}

int ConversionResult::WarningCount() const {
  return notes_not_kept + static_cast<int>(std::count_if(notes.begin(), notes.end(),
                                                         [](const LogNote& note) { return note.IsWarning(); }));
}

}  // namespace pelikan
