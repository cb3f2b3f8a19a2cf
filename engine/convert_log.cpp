// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/convert_log.h"

#include <algorithm>
#include <cerrno>
#include <new>

#include "engine/conversion.h"
#include "engine/cp1250.h"
#include "engine/log_reader.h"

namespace pelikan {
namespace {

// Where both entry points meet once the log is in memory: the decision on
// UTF-8 needs the whole log.
ConversionResult ConvertInMemory(std::string_view log, const std::filesystem::path& log_path, const ContestData& data,
                                 const std::filesystem::path& cabrillo_path, FileSystem& file_system, bool write_file) {
  Conversion conversion(data, log.size(), cabrillo_path);
  if (log.size() > kMaxLogBytes) return conversion.Fail(LogFailure(FailureKind::kLogTooLarge, log_path, EFBIG));
  const std::optional<std::string> recoded = Utf8LogAsCp1250(log);
  if (recoded) {
    conversion.Note(NoteKind::kReadAsUtf8);
    log = *recoded;
  }
  return conversion.Run(log, log_path, file_system, write_file);
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

// Reads the log, then converts it; without `write_file` no file is written.
ConversionResult ReadAndConvert(const std::filesystem::path& log_path, const ContestData& data,
                                const std::filesystem::path& cabrillo_path, FileSystem& file_system, bool write_file) {
  return WithoutThrowing(log_path, cabrillo_path, [&] {
    std::string log;
    if (std::optional<ConversionFailure> failure = ReadLog(log_path, file_system, log)) {
      return Conversion(data, 0, cabrillo_path).Fail(std::move(*failure));
    }
    return ConvertInMemory(log, log_path, data, cabrillo_path, file_system, write_file);
  });
}

}  // namespace

ConversionResult ConvertLog(const std::filesystem::path& log_path, const ContestData& data,
                            const std::filesystem::path& cabrillo_path, FileSystem& file_system) {
  return ReadAndConvert(log_path, data, cabrillo_path, file_system, true);
}

ConversionResult CheckLog(const std::filesystem::path& log_path, const ContestData& data, FileSystem& file_system) {
  return ReadAndConvert(log_path, data, {}, file_system, false);
}

ConversionResult ConvertLogText(std::string_view log, const ContestData& data,
                                const std::filesystem::path& cabrillo_path, FileSystem& file_system) {
  return WithoutThrowing({}, cabrillo_path,
                         [&] { return ConvertInMemory(log, {}, data, cabrillo_path, file_system, true); });
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
