// The conversion against a failing disk: whatever step fails, the old file
// stays byte for byte and no temporary file is left behind.

#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
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

// The real disk, with one step made to fail.
class FaultyFileSystem : public FileSystem {
 public:
  enum class Step { kNone, kCreate, kWriteHalfWay, kSync, kClose, kRename, kRead };
  explicit FaultyFileSystem(Step step) : step_(step) {}

  int CreateUnique(std::string& path_template) override {
    if (step_ == Step::kCreate) return Fail(EACCES);
    return FileSystem::CreateUnique(path_template);
  }
  ssize_t Write(int fd, const char* data, std::size_t size) override {
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
  ssize_t Read(int fd, char* buffer, std::size_t size) override {
    return step_ == Step::kRead ? Fail(EIO) : FileSystem::Read(fd, buffer, size);
  }

 private:
  static int Fail(int error) {
    errno = error;
    return -1;
  }
  Step step_;
  std::size_t written_ = 0;
};

struct FaultRow {
  const char* name;
  FaultyFileSystem::Step step;
  const char* reason;
};

class WriteFaultTest : public ::testing::TestWithParam<FaultRow> {};

TEST_P(WriteFaultTest, OldFileSurvives) {
  TempDir dir;
  WriteFile(dir / "S5.cbr", kOld);
  FaultyFileSystem file_system(GetParam().step);
  const ConversionResult result = ConvertLogText(kLog, ContestData{}, dir.path(), file_system);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->kind, FailureKind::kCannotWriteFile);
  EXPECT_EQ(result.failure->path, dir / "S5.cbr");
  EXPECT_EQ(result.failure->reason, GetParam().reason);
  EXPECT_EQ(ReadFile(dir / "S5.cbr"), kOld);
  EXPECT_EQ(CountEntries(dir.path()), 1) << "a temporary file was left";
  EXPECT_TRUE(result.processed_message.empty());
  EXPECT_EQ(result.result_list.back().substr(0, 6), "Skupaj") << "the summary stays in the list";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WriteFaultTest,
    ::testing::Values(FaultRow{"create", FaultyFileSystem::Step::kCreate, "Permission denied"},
                      FaultRow{"disk_full", FaultyFileSystem::Step::kWriteHalfWay, "No space left on device"},
                      FaultRow{"sync", FaultyFileSystem::Step::kSync, "Input/output error"},
                      FaultRow{"close", FaultyFileSystem::Step::kClose, "Input/output error"},
                      FaultRow{"rename", FaultyFileSystem::Step::kRename, "Invalid cross-device link"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OutputFileTest, ReadOnlyFileIsNotReplaced) {
  TempDir dir;
  WriteFile(dir / "S5.cbr", kOld);
  std::filesystem::permissions(dir / "S5.cbr", std::filesystem::perms::owner_read);
  const ConversionResult result = ConvertLogText(kLog, ContestData{}, dir.path());
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->reason, "Permission denied");
  EXPECT_EQ(ReadFile(dir / "S5.cbr"), kOld);
  EXPECT_EQ(CountEntries(dir.path()), 1);
}

TEST(OutputFileTest, MissingFolderOrAFolderInTheWay) {
  TempDir dir;
  ConversionResult result = ConvertLogText(kLog, ContestData{}, dir / "missing");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->reason, "No such file or directory");

  std::filesystem::create_directory(dir / "S5.cbr");
  result = ConvertLogText(kLog, ContestData{}, dir.path());
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->kind, FailureKind::kCannotWriteFile);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "S5.cbr"));
  EXPECT_EQ(CountEntries(dir.path()), 1);
}

TEST(OutputFileTest, LongestNameThatFitsIsWritten) {
  TempDir dir;
  ContestData data;
  data.Callsign = std::string(251, 'S');  // 255 bytes with ".cbr"
  ConversionResult result = ConvertLogText(kLog, data, dir.path());
  ASSERT_TRUE(result.ok()) << result.failure->reason;
  EXPECT_TRUE(std::filesystem::exists(result.output_path));

  data.Callsign += "S";
  result = ConvertLogText(kLog, data, dir.path());
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.failure->reason, "File name too long");
  EXPECT_EQ(CountEntries(dir.path()), 1);
}

