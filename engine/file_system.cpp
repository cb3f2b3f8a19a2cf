// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

int FileSystem::PathStatus(const std::filesystem::path& path, struct stat& info) {
  return ::lstat(path.c_str(), &info);
}

int FileSystem::MayWrite(const std::filesystem::path& path) {
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS);
}

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

int FileSystem::CreateUnique(std::string& path_template) { return ::mkostemp(path_template.data(), O_CLOEXEC); }

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

int FileSystem::OpenLocked(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
  const int error = errno;
  ::close(fd);
  errno = error;
  return -1;
}

int FileSystem::ListFolder(const std::filesystem::path& folder, std::vector<std::string>& names) {
  DIR* const dir = ::opendir(folder.c_str());
  if (dir == nullptr) return -1;
  errno = 0;
  while (const dirent* entry = ::readdir(dir)) {
    names.emplace_back(entry->d_name);
    errno = 0;
  }
  const int error = errno;
  ::closedir(dir);
  errno = error;
  return error == 0 ? 0 : -1;
}

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

// The temporary files of a target are ".<name>.pelikan-" and six more
// characters: a later write of the same target recognises them, and nobody
// else's file has that name.
std::string TemporaryPrefix(const std::string& name) { return "." + name + ".pelikan-"; }

// A name beside the target for the instant between naming the finished file
// and renaming it. Hand-made because no library call picks a free name for
// linkat(2); a clash is retried with the next.
std::string TemporaryName(const std::filesystem::path& folder, const std::string& name, int attempt) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  const unsigned long long mixed = ticks ^ (static_cast<unsigned long long>(::getpid()) << 32) ^
                                   (counter.fetch_add(1) * 0x9E3779B97F4A7C15ULL) ^
                                   static_cast<unsigned long long>(attempt);
  char suffix[17];
  std::snprintf(suffix, sizeof suffix, "%016llx", mixed);
  return (folder / (TemporaryPrefix(name) + std::string(suffix + 10, 6))).string();
}

// Removes the temporary files of `name` in `folder` that no living writer
// holds: those of a writer killed where no handler could run. Best effort;
// a file that cannot be looked at stays.
void RemoveLeftovers(FileSystem& fs, const std::filesystem::path& folder, const std::string& name) {
  std::vector<std::string> names;
  fs.ListFolder(folder, names);
  const std::string prefix = TemporaryPrefix(name);
  for (const std::string& entry : names) {
    if (!entry.starts_with(prefix) || entry.size() != prefix.size() + 6) continue;
    const std::filesystem::path path = folder / entry;
    const int fd = fs.OpenLocked(path);
    if (fd < 0) continue;
    struct stat info {};
    if (fs.Status(fd, info) == 0 && S_ISREG(info.st_mode)) fs.Remove(path);
    fs.Close(fd);
  }
}

// The temporary file of one write: whatever ends the write early, an error
// or an exception, takes it with it.
class PendingFile {
 public:
  explicit PendingFile(FileSystem& fs) : fs_(fs) {}
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;
  ~PendingFile() {
    named_temporary.store(nullptr);
    if (fd_ >= 0) fs_.Close(fd_);
    if (!name_.empty()) fs_.Remove(name_);
    if (lock_fd_ >= 0) fs_.Close(lock_fd_);
  }

  // Opens the file: without a name where the file system can do that, else
  // under a name from `name_template`. Returns 0 or an errno value.
  int Create(const std::filesystem::path& folder, const std::string& name_template);
  bool unnamed() const { return name_.empty(); }
  // Writes all of `pieces`; returns 0 or an errno value.
  int Write(std::span<const std::string_view> pieces);
  // Gives an unnamed file a free name beside the target; returns 0 or an
  // errno value.
  int Name(const std::filesystem::path& folder, const std::string& target_name);
  // Closes the file and renames it over `target`; returns 0 or an errno
  // value. From here on it is the target.
  int CloseAndRename(const std::filesystem::path& target);
  int fd() const { return fd_; }

 private:
  void Publish(std::string name) {
    named_temporary.store(nullptr);
    name_ = std::move(name);
    // Published before it exists, so that no instant of its life is missed.
    named_temporary.store(name_.empty() ? nullptr : name_.c_str());
  }

  // Takes the lock that tells a later write this file's writer lives, once
  // the file has a name, on a descriptor of its own that stays open until
  // the file is renamed: the file's own is closed before, to see the close
  // fail. Returns 0 or an errno value.
  int Lock();

  FileSystem& fs_;
  int fd_ = -1;
  int lock_fd_ = -1;
  std::string name_;
};

