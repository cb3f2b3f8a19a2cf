// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/log_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "engine/messages.h"

namespace pelikan {

ConversionFailure LogFailure(FailureKind kind, const std::filesystem::path& log_path, int error) {
  return {kind, log_path, error != 0 ? SystemWords(error) : std::string(), 0, error, {}};
}

namespace {

// ReadLog, or with `cut` ReadHead: a file beyond `max_bytes` is then read
// up to there instead of refused.
std::optional<ConversionFailure> Read(const std::filesystem::path& log_path, FileSystem& fs, std::string& log,
                                      std::size_t max_bytes, bool cut) {
  const int fd = fs.OpenForReading(log_path);
  if (fd < 0) return LogFailure(FailureKind::kCannotReadLog, log_path, errno);
  // Closed however the read ends, running out of memory included.
  struct Closer {
    FileSystem& fs;
    int fd;
    ~Closer() { fs.Close(fd); }
  } closer{fs, fd};
  auto fail = [&](FailureKind kind, int error) { return LogFailure(kind, log_path, error); };
  struct stat info {};
  if (fs.Status(fd, info) != 0) return fail(FailureKind::kCannotReadLog, errno);
  if (S_ISDIR(info.st_mode)) return fail(FailureKind::kCannotReadLog, EISDIR);
  if (!S_ISREG(info.st_mode)) return fail(FailureKind::kLogNotAFile, 0);
  if (info.st_size < 0 || (!cut && static_cast<std::uintmax_t>(info.st_size) > max_bytes)) {
    return fail(FailureKind::kLogTooLarge, EFBIG);
  }
  // One byte more than the size, to see at once whether the file grew.
  log.resize(std::min(static_cast<std::uintmax_t>(info.st_size), std::uintmax_t{max_bytes}) + 1);
  std::size_t size = 0;
  while (true) {
    if (size == log.size()) {
      if (size > max_bytes && cut) {
        size = max_bytes;
        break;
      }
      if (size > max_bytes) return fail(FailureKind::kLogTooLarge, EFBIG);
      log.resize(std::min(size * 2, max_bytes + 1));
    }
    const ssize_t n = fs.Read(fd, log.data() + size, log.size() - size);
    if (n < 0) return fail(FailureKind::kCannotReadLog, errno);
    if (n == 0) break;
    size += static_cast<std::size_t>(n);
  }
  log.resize(size);
  return std::nullopt;
}

}  // namespace

std::optional<ConversionFailure> ReadLog(const std::filesystem::path& log_path, FileSystem& fs, std::string& log,
                                         std::size_t max_bytes) {
  return Read(log_path, fs, log, max_bytes, false);
}

std::optional<ConversionFailure> ReadHead(const std::filesystem::path& path, FileSystem& fs, std::string& head,
                                          std::size_t max_bytes) {
  return Read(path, fs, head, max_bytes, true);
}

}  // namespace pelikan
