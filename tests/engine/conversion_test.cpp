// SPDX-License-Identifier: GPL-3.0-or-later
// A conversion against a disk that fails at any step: the old file stays
// byte for byte and no temporary file is left. Whole outputs are checked by
// the golden cases.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <new>
#include <tuple>

#include "engine/convert_log.h"
#include "engine/log_reader.h"

namespace pelikan {
namespace {

// A fresh folder, removed with everything in it at the end of the test.
struct TempDir {
  std::filesystem::path path = [] {
    std::string name = (std::filesystem::temp_directory_path() / "pelikan-test-XXXXXX").string();
    return std::filesystem::path(::mkdtemp(name.data()));
  }();
  ~TempDir() { std::filesystem::remove_all(path); }
  std::filesystem::path operator/(std::string_view name) const { return path / name; }
};

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
int Entries(const std::filesystem::path& folder) {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

constexpr std::string_view kLog = "80 CW 2007-03-04 0601 S57BBB 599 599 1990\r\n";
constexpr std::string_view kOld = "the file of an earlier run\r\n";

// clang-format off
enum class Step { kNone, kCreate, kWriteHalfWay, kWriteNothing, kSignal, kOutOfMemory, kSetMode, kSync, kLink,
                  kNameTaken, kClose, kRename, kSyncFolder, kStaleErrno, kRead, kShortReads };
// clang-format on

// The real disk with one step failing; optionally without unnamed files,
// as vfat is. kSignal does what a SIGTERM handler does while the file is
// written. kNameTaken finds all but the last name tried taken. kStaleErrno
// syncs the folder but leaves errno set, as a successful call may.
// kShortReads reads pieces of `piece` bytes from a file that claims another
// size, as one that grows or shrinks while read does.
class FaultyDisk : public FileSystem {
 public:
  explicit FaultyDisk(Step step, bool unnamed = true, off_t claimed_size = 0, std::size_t piece = 0)
      : step_(step), unnamed_(unnamed), claimed_size_(claimed_size), piece_(piece) {}
  // Dies of SIGKILL where the step would fail, as a power cut would end it.
  bool kill = false;
  int CreateUnnamed(const std::filesystem::path& folder) override {
    if (!unnamed_) return errno = EOPNOTSUPP, -1;  // no step of the write, but how vfat is
    return step_ == Step::kCreate ? Fail(EACCES) : FileSystem::CreateUnnamed(folder);
  }
  int CreateUnique(std::string& name) override {
    return step_ == Step::kCreate ? Fail(EACCES) : FileSystem::CreateUnique(name);
  }
  ssize_t Write(int fd, const char* data, std::size_t size) override {
    if (step_ == Step::kOutOfMemory) throw std::bad_alloc();
    if (step_ == Step::kSignal) RemoveNamedTemporaryFile();
    if (step_ == Step::kWriteNothing) return 0;
    if (step_ != Step::kWriteHalfWay) return FileSystem::Write(fd, data, size);
    if ((written_ += 60) > 160) return Fail(ENOSPC);  // a disk that fills up
    return FileSystem::Write(fd, data, std::min<std::size_t>(size, 60));
  }
  int SetMode(int fd, mode_t m) override { return step_ == Step::kSetMode ? Fail(EPERM) : FileSystem::SetMode(fd, m); }
  int Sync(int fd) override { return step_ == Step::kSync ? Fail(EIO) : FileSystem::Sync(fd); }
  int Link(int fd, const std::filesystem::path& to) override {
    if (step_ == Step::kNameTaken && ++links_ < 16) return Fail(EEXIST);
    return step_ == Step::kLink ? Fail(EMLINK) : FileSystem::Link(fd, to);
  }
  int Close(int fd) override { return FileSystem::Close(fd) != 0 || step_ == Step::kClose ? Fail(EIO) : 0; }
  int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return step_ == Step::kRename ? Fail(EXDEV) : FileSystem::Rename(from, to);
  }
  int SyncFolder(const std::filesystem::path& folder) override {
    if (step_ == Step::kSyncFolder) return Fail(EIO);
    const int result = FileSystem::SyncFolder(folder);
    if (step_ == Step::kStaleErrno) errno = EIO;
    return result;
  }
  int Status(int fd, struct stat& info) override {
    const int result = FileSystem::Status(fd, info);
    if (step_ == Step::kShortReads) info.st_size = claimed_size_;
    return result;
  }
  ssize_t Read(int fd, char* buffer, std::size_t size) override {
    if (step_ == Step::kOutOfMemory) throw std::bad_alloc();
    if (step_ == Step::kRead) return Fail(EIO);
    return FileSystem::Read(fd, buffer, step_ == Step::kShortReads ? std::min(size, piece_) : size);
  }

 private:
  int Fail(int error) {
    if (kill) std::raise(SIGKILL);
    return errno = error, -1;
  }
  Step step_;
  bool unnamed_;
  off_t claimed_size_;
  std::size_t piece_;
  std::size_t written_ = 0;
  int links_ = 0;
};

// kLog converted in memory and written to `target` on `disk`.
ConversionResult Write(const std::filesystem::path& target, FileSystem& disk = SystemFileSystem()) {
  ConversionResult result = ConvertLog(kLog, ContestData{});
  WriteCabrilloFile(result, {}, target, disk);
  return result;
}

TEST(ConversionTest, EachStepFailing) {
  // clang-format off
  const std::tuple<Step, const char*, bool> rows[] = {  // the step, the reason, unnamed files
      {Step::kRead, "Input/output error", true},        {Step::kOutOfMemory, "Cannot allocate memory", true},
      {Step::kCreate, "Permission denied", true},       {Step::kCreate, "Permission denied", false},
      {Step::kWriteHalfWay, "No space left on device", true}, {Step::kWriteHalfWay, "No space left on device", false},
      {Step::kWriteNothing, "No space left on device", true}, {Step::kSignal, "No such file or directory", false},
      {Step::kSetMode, "Operation not permitted", true}, {Step::kSetMode, "Operation not permitted", false},
      {Step::kSync, "Input/output error", true},        {Step::kSync, "Input/output error", false},
      {Step::kLink, "Too many links", true},            {Step::kClose, "Input/output error", true},
      {Step::kClose, "Input/output error", false},      {Step::kRename, "Invalid cross-device link", true},
      {Step::kRename, "Invalid cross-device link", false},
  };
  // clang-format on
  for (const auto& [step, reason, unnamed] : rows) {
    SCOPED_TRACE(::testing::Message() << reason << (unnamed ? " unnamed" : " named"));
    TempDir dir;
    WriteFile(dir / "log.txt", kLog);
    WriteFile(dir / "S5.cbr", kOld);
    FaultyDisk disk(step, unnamed);
    ConversionResult result = ConvertLogFile(dir / "log.txt", ContestData{}, LogFormat::kAuto, disk);
    WriteCabrilloFile(result, dir / "log.txt", dir / "S5.cbr", disk);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure->reason, reason);
    EXPECT_EQ(result.failure->kind, step == Step::kOutOfMemory ? FailureKind::kOutOfMemory
                                    : step == Step::kRead      ? FailureKind::kCannotReadLog
                                                               : FailureKind::kCannotWriteFile);
    EXPECT_EQ(ReadFile(dir / "S5.cbr"), kOld);
    EXPECT_EQ(Entries(dir.path), 2) << "a temporary file was left";
    EXPECT_TRUE(result.processed_message.empty());
  }
  // Killed at any step, in a process of its own: the old file stays, and
  // the next write of the target leaves no temporary file behind.
  for (const Step step : {Step::kWriteHalfWay, Step::kSetMode, Step::kSync, Step::kLink, Step::kClose, Step::kRename}) {
    for (const bool unnamed : {true, false}) {
      if (step == Step::kLink && !unnamed) continue;  // a named file is never linked
      TempDir dir;
      WriteFile(dir / "S5.cbr", kOld);
      if (const pid_t child = ::fork(); child == 0) {
        FaultyDisk disk(step, unnamed);
        disk.kill = true;
        Write(dir / "S5.cbr", disk);
        std::_Exit(0);
      } else {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && ReadFile(dir / "S5.cbr") == kOld) << static_cast<int>(step);
      }
      EXPECT_TRUE(Write(dir / "S5.cbr").ok());
      EXPECT_EQ(Entries(dir.path), 1) << static_cast<int>(step) << (unnamed ? " unnamed" : " named");
    }
  }
  // A folder that cannot be synced once the file is in place: written, with a warning.
  for (const bool unnamed : {true, false}) {
    TempDir dir;
    WriteFile(dir / "S5.cbr", kOld);
    FaultyDisk disk(Step::kSyncFolder, unnamed);
    const ConversionResult result = Write(dir / "S5.cbr", disk);
    EXPECT_TRUE(result.ok() && result.folder_sync_error == EIO && !result.processed_message.empty());
    EXPECT_TRUE(ReadFile(dir / "S5.cbr").ends_with("END-OF-LOG:\r\n") && Entries(dir.path) == 1);
  }
  // Success is read from the result, not from errno.
  TempDir synced;
  FaultyDisk stale(Step::kStaleErrno);
  EXPECT_EQ(Write(synced / "S5.cbr", stale).folder_sync_error, 0);
  // Names taken by others at the instant of naming: the next is tried.
  TempDir taken;
  FaultyDisk clashes(Step::kNameTaken);
  EXPECT_TRUE(Write(taken / "S5.cbr", clashes).ok());
  // A named temporary file takes the mode a new file would have had; where
  // the file system can, the file has no name at all until it is whole.
  TempDir dir;
  FaultyDisk no_mode_change(Step::kSetMode, false), signal(Step::kSignal, true);
  EXPECT_FALSE(Write(dir / "S5.cbr", no_mode_change).ok());
  EXPECT_TRUE(Write(dir / "S5.cbr", signal).ok());
  // Only an interrupted read is tried again.
  const int fd = ::open(dir.path.c_str(), O_RDONLY | O_DIRECTORY);
  char buffer[16];
  EXPECT_EQ(SystemFileSystem().Read(fd, buffer, sizeof buffer), -1);
  EXPECT_EQ(errno, EISDIR);
  ::close(fd);
}