TEST(OutputFileTest, ModeOfANewAndOfAReplacedFile) {
  TempDir dir;
  const mode_t mask = ::umask(022);
  ConversionResult result = ConvertLogText(kLog, ContestData{}, dir.path());
  ::umask(mask);
  ASSERT_TRUE(result.ok());
  struct stat info {};
  ASSERT_EQ(::stat((dir / "S5.cbr").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u) << "not the 0600 of a temporary file";

  ASSERT_EQ(::chmod((dir / "S5.cbr").c_str(), 0600), 0);
  result = ConvertLogText(kLog, ContestData{}, dir.path());
  ASSERT_TRUE(result.ok());
  ASSERT_EQ(::stat((dir / "S5.cbr").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST(InputFileTest, UnreadableLogsAreReportedAndWriteNothing) {
  TempDir dir;
  std::filesystem::create_directory(dir / "out");
  std::filesystem::create_directory(dir / "folder");
  WriteFile(dir / "log.txt", kLog);

  struct Case {
    std::filesystem::path log;
    const char* reason;
    FileSystem* file_system;
  };
  FaultyFileSystem failing_read(FaultyFileSystem::Step::kRead);
  for (const Case& c : {Case{dir / "folder", "Is a directory", &SystemFileSystem()},
                        Case{dir / "vanished.txt", "No such file or directory", &SystemFileSystem()},
                        Case{dir / "log.txt", "Input/output error", &failing_read}}) {
    SCOPED_TRACE(c.log);
    const ConversionResult result = ConvertLog(c.log, ContestData{}, dir / "out", *c.file_system);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure->kind, FailureKind::kCannotReadLog);
    EXPECT_EQ(result.failure->path, c.log);
    EXPECT_EQ(result.failure->reason, c.reason);
    EXPECT_EQ(CountEntries(dir / "out"), 0);
  }
}

TEST(InputFileTest, ReadsInChunksAcrossLineEnds) {
  TempDir dir;
  // Long enough to cross several read buffers, with a CR LF on every boundary
  // that falls where it falls.
  std::string log;
  for (int i = 0; i < 3000; ++i) {
    log += "80 CW 2007-03-04 0601 S5X" + std::to_string(i) + " 599 599 " + std::to_string(i) +
           std::string(i % 7, ' ') + "\r\n";
  }
  WriteFile(dir / "log.txt", log);
  const ConversionResult from_file = ConvertLog(dir / "log.txt", ContestData{}, dir.path());
  const std::string file = ReadFile(from_file.output_path);
  const ConversionResult from_memory = ConvertLogText(log, ContestData{}, dir.path());
  ASSERT_TRUE(from_file.ok());
  EXPECT_EQ(from_file.record_count, 3000);
  EXPECT_EQ(from_file.result_list, from_memory.result_list);
  EXPECT_EQ(file, ReadFile(from_memory.output_path));
}

}  // namespace
}  // namespace pelikan

namespace pelikan {
namespace {

// What a wrong file looks like to the converter: it must neither crash nor
// lose its way, and the file it writes stays well formed.
TEST(HostileLogTest, ConvertsWithoutHarm) {
  TempDir dir;
  const std::string megabyte_line = "80 CW 2007-03-04 0601 S57BBB 599 599 " + std::string(4 << 20, 'x');
  const std::string blanks(1 << 20, ' ');
  std::string binary;
  for (int i = 0; i < 1 << 16; ++i) binary.push_back(static_cast<char>((i * 7919) & 0xFF));
  const std::string undefined_bytes = "80 CW 2007-03-04 0601 S5\x81\x83 599 599 \x88\x90\x98";
  const std::string with_nul("80 CW 2007-03-04 0601 S5\0A 599 599 1\0", 38);

  for (const std::string& log : {megabyte_line, blanks + "\t\t" + blanks, binary, undefined_bytes, with_nul,
                                 std::string(1 << 20, '\'') + " 599"}) {
    const ConversionResult result = ConvertLogText(log, ContestData{}, dir.path());
    ASSERT_TRUE(result.ok());
    const std::string file = ReadFile(result.output_path);
    EXPECT_TRUE(file.ends_with("END-OF-LOG:\r\n"));
  }
  const ConversionResult result = ConvertLogText(undefined_bytes + "\r\n" + with_nul, ContestData{}, dir.path());
  EXPECT_EQ(result.record_count, 2);
  EXPECT_THAT(ReadFile(result.output_path), HasSubstr("S5\x81\x83         599  \x88\x90\x98\r\n"));
  EXPECT_THAT(ReadFile(result.output_path), HasSubstr(std::string("S5\0A         599", 16)));
}

}  // namespace
}  // namespace pelikan
