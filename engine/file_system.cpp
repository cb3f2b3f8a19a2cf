#include "engine/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pelikan {

int FileSystem::OpenForReading(const std::filesystem::path& path) {
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

ssize_t FileSystem::Read(int fd, char* buffer, std::size_t size) {
  ssize_t n;
  do {
    n = ::read(fd, buffer, size);
  } while (n < 0 && errno == EINTR);
  return n;
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

FileSystem& SystemFileSystem() {
  static FileSystem file_system;
  return file_system;
}

namespace {

std::string Reason(int error) { return std::strerror(error); }

// The mode a new file gets from open(2) with 0666, which mkstemp(3) would
// have narrowed to 0600.
mode_t DefaultFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string WriteFileAtomically(FileSystem& fs, const std::filesystem::path& target,
                                std::span<const std::string_view> pieces) {
  mode_t mode = DefaultFileMode();
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode)) return Reason(EISDIR);
    // Root may write anything; a file marked read-only is still the user's
    // word that it must not change.
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return Reason(EACCES);
    mode = existing.st_mode & 07777;
  }

  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  // Named after the target, cut short so that a target name that just fits
  // the file system's limit still gets a temporary name.
  const std::string name = target.filename().string().substr(0, 200);
  std::string temporary = (folder / ("." + name + ".XXXXXX")).string();
  const int fd = fs.CreateUnique(temporary);
  if (fd < 0) return Reason(errno);

  auto fail = [&](int error, bool open) {
    if (open) fs.Close(fd);
    fs.Remove(temporary);
    return Reason(error);
  };
  for (std::string_view piece : pieces) {
    while (!piece.empty()) {
      const ssize_t written = fs.Write(fd, piece.data(), piece.size());
      if (written < 0) return fail(errno, true);
      if (written == 0) return fail(ENOSPC, true);
      piece.remove_prefix(static_cast<std::size_t>(written));
    }
  }
  if (fs.SetMode(fd, mode) != 0) return fail(errno, true);
  if (fs.Sync(fd) != 0) return fail(errno, true);
  if (fs.Close(fd) != 0) return fail(errno, false);
  if (fs.Rename(temporary, target) != 0) return fail(errno, false);
  return {};
}

}  // namespace pelikan
