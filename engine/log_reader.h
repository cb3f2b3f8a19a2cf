// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_LOG_READER_H_
#define PELIKAN_ENGINE_LOG_READER_H_

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "engine/convert_log.h"
#include "engine/file_system.h"

namespace pelikan {

// A log as read. Its room is not filled with zeros first, as a string's
// would be: a fiftieth of a conversion for bytes overwritten at once.
struct LogBytes {
  std::unique_ptr<char[]> room;
  std::size_t size = 0;
  std::string_view text() const { return {room.get(), size}; }
};

// Reads the whole log at `log_path` into `log`. Only a regular file is read,
// and only up to kMaxLogBytes: its size is checked before reading and again
// while reading, since the file may grow meanwhile. Says why when it could
// not.
std::optional<ConversionFailure> ReadLog(const std::filesystem::path& log_path, FileSystem& fs, LogBytes& log);

// A failure of `kind` on the log, with the system's words for `error` (none
// for 0).
ConversionFailure LogFailure(FailureKind kind, const std::filesystem::path& log_path, int error);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_LOG_READER_H_
