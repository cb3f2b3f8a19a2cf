// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <utility>

namespace pelikan {

int FileSystem::OpenForReading(const std::filesystem::path& path) {
  return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

int FileSystem::Status(int fd, struct stat& info) { return ::fstat(fd, &info); }

ssize_t FileSystem::Read(int fd, char* buffer, std::size_t size) {
  ssize_t n;
  do {
    n = ::read(fd, buffer, size);
  } while (n < 0 && errno == EINTR);
  return n;
}

int FileSystem::CreateUnnamed(const std::filesystem::path& folder) {
  return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

int FileSystem::Link(int fd, const std::filesystem::path& path) {
  // linkat with AT_EMPTY_PATH would need a capability; the descriptor's
  // entry in /proc works for every user.
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
}

int FileSystem::CreateUnique(std::string& path_template) {
  return ::mkostemp(path_template.data(), O_CLOEXEC);
}

ssize_t FileSystem::Write(int fd, const char* data, std::size_t size) {
  ssize_t n;
  do {
    n = ::write(fd, data, size);
  } while (n < 0 && errno == EINTR);
  return n;
}

int FileSystem::SetMode(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int FileSystem::Sync(int fd) { return ::fdatasync(fd); }
int FileSystem::Close(int fd) { return ::close(fd); }

int FileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  return ::rename(from.c_str(), to.c_str());
}

int FileSystem::Remove(const std::filesystem::path& path) { return ::unlink(path.c_str()); }

int FileSystem::SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  errno = error;
  return result;
}

FileSystem& SystemFileSystem() {
  static FileSystem file_system;
  return file_system;
}

namespace {

// The umask, read while the program starts and has no other threads yet:
// reading it means setting it, which would race with threads that create
// files.
const mode_t kStartUmask = [] {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}();

// The named temporary file on disk, for a signal handler to remove.
std::atomic<const char*> named_temporary{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free);

// A name beside the target for the instant between naming the finished file
// and renaming it. Hand-made because no library call picks a free name for
// linkat(2); a clash is retried with the next.
std::string TemporaryName(const std::filesystem::path& folder, const std::string& name, int attempt) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = static_cast<unsigned long long>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  const unsigned long long mixed = ticks ^ (static_cast<unsigned long long>(::getpid()) << 32) ^
                                   (counter.fetch_add(1) * 0x9E3779B97F4A7C15ULL) ^
                                   static_cast<unsigned long long>(attempt);
  char suffix[17];
  std::snprintf(suffix, sizeof suffix, "%016llx", mixed);
  return (folder / ("." + name + "." + std::string(suffix + 10, 6))).string();
}

}  // namespace

void RemoveNamedTemporaryFile() noexcept {
  if (const char* name = named_temporary.exchange(nullptr)) ::unlink(name);
}

int WriteFileAtomically(FileSystem& fs, const std::filesystem::path& target,
                        std::span<const std::string_view> pieces) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  // Named after the target, cut short so that a target name that just fits
  // the file system's limit still gets a temporary name.
  const std::string name = target.filename().string().substr(0, 200);

  // The mode a new file gets from open(2) with 0666.
  mode_t mode = 0666 & ~kStartUmask;
  bool replacing = false;
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) return EISDIR;
    // A device or FIFO by that name is no earlier Cabrillo file.
    if (!S_ISREG(existing.st_mode)) return EEXIST;
    // Root may write anything; a file marked read-only is still the user's
    // word that it must not change. Anyone else must also be allowed to
    // write it, not merely to write the folder.
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno;
    mode = existing.st_mode & (07777 & ~(S_ISUID | S_ISGID));
    replacing = true;
  }

  // Whatever ends the write early, an error or an exception, takes the
  // temporary file with it.
  struct Pending {
    FileSystem& fs;
    int fd = -1;
    std::string temporary;
    explicit Pending(FileSystem& file_system) : fs(file_system) {}
    Pending(const Pending&) = delete;
    Pending& operator=(const Pending&) = delete;
    ~Pending() {
      named_temporary.store(nullptr);
      if (fd >= 0) fs.Close(fd);
      if (!temporary.empty()) fs.Remove(temporary);
    }
  } pending(fs);

  bool unnamed = true;
  pending.fd = fs.CreateUnnamed(folder);
  if (pending.fd < 0) {
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
    // vfat and some network file systems: a named file from the start.
    unnamed = false;
    std::string name_template = (folder / ("." + name + ".XXXXXX")).string();
    const int fd = fs.CreateUnique(name_template);
    if (fd < 0) return errno;
    pending.fd = fd;
    pending.temporary = std::move(name_template);
    named_temporary.store(pending.temporary.c_str());
  }

  for (std::string_view piece : pieces) {
    while (!piece.empty()) {
      const ssize_t written = fs.Write(pending.fd, piece.data(), piece.size());
      if (written < 0) return errno;
      if (written == 0) return ENOSPC;
      piece.remove_prefix(static_cast<std::size_t>(written));
    }
  }
  // An unnamed file has its umask'd mode already; a mkstemp(3) file is 0600.
  if ((replacing || !unnamed) && fs.SetMode(pending.fd, mode) != 0) return errno;
  if (fs.Sync(pending.fd) != 0) return errno;
  if (unnamed) {
    // rename(2) is the only call that replaces a name at once, and it needs
    // a name to move: the finished file gets one for that instant.
    for (int attempt = 0;; ++attempt) {
      std::string candidate = TemporaryName(folder, name, attempt);
      named_temporary.store(nullptr);
      pending.temporary = std::move(candidate);
      // Published before it exists, so that no instant of its life is missed.
      named_temporary.store(pending.temporary.c_str());
      if (fs.Link(pending.fd, pending.temporary) == 0) break;
      const int error = errno;
      named_temporary.store(nullptr);
      pending.temporary.clear();
      if (error != EEXIST || attempt == 15) return error;
    }
  }
  const int fd = std::exchange(pending.fd, -1);
  if (fs.Close(fd) != 0) return errno;
  if (fs.Rename(pending.temporary, target) != 0) return errno;
  named_temporary.store(nullptr);
  pending.temporary.clear();
  // Without this a power loss could bring back the old file after success
  // was reported. File systems that cannot sync a folder say EINVAL.
  if (fs.SyncFolder(folder) != 0 && errno != EINVAL) return errno;
  return 0;
}

}  // namespace pelikan