// A file that claims to be small is still cut off at the limit while read.
// (A log read in pieces against a wrong size converts as the same log in
// memory: the fuzz target's invariant, replayed on its corpus every run.)
// A failed run writes nothing, and the log itself is never written over.
TEST(ConversionTest, SizeAndTheLogItself) {
  TempDir dir;
  std::filesystem::resize_file((WriteFile(dir / "log.txt", ""), dir / "log.txt"), kMaxLogBytes + 1);
  FaultyDisk claims_small(Step::kShortReads, true, 100, 1 << 20);
  ConversionResult too_large = ConvertLogFile(dir / "log.txt", ContestData{}, LogFormat::kAuto, claims_small);
  EXPECT_EQ(too_large.failure.value_or(ConversionFailure{}).reason, "File too large");
  WriteCabrilloFile(too_large, dir / "log.txt", dir / "S5.cbr");
  EXPECT_EQ(too_large.failure->kind, FailureKind::kLogTooLarge);
  EXPECT_EQ(Entries(dir.path), 1);
  WriteFile(dir / "S5.cbr", kLog);
  std::filesystem::create_hard_link(dir / "S5.cbr", dir / "linked.cbr");
  std::filesystem::create_symlink("S5.cbr", dir / "symlink.cbr");
  for (const char* log : {"S5.cbr", "linked.cbr", "symlink.cbr"}) {
    ConversionResult result = ConvertLogFile(dir / log, ContestData{});
    WriteCabrilloFile(result, dir / log, dir / "S5.cbr");
    EXPECT_EQ(result.failure.value_or(ConversionFailure{}).kind, FailureKind::kLogIsOutput) << log;
    EXPECT_TRUE(result.processed_message.empty());
    EXPECT_EQ(ReadFile(dir / "S5.cbr"), kLog) << log;
  }
}