int PendingFile::Lock() {
  lock_fd_ = fs_.OpenLocked(name_);
  return lock_fd_ < 0 ? errno : 0;
}

int PendingFile::Create(const std::filesystem::path& folder, const std::string& name_template) {
  fd_ = fs_.CreateUnnamed(folder);
  if (fd_ >= 0) return 0;
  if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
  // vfat and some network file systems: a named file from the start.
  std::string name = name_template;
  const int fd = fs_.CreateUnique(name);
  if (fd < 0) return errno;
  fd_ = fd;
  Publish(std::move(name));
  return Lock();
}

int PendingFile::Write(std::span<const std::string_view> pieces) {
  for (std::string_view piece : pieces) {
    while (!piece.empty()) {
      const ssize_t written = fs_.Write(fd_, piece.data(), piece.size());
      if (written < 0) return errno;
      if (written == 0) return ENOSPC;
      piece.remove_prefix(static_cast<std::size_t>(written));
    }
  }
  return 0;
}

int PendingFile::Name(const std::filesystem::path& folder, const std::string& target_name) {
  // rename(2) is the only call that replaces a name at once, and it needs a
  // name to move: the finished file gets one for that instant.
  for (int attempt = 0;; ++attempt) {
    Publish(TemporaryName(folder, target_name, attempt));
    if (fs_.Link(fd_, name_) == 0) return Lock();
    const int error = errno;
    Publish({});
    if (error != EEXIST || attempt == 15) return error;
  }
}

int PendingFile::CloseAndRename(const std::filesystem::path& target) {
  if (fs_.Close(std::exchange(fd_, -1)) != 0) return errno;
  if (fs_.Rename(name_, target) != 0) return errno;
  Publish({});
  fs_.Close(std::exchange(lock_fd_, -1));
  return 0;
}

// Whether `target` may be replaced, and the mode the new file takes: that
// of the file it replaces, else that of a new file. Returns 0 or an errno
// value.
int CheckTarget(FileSystem& fs, const std::filesystem::path& target, mode_t& mode, bool& replacing) {
  mode = fs.NewFileMode();
  replacing = false;
  struct stat existing {};
  // A symbolic link is replaced like no file at all: its target's mode is
  // someone else's.
  if (fs.PathStatus(target, existing) != 0 || S_ISLNK(existing.st_mode)) return 0;
  if (S_ISDIR(existing.st_mode)) return EISDIR;
  // A device or FIFO by that name is no earlier Cabrillo file.
  if (!S_ISREG(existing.st_mode)) return EEXIST;
  // Root may write anything; a file marked read-only is still the user's
  // word that it must not change. Anyone else must also be allowed to write
  // it, not merely to write the folder.
  if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
  if (fs.MayWrite(target) != 0) return errno;
  mode = existing.st_mode & (07777 & ~(S_ISUID | S_ISGID));
  replacing = true;
  return 0;
}

}  // namespace

mode_t FileSystem::NewFileMode() { return 0666 & ~kStartUmask; }

void RemoveNamedTemporaryFile() noexcept {
  if (const char* name = named_temporary.exchange(nullptr)) ::unlink(name);
}

AtomicWrite WriteFileAtomically(FileSystem& fs, const std::filesystem::path& target,
                                std::span<const std::string_view> pieces) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  // Named after the target, cut short so that a target name that just fits
  // the file system's limit still gets a temporary name.
  const std::string name = target.filename().string().substr(0, 200);

  mode_t mode = 0;
  bool replacing = false;
  if (const int error = CheckTarget(fs, target, mode, replacing)) return {error};
  RemoveLeftovers(fs, folder, name);
  PendingFile file(fs);
  if (const int error = file.Create(folder, (folder / (TemporaryPrefix(name) + "XXXXXX")).string())) return {error};
  if (const int error = file.Write(pieces)) return {error};
  // An unnamed file has its umask'd mode already; a mkstemp(3) file is 0600.
  if ((replacing || !file.unnamed()) && fs.SetMode(file.fd(), mode) != 0) return {errno};
  if (fs.Sync(file.fd()) != 0) return {errno};
  if (file.unnamed()) {
    if (const int error = file.Name(folder, name)) return {error};
  }
  if (const int error = file.CloseAndRename(target)) return {error};
  // Without this a power loss could bring back the old file after success
  // was reported. File systems that cannot sync a folder say EINVAL.
  if (fs.SyncFolder(folder) != 0 && errno != EINVAL) return {0, errno};
  return {};
}

}  // namespace pelikan
