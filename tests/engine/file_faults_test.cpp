// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion against a failing disk: whatever step fails, the old file
// stays byte for byte and no temporary file is left behind.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <new>
#include <string>

#include "engine/convert_log.h"
#include "tests/support/temp_dir.h"

namespace pelikan {
namespace {

using ::testing::HasSubstr;
using testing::CountEntries;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

constexpr std::string_view kLog = "80 CW 2007-03-04 0601 S57BBB 599 599 1990\r\n";
constexpr std::string_view kOld = "the file of an earlier run\r\n";

// The real disk, with one step made to fail; optionally one without
// unnamed files, as vfat is.
class FaultyFileSystem : public FileSystem {
 public:
  enum class Step { kNone, kCreate, kWriteHalfWay, kOutOfMemory, kSync, kClose, kRename, kRead };
  explicit FaultyFileSystem(Step step, bool unnamed_files = true) : step_(step), unnamed_files_(unnamed_files) {}

  int CreateUnnamed(const std::filesystem::path& folder) override {
    if (!unnamed_files_) return Fail(EOPNOTSUPP);
    if (step_ == Step::kCreate) return Fail(EACCES);
    return FileSystem::CreateUnnamed(folder);
  }
  int CreateUnique(std::string& path_template) override {
    if (step_ == Step::kCreate) return Fail(EACCES);
    return FileSystem::CreateUnique(path_template);
  }
  ssize_t Write(int fd, const char* data, std::size_t size) override {
    if (step_ == Step::kOutOfMemory) throw std::bad_alloc();
    if (step_ != Step::kWriteHalfWay) return FileSystem::Write(fd, data, size);
    // A disk that fills up: some bytes go, then none.
    if (written_ > 100) return Fail(ENOSPC);
    const std::size_t part = std::min<std::size_t>(size, 60);
    written_ += part;
    return FileSystem::Write(fd, data, part);
  }
  int Sync(int fd) override { return step_ == Step::kSync ? Fail(EIO) : FileSystem::Sync(fd); }
  int Close(int fd) override {
    const int result = FileSystem::Close(fd);
    return step_ == Step::kClose ? Fail(EIO) : result;
  }
  int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return step_ == Step::kRename ? Fail(EXDEV) : FileSystem::Rename(from, to);
  }
  int SyncFolder(const std::filesystem::path& folder) override {
    ++folder_syncs;
    return FileSystem::SyncFolder(folder);
  }
  ssize_t Read(int fd, char* buffer, std::size_t size) override {
    if (step_ == Step::kOutOfMemory) throw std::bad_alloc();
    return step_ == Step::kRead ? Fail(EIO) : FileSystem::Read(fd, buffer, size);
  }
  int folder_syncs = 0;

 private:
  static int Fail(int error) {
    errno = error;
    return -1;
  }
  Step step_;
  bool unnamed_files_;
  std::size_t written_ = 0;
};

struct FaultRow {
  const char* name;
  FaultyFileSystem::Step step;
  const char* reason;
};

// Each step failing, with unnamed files and with a named temporary file.
class WriteFaultTest : public ::testing::TestWithParam<std::tuple<FaultRow, bool>> {};

TEST_P(WriteFaultTest, OldFileSurvives) {
  const auto& [row, unnamed_files] = GetParam();
  TempDir dir;
  WriteFile(dir / "S5.cbr", kOld);
  FaultyFileSystem file_system(row.step, unnamed_files);
  const ConversionResult result = ConvertLogText(kLog, ContestData{}, dir / "S5.cbr", file_system);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->reason, row.reason);
  EXPECT_EQ(ReadFile(dir / "S5.cbr"), kOld);
  EXPECT_EQ(CountEntries(dir.path()), 1) << "a temporary file was left";
  EXPECT_TRUE(result.processed_message.empty());
  if (row.step == FaultyFileSystem::Step::kOutOfMemory) {
    EXPECT_EQ(result.failure->kind, FailureKind::kOutOfMemory);
    return;
  }
  EXPECT_EQ(result.failure->kind, FailureKind::kCannotWriteFile);
  EXPECT_EQ(result.failure->path, dir / "S5.cbr");
  EXPECT_EQ(result.result_list.back().substr(0, 6), "Skupaj") << "the summary stays in the list";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WriteFaultTest,
    ::testing::Combine(
        ::testing::Values(FaultRow{"create", FaultyFileSystem::Step::kCreate, "Permission denied"},
                          FaultRow{"disk_full", FaultyFileSystem::Step::kWriteHalfWay, "No space left on device"},
                          FaultRow{"out_of_memory", FaultyFileSystem::Step::kOutOfMemory, "Cannot allocate memory"},
                          FaultRow{"sync", FaultyFileSystem::Step::kSync, "Input/output error"},
                          FaultRow{"close", FaultyFileSystem::Step::kClose, "Input/output error"},
                          FaultRow{"rename", FaultyFileSystem::Step::kRename, "Invalid cross-device link"}),
        ::testing::Bool()),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "_unnamed" : "_named");
    });

