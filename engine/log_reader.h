// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_LOG_READER_H_
#define PELIKAN_ENGINE_LOG_READER_H_

#include <filesystem>
#include <optional>
#include <string>

#include "engine/convert_log.h"
#include "engine/file_system.h"

namespace pelikan {

// Reads the whole log at `log_path` into `log` (the window reads its
// category lists with it too). Only a regular file is read, and only up to
// `max_bytes`: its size is checked before reading and again while reading,
// since the file may grow meanwhile. Says why when it could not.
std::optional<ConversionFailure> ReadLog(const std::filesystem::path& log_path, FileSystem& fs, std::string& log,
                                         std::size_t max_bytes = kMaxLogBytes);

// The first `max_bytes` of the file at `path` into `head`, as ReadLog reads
// (only a regular file, opened without blocking), the rest left unread: an
// earlier entry's header stands at its start.
std::optional<ConversionFailure> ReadHead(const std::filesystem::path& path, FileSystem& fs, std::string& head,
                                          std::size_t max_bytes);

// A failure of `kind` on the log, with the system's words for `error` (none
// for 0).
ConversionFailure LogFailure(FailureKind kind, const std::filesystem::path& log_path, int error);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_LOG_READER_H_
