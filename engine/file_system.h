// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PELIKAN_ENGINE_FILE_SYSTEM_H_
#define PELIKAN_ENGINE_FILE_SYSTEM_H_

#include <sys/stat.h>
#include <sys/types.h>

#include <cerrno>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelikan {

// The engine's only way to the disk, a thin layer over POSIX calls so that
// tests can make any step fail (a disk that fills up, a rename refused) and
// a platform can put its own piece in. Every call behaves like the system
// call it is named after: on failure it returns -1 and leaves the reason in
// errno.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens without blocking, so that a FIFO with no writer cannot hang the
  // caller; Status then tells what was opened.
  virtual int OpenForReading(const std::filesystem::path& path);
  virtual int Status(int fd, struct stat& info);
  // lstat(2) of a path: a symbolic link is not followed.
  virtual int PathStatus(const std::filesystem::path& path, struct stat& info);
  // Whether the effective user may write `path` (faccessat with AT_EACCESS):
  // 0 or -1.
  virtual int MayWrite(const std::filesystem::path& path);
  // The mode a new file gets from open(2) with 0666: the process's umask
  // taken off.
  virtual mode_t NewFileMode();
  virtual ssize_t Read(int fd, char* buffer, std::size_t size);
  // Opens a new file without a name in `folder` (O_TMPFILE), with mode 0666
  // narrowed by the umask. Fails with EOPNOTSUPP (or EISDIR on old kernels)
  // where the file system cannot do that.
  virtual int CreateUnnamed(const std::filesystem::path& folder);
  // Gives an unnamed file the name `path`, which must not exist yet.
  virtual int Link(int fd, const std::filesystem::path& path);
  // Creates and opens a new file from a mkstemp(3) template, which it
  // rewrites to the name it chose.
  virtual int CreateUnique(std::string& path_template);
  virtual ssize_t Write(int fd, const char* data, std::size_t size);
  virtual int SetMode(int fd, mode_t mode);
  virtual int Sync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const std::filesystem::path& from, const std::filesystem::path& to);
  virtual int Remove(const std::filesystem::path& path);
  // Opens `path` (not through a symbolic link) and takes an exclusive lock
  // on it at once, or fails with EWOULDBLOCK when another open file holds
  // one (flock(2)). Returns the descriptor that holds the lock, which lives
  // until it is closed or its process dies.
  virtual int OpenLocked(const std::filesystem::path& path);
  // Puts the names of the entries of `folder` into `names`.
  virtual int ListFolder(const std::filesystem::path& folder, std::vector<std::string>& names);
  // Syncs the folder itself, so that a rename in it survives a power loss.
  virtual int SyncFolder(const std::filesystem::path& folder);
};

// The real disk.
FileSystem& SystemFileSystem();

// What became of an atomic write.
struct AtomicWrite {
  // Why the file was not written, as an errno value; 0 when it was.
  int error = 0;
  // The file is in place, but its folder could not be synced, so that a
  // power cut may still bring back the old one: an errno value, or 0.
  int folder_sync_error = 0;
};

// Writes the concatenated `pieces` to `target` so that no partial file is
// ever present there. The data goes into a file without a name in the same
// folder, which is synced, named and renamed over the target at once, then
// the folder is synced. Where the file system has no unnamed files, a named
// temporary file stands in (see RemoveNamedTemporaryFile). When the file
// cannot be written, the temporary file is removed and the target is left
// exactly as it was. An existing target is replaced only when it is a
// regular file with a write permission bit that the effective user may
// write; it keeps its permission bits, without setuid and setgid. A
// symbolic link in the target's place is replaced, not followed, and the
// new file takes the mode of a new file.
//
// Every temporary file is named ".<target name>.pelikan-XXXXXX" and locked
// while its writer lives. One that a killed writer left behind (SIGKILL, a
// power cut) is removed by the next write of the same target; one whose
// writer still runs is left alone.
AtomicWrite WriteFileAtomically(FileSystem& fs, const std::filesystem::path& target,
                                std::span<const std::string_view> pieces);

// Removes the named temporary file that WriteFileAtomically has on disk at
// this moment, if any. Async-signal-safe: for a SIGINT or SIGTERM handler,
// so that a run ended by a signal leaves nothing behind.
void RemoveNamedTemporaryFile() noexcept;

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_FILE_SYSTEM_H_