// The start of a file, however large it is, or claims to be; a FIFO is
// refused at once, never waited on.
TEST(ConversionTest, HeadOfAFile) {
  TempDir dir;
  WriteFile(dir / "entry.cbr", "START-OF-LOG: 3.0\r\nNAME: Ana\r\n");
  ASSERT_EQ(::mkfifo((dir / "fifo.cbr").c_str(), 0600), 0);
  FileSystem disk;
  FaultyDisk claims_small(Step::kShortReads, true, 4, 3), claims_large(Step::kShortReads, true, 1 << 30, 5);
  const std::tuple<const char*, FileSystem*, std::size_t, std::string> rows[] = {
      {"entry.cbr", &disk, 1 << 20, "START-OF-LOG: 3.0\r\nNAME: Ana\r\n"},
      {"entry.cbr", &disk, 12, "START-OF-LOG"},
      {"entry.cbr", &claims_small, 12, "START-OF-LOG"},
      {"entry.cbr", &claims_large, 14, "START-OF-LOG: "},
      {"entry.cbr", &claims_large, 1 << 20, "START-OF-LOG: 3.0\r\nNAME: Ana\r\n"},
  };
  for (const auto& [name, fs, max_bytes, head] : rows) {
    std::string read;
    EXPECT_FALSE(ReadHead(dir / name, *fs, read, max_bytes).has_value()) << max_bytes;
    EXPECT_EQ(read, head) << max_bytes;
  }
  std::string read;
  EXPECT_EQ(ReadHead(dir / "fifo.cbr", disk, read, 100).value_or(ConversionFailure{}).kind, FailureKind::kLogNotAFile);
}

}  // namespace
}  // namespace pelikan