// What a SIGTERM handler finds while the file is being written, and what it
// leaves when it has run.
class InterruptedFileSystem : public FaultyFileSystem {
 public:
  InterruptedFileSystem(std::filesystem::path folder, bool unnamed_files)
      : FaultyFileSystem(Step::kNone, unnamed_files), folder_(std::move(folder)) {}
  ssize_t Write(int fd, const char* data, std::size_t size) override {
    if (entries_while_writing < 0) {
      entries_while_writing = CountEntries(folder_);
      RemoveNamedTemporaryFile();
      entries_after_signal = CountEntries(folder_);
    }
    return FaultyFileSystem::Write(fd, data, size);
  }
  int entries_while_writing = -1;
  int entries_after_signal = 0;

 private:
  std::filesystem::path folder_;
};

TEST(OutputFileTest, NoTemporaryNameOutlivesTheRun) {
  for (const bool unnamed_files : {true, false}) {
    SCOPED_TRACE(unnamed_files ? "unnamed" : "named");
    TempDir dir;
    WriteFile(dir / "S5.cbr", kOld);
    InterruptedFileSystem file_system(dir.path(), unnamed_files);
    const ConversionResult result = ConvertLogText(kLog, ContestData{}, dir / "S5.cbr", file_system);
    EXPECT_EQ(file_system.entries_while_writing, unnamed_files ? 1 : 2);
    EXPECT_EQ(file_system.entries_after_signal, 1);
    // A handler ends the program; here the run goes on and, where the file
    // had a name, finds it gone.
    EXPECT_EQ(result.ok(), unnamed_files);
    EXPECT_EQ(file_system.folder_syncs, unnamed_files ? 1 : 0) << "the rename is made durable";
    EXPECT_EQ(CountEntries(dir.path()), 1);
  }
}

TEST(OutputFileTest, ReadOnlyFileIsNotReplaced) {
  TempDir dir;
  WriteFile(dir / "S5.cbr", kOld);
  std::filesystem::permissions(dir / "S5.cbr", std::filesystem::perms::owner_read);
  const ConversionResult result = ConvertLogText(kLog, ContestData{}, dir / "S5.cbr");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->reason, "Permission denied");
  EXPECT_EQ(ReadFile(dir / "S5.cbr"), kOld);
  EXPECT_EQ(CountEntries(dir.path()), 1);
}

TEST(OutputFileTest, MissingFolderOrAnotherKindOfFileInTheWay) {
  TempDir dir;
  ConversionResult result = ConvertLogText(kLog, ContestData{}, dir / "missing" / "S5.cbr");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->reason, "No such file or directory");

  std::filesystem::create_directory(dir / "S5.cbr");
  ASSERT_EQ(::mkfifo((dir / "FIFO.cbr").c_str(), 0644), 0);
  for (const auto& [name, reason] : {std::pair{"S5.cbr", "Is a directory"}, std::pair{"FIFO.cbr", "File exists"}}) {
    result = ConvertLogText(kLog, ContestData{}, dir / name);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure->kind, FailureKind::kCannotWriteFile);
    EXPECT_EQ(result.failure->reason, reason);
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir / "S5.cbr"));
  EXPECT_TRUE(std::filesystem::is_fifo(dir / "FIFO.cbr"));
  EXPECT_EQ(CountEntries(dir.path()), 2);
}

