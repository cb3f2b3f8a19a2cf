#ifndef PELIKAN_ENGINE_FILE_SYSTEM_H_
#define PELIKAN_ENGINE_FILE_SYSTEM_H_

#include <sys/types.h>

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace pelikan {

// The engine's only way to the disk, a thin layer over POSIX calls so that
// tests can make any step fail (a disk that fills up, a rename refused).
// Every call behaves like the system call it is named after: on failure it
// returns -1 and leaves the reason in errno.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual int OpenForReading(const std::filesystem::path& path);
  virtual ssize_t Read(int fd, char* buffer, std::size_t size);
  // Creates and opens a new file from a mkstemp(3) template, which it
  // rewrites to the name it chose.
  virtual int CreateUnique(std::string& path_template);
  virtual ssize_t Write(int fd, const char* data, std::size_t size);
  virtual int SetMode(int fd, mode_t mode);
  virtual int Sync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const std::filesystem::path& from, const std::filesystem::path& to);
  virtual int Remove(const std::filesystem::path& path);
};

// The real disk.
FileSystem& SystemFileSystem();

// Writes the concatenated `pieces` to `target` so that no partial file is
// ever present there: a temporary file in the same folder is written in
// full, synced, then renamed over the target. On failure the temporary file
// is removed, the target is left exactly as it was, and the return value is
// the reason (as strerror(3) words it); on success it is empty. A target that
// exists without any write permission bit is read-only and is not replaced.
std::string WriteFileAtomically(FileSystem& fs, const std::filesystem::path& target,
                                std::span<const std::string_view> pieces);

}  // namespace pelikan

#endif  // PELIKAN_ENGINE_FILE_SYSTEM_H_