TEST(OutputFileTest, LongestNameThatFitsIsWritten) {
  TempDir dir;
  ConversionResult result = ConvertLogText(kLog, ContestData{}, dir / (std::string(251, 'S') + ".cbr"));
  ASSERT_TRUE(result.ok()) << result.failure->reason;
  EXPECT_TRUE(std::filesystem::exists(result.output_path));

  result = ConvertLogText(kLog, ContestData{}, dir / (std::string(252, 'S') + ".cbr"));
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->reason, "File name too long");
  EXPECT_EQ(CountEntries(dir.path()), 1);
}

TEST(OutputFileTest, ModeOfANewAndOfAReplacedFile) {
  TempDir dir;
  const mode_t mask = ::umask(022);
  ConversionResult result = ConvertLogText(kLog, ContestData{}, dir / "S5.cbr");
  ::umask(mask);
  ASSERT_TRUE(result.ok());
  struct stat info {};
  ASSERT_EQ(::stat((dir / "S5.cbr").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u) << "not the 0600 of a temporary file";

  // The old file's bits stay, but not setuid and setgid.
  for (const auto& [old_mode, new_mode] : {std::pair{0600u, 0600u}, std::pair{06775u, 0775u}}) {
    ASSERT_EQ(::chmod((dir / "S5.cbr").c_str(), old_mode), 0);
    result = ConvertLogText(kLog, ContestData{}, dir / "S5.cbr");
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(::stat((dir / "S5.cbr").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, new_mode);
  }
}

// The real disk read in pieces of at most `piece` bytes, from a file that
// claims `claimed_size` bytes, as one that grows or shrinks while read does.
class ShortReads : public FileSystem {
 public:
  ShortReads(std::size_t piece, off_t claimed_size) : piece_(piece), claimed_size_(claimed_size) {}
  int Status(int fd, struct stat& info) override {
    const int result = FileSystem::Status(fd, info);
    info.st_size = claimed_size_;
    return result;
  }
  ssize_t Read(int fd, char* buffer, std::size_t size) override {
    return FileSystem::Read(fd, buffer, std::min(size, piece_));
  }

 private:
  std::size_t piece_;
  off_t claimed_size_;
};

TEST(InputFileTest, BadLogsAreRefusedAndWriteNothing) {
  TempDir dir;
  std::filesystem::create_directory(dir / "out");
  std::filesystem::create_directory(dir / "folder");
  WriteFile(dir / "log.txt", kLog);
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
  WriteFile(dir / "sparse", "");
  std::filesystem::resize_file(dir / "sparse", kMaxLogBytes + 1);
  WriteFile(dir / "long_line", std::string(kLog) + std::string(kMaxLineBytes + 1, 'a') + "\r\n" + std::string(kLog));

  struct Case {
    std::filesystem::path log;
    FailureKind kind;
    const char* reason;
    FileSystem* file_system;
  };
  FaultyFileSystem failing_read(FaultyFileSystem::Step::kRead);
  FaultyFileSystem out_of_memory(FaultyFileSystem::Step::kOutOfMemory);
  ShortReads claims_small(1 << 20, 100);
  FileSystem& disk = SystemFileSystem();
  for (const Case& c : {Case{dir / "folder", FailureKind::kCannotReadLog, "Is a directory", &disk},
                        Case{dir / "vanished.txt", FailureKind::kCannotReadLog, "No such file or directory", &disk},
                        Case{dir / "log.txt", FailureKind::kCannotReadLog, "Input/output error", &failing_read},
                        Case{dir / "log.txt", FailureKind::kOutOfMemory, "Cannot allocate memory", &out_of_memory},
                        Case{dir / "fifo", FailureKind::kLogNotAFile, "", &disk},
                        Case{"/dev/zero", FailureKind::kLogNotAFile, "", &disk},
                        Case{dir / "sparse", FailureKind::kLogTooLarge, "File too large", &disk},
                        Case{dir / "sparse", FailureKind::kLogTooLarge, "File too large", &claims_small},
                        Case{dir / "long_line", FailureKind::kLineTooLong, "", &disk}}) {
    SCOPED_TRACE(c.log);
    const ConversionResult result = ConvertLog(c.log, ContestData{}, dir / "out" / "S5.cbr", *c.file_system);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure->kind, c.kind);
    EXPECT_EQ(result.failure->path, c.log);
    EXPECT_EQ(result.failure->reason, c.reason);
    EXPECT_EQ(CountEntries(dir / "out"), 0);
    if (c.kind == FailureKind::kLineTooLong) {
      // Stopped like the contact after the last: the lines before it stay.
      EXPECT_EQ(result.failure->line, 2);
      EXPECT_EQ(result.record_count, 1);
      EXPECT_THAT(result.result_list.back(), HasSubstr("S57BBB"));
    }
  }
}

TEST(InputFileTest, AReadErrorIsReturnedNotRetried) {
  // Only an interrupted read is tried again; reading a folder fails for good.
  TempDir dir;
  const int fd = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  char buffer[16];
  EXPECT_EQ(SystemFileSystem().Read(fd, buffer, sizeof buffer), -1);
  EXPECT_EQ(errno, EISDIR);
  ::close(fd);
}

TEST(InputFileTest, ShortReadsAndAWrongSizeChangeNothing) {
  TempDir dir;
  std::string log;
  for (int i = 0; i < 3000; ++i) {
    log += "80 CW 2007-03-04 0601 S5X" + std::to_string(i) + " 599 599 " + std::to_string(i) +
           std::string(i % 7, ' ') + "\r\n";
  }
  WriteFile(dir / "log.txt", log);
  const ConversionResult from_memory = ConvertLogText(log, ContestData{}, dir / "memory.cbr");
  ASSERT_TRUE(from_memory.ok());
  const auto size = static_cast<off_t>(log.size());
  for (const auto& [piece, claimed] : {std::pair<std::size_t, off_t>{1, size}, {7, 0}, {4096, size / 3},
                                       {1 << 20, size * 2}}) {
    SCOPED_TRACE(::testing::Message() << piece << " " << claimed);
    ShortReads file_system(piece, claimed);
    const ConversionResult from_file = ConvertLog(dir / "log.txt", ContestData{}, dir / "S5.cbr", file_system);
    ASSERT_TRUE(from_file.ok());
    EXPECT_EQ(from_file.record_count, 3000);
    EXPECT_EQ(from_file.result_list, from_memory.result_list);
    EXPECT_EQ(ReadFile(from_file.output_path), ReadFile(from_memory.output_path));
  }
}

}  // namespace
}  // namespace pelikan

namespace pelikan {
namespace {

// What a wrong file looks like to the converter: it must neither crash nor
// lose its way, and the file it writes stays well formed.
TEST(HostileLogTest, ConvertsWithoutHarm) {
  TempDir dir;
  std::string longest_line = "80 CW 2007-03-04 0601 S57BBB 599 599 ";
  longest_line.resize(kMaxLineBytes, 'x');
  const std::string blanks(kMaxLineBytes / 2 - 1, ' ');
  std::string binary;
  for (int i = 0; i < 1 << 16; ++i) binary.push_back(static_cast<char>((i * 7919) & 0xFF));
  const std::string undefined_bytes = "80 CW 2007-03-04 0601 S5\x81\x83 599 599 \x88\x90\x98";
  const std::string with_nul("80 CW 2007-03-04 0601 S5\0A 599 599 1\0", 38);

  for (const std::string& log : {longest_line, blanks + "\t\t" + blanks, binary, undefined_bytes, with_nul,
                                 std::string(kMaxLineBytes - 4, '\'') + " 599"}) {
    const ConversionResult result = ConvertLogText(log, ContestData{}, dir / "S5.cbr");
    ASSERT_TRUE(result.ok());
    const std::string file = ReadFile(result.output_path);
    EXPECT_TRUE(file.ends_with("END-OF-LOG:\r\n"));
  }
  const ConversionResult result = ConvertLogText(undefined_bytes + "\r\n" + with_nul, ContestData{}, dir / "S5.cbr");
  EXPECT_EQ(result.record_count, 2);
  EXPECT_THAT(ReadFile(result.output_path), HasSubstr("S5\x81\x83         599  \x88\x90\x98\r\n"));
  EXPECT_THAT(ReadFile(result.output_path), HasSubstr(std::string("S5\0A         599", 16)));
}

}  // namespace
}  // namespace pelikan
