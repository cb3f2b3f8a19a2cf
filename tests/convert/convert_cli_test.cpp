// SPDX-License-Identifier: GPL-3.0-or-later
// pelikan-convert run as a script would run it.

#include <fcntl.h>
#include <sys/stat.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

extern char** environ;

namespace pelikan {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using testing::CountEntries;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the converter with `arguments`, in `folder`, optionally as the
// unprivileged user "nobody" so that file permissions hold even for root.
RunResult Converter(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
              bool unprivileged = false, const char* standard_output = nullptr) {
  std::vector<std::string> command;
  if (unprivileged && ::geteuid() == 0) {
    command = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
  }
  command.push_back(PELIKAN_CONVERT);
  command.insert(command.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& part : command) argv.push_back(part.data());
  argv.push_back(nullptr);

  const std::string out_path = (folder / ".stdout").string();
  const std::string err_path = (folder / ".stderr").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, standard_output ? standard_output : out_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  pid_t pid = 0;
  RunResult run;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadFile(out_path);
  run.err = ReadFile(err_path);
  std::filesystem::remove(out_path);
  std::filesystem::remove(err_path);
  return run;
}

const std::vector<std::string> kRequired = {
    "--callsign", "s59aaa",   "--licence-year", "1985",        "--category", "SINGLE-OP 80M LOW CW",
    "--name",     "Janez",    "--street",       "Ulica 1",     "--postal-code-and-place", "1000 Ljubljana"};

// The required options, then `extra`, then the log (none when empty).
std::vector<std::string> With(std::vector<std::string> extra, const std::string& log = "log.txt") {
  std::vector<std::string> arguments = kRequired;
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  if (!log.empty()) arguments.push_back(log);
  return arguments;
}

std::string LastLine(const std::string& text) {
  const std::size_t end = text.find_last_not_of('\n');
  const std::size_t start = text.rfind('\n', end);
  return text.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

constexpr const char* kContact = "80 CW 2007-03-04 06:01 S57BBB 599 599 1990";

TEST(ConvertCliTest, EveryKindOfLineEndGivesTheSameFile) {
  TempDir dir;
  std::string expected;
  for (const char* end : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(::testing::PrintToString(std::string(end)));
    WriteFile(dir / "log.txt", std::string("Band Mode\r\n") + end + kContact + end + "SOAPBOX: sent" + end +
                                   "80 SSB 2007-03-04 5:12 S5ZZ 59 57 1990");
    const RunResult run = Converter(With({}), dir.path());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string file = ReadFile(dir / "S59AAA.cbr");
    EXPECT_THAT(file, EndsWith("QSO:  3500 PH 2007-03-04 0512 S59AAA        59  1985     S5ZZ          57  1990\r\n"
                               "END-OF-LOG:\r\n"));
    if (expected.empty()) expected = file;
    EXPECT_EQ(file, expected);
    EXPECT_EQ(LastLine(run.err), "Obdelani so 2 zapisi");
  }
}

TEST(ConvertCliTest, TextCrossesTheCodePageBorder) {
  TempDir dir;
  const std::string soapbox("SOAPBOX: \x8a\x9a\xe8\xc8\x9e\x8e \x81\x98 \xff\t!", 22);  // incl. undefined bytes
  WriteFile(dir / "log.txt", soapbox + "\r\n" + kContact + "\r\n");
  const RunResult run = Converter(With({"--name", "Bo\xe2\x80\x8b\xc5\xbeo \xe2\x82\xac \xe6\x97\xa5\xf0\x9f\x98\x80\x1a", "--club", "s5",
                                  "--operators", "s51a,s52\xc4\x8d", "--team", "ab"}),
                            dir.path());
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string file = ReadFile(dir / "S59AAA.cbr");
  EXPECT_THAT(file, HasSubstr("\r\n" + soapbox + "\r\n")) << "log bytes reach the file unchanged";
  EXPECT_THAT(file, HasSubstr("NAME: Bo\x9eo \x80 ??\x1a\r\n")) << "UTF-8 in, Windows-1250 out, ? for the rest, invisible characters left out";
  EXPECT_THAT(file, HasSubstr("CALLSIGN: S59AAA\r\n"));
  EXPECT_THAT(file, HasSubstr("CONTEST: KV prvenstvo ZRS\r\n")) << "not given, not left";
  EXPECT_THAT(file, HasSubstr("CLUB: \r\n"));
  EXPECT_THAT(file, HasSubstr("TEAM: AB\r\n"));
  EXPECT_THAT(file, HasSubstr("OPERATORS: S51A,S52\xc8\r\n"));
  EXPECT_THAT(run.out, HasSubstr("SOAPBOX: \xc5\xa0\xc5\xa1\xc4\x8d\xc4\x8c\xc5\xbe\xc5\xbd"))
      << "the list is printed in UTF-8";
  EXPECT_THAT(run.out, HasSubstr(" \xc2\x81\xc2\x98 \xcb\x99\t!\n")) << "undefined bytes pass as C1 controls";
  EXPECT_THAT(run.out, StartsWith("START-OF-LOG: Beta 2.2\nCREATED-BY: PELIKAN by QAZMIX\nCALLSIGN: S59AAA\n"));
}

TEST(ConvertCliTest, PortableCallsignAndPathsAsGiven) {
  TempDir dir;
  // Paths in a legacy encoding are taken byte for byte; the file's name is
  // UTF-8, as the system names files.
  WriteFile(dir / "l\xe8g.txt", kContact);
  std::filesystem::create_directory(dir / "out\xe8");
  std::vector<std::string> arguments = With({"--output-dir", "out\xe8", "--callsign", "s5\xc4\x8d/p"}, "l\xe8g.txt");
  const RunResult run = Converter(arguments, dir.path());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(ReadFile(dir / "out\xe8" / "S5\xc4\x8c_P.cbr"), HasSubstr("CALLSIGN: S5\xc8/P\r\n"));
}

TEST(ConvertCliTest, FailingStandardOutputExitsFour) {
  TempDir dir;
  WriteFile(dir / "log.txt", kContact);
  const RunResult run = Converter(With({}), dir.path(), false, "/dev/full");
  EXPECT_EQ(run.status, 4);
  EXPECT_THAT(run.err, HasSubstr("the Cabrillo file was written, but standard output failed: No space left"));
  EXPECT_THAT(ReadFile(dir / "S59AAA.cbr"), EndsWith("END-OF-LOG:\r\n"));
}

TEST(ConvertCliTest, LogsBeyondTheBoundsExitOne) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
  WriteFile(dir / "long.txt", std::string(kContact) + "\n" + std::string(40000, 'a') + "\n");
  WriteFile(dir / "large.txt", "");
  std::filesystem::resize_file(dir / "large.txt", std::uintmax_t{1} << 30);
  for (const auto& [log, message] :
       {std::pair{"fifo", "fifo is not a regular file; no file written\n"},
        std::pair{"/dev/zero", "/dev/zero is not a regular file; no file written\n"},
        std::pair{"large.txt", "large.txt is larger than 64 MiB; no file written\n"},
        std::pair{"long.txt", "line 2 of long.txt is longer than 32767 bytes; no file written\n"}}) {
    const RunResult run = Converter(With({}, log), dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, std::string("pelikan-convert: ") + message);
  }
  EXPECT_EQ(CountEntries(dir.path()), 3);
}

TEST(ConvertCliTest, OverflowLeavesTheOldFile) {
  TempDir dir;
  std::string log;
  for (int i = 0; i <= 32767; ++i) log += "80 CW 2007-03-04 0601 S5" + std::to_string(i) + " 599 599 1\n";
  WriteFile(dir / "log.txt", log);
  WriteFile(dir / "S59AAA.cbr", "old");
  const RunResult run = Converter(With({}), dir.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "pelikan-convert: log.txt holds more than 32767 contacts; no file written\n");
  EXPECT_EQ(ReadFile(dir / "S59AAA.cbr"), "old");
  EXPECT_EQ(CountEntries(dir.path()), 2);
}

TEST(ConvertCliTest, UnwritableFolderAndUnreadableLog) {
  TempDir dir;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);  // let nobody in
  std::filesystem::create_directory(dir / "locked");
  std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_all |
                                                   std::filesystem::perms::group_read |
                                                   std::filesystem::perms::group_exec |
                                                   std::filesystem::perms::others_read |
                                                   std::filesystem::perms::others_exec);
  WriteFile(dir / "log.txt", kContact);
  std::filesystem::permissions(dir / "log.txt", std::filesystem::perms::all);

  RunResult run = Converter(With({"--output-dir", "locked"}), dir.path(), /*unprivileged=*/true);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "pelikan-convert: cannot write locked/S59AAA.cbr: Permission denied; no file written\n");
  EXPECT_EQ(CountEntries(dir / "locked"), 0);

  std::filesystem::permissions(dir / "log.txt", std::filesystem::perms::none);
  run = Converter(With({}), dir.path(), /*unprivileged=*/true);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "pelikan-convert: cannot read the log log.txt: Permission denied\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "S59AAA.cbr"));
  EXPECT_THAT(run.out, ::testing::Not(HasSubstr("QSO:"))) << "nothing was converted";

  // A writable folder is not enough to replace a file that is not ours.
  if (::geteuid() != 0) return;
  std::filesystem::create_directory(dir / "shared");
  std::filesystem::permissions(dir / "shared", std::filesystem::perms::all);
  WriteFile(dir / "shared" / "S59AAA.cbr", "root's");
  std::filesystem::permissions(dir / "log.txt", std::filesystem::perms::all);
  run = Converter(With({"--output-dir", "shared"}), dir.path(), /*unprivileged=*/true);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "pelikan-convert: cannot write shared/S59AAA.cbr: Permission denied; no file written\n");
  EXPECT_EQ(ReadFile(dir / "shared" / "S59AAA.cbr"), "root's");
  EXPECT_EQ(CountEntries(dir / "shared"), 1);
}

struct UsageRow {
  const char* name;
  std::vector<std::string> arguments;
  const char* message;
};

class ConvertCliUsageTest : public ::testing::TestWithParam<UsageRow> {};

TEST_P(ConvertCliUsageTest, ExitsTwoWithAMessage) {
  TempDir dir;
  WriteFile(dir / "log.txt", kContact);
  const RunResult run = Converter(GetParam().arguments, dir.path());
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr(GetParam().message));
  EXPECT_EQ(CountEntries(dir.path()), 1) << "no file written";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertCliUsageTest,
    ::testing::Values(
        UsageRow{"nothing_given", {"log.txt"},
                 "missing contest data: --licence-year, --category, --name, --street, --postal-code-and-place"},
        UsageRow{"empty_callsign", With({"--callsign", ""}), "missing contest data: --callsign\n"},
        UsageRow{"no_log", kRequired, "no LOGFILE given"},
        UsageRow{"two_logs", With({"other.txt"}), "only one LOGFILE"},
        UsageRow{"unknown_option", With({"--colour", "red"}), "Unknown option 'colour'"},
        UsageRow{"missing_value", {"log.txt", "--soapbox"}, "Missing value after '--soapbox'"},
        UsageRow{"abbreviated_option", With({"--call", "s5"}), "Unknown option 'call'"},
        UsageRow{"flag_with_value", With({"--check=yes"}), "Unexpected value after '--check'"},
        UsageRow{"not_utf8", With({"--name", "\xe8\x9a"}), "--name is not valid UTF-8"},
        // Callsigns that give no file name.
        UsageRow{"blank_callsign", With({"--callsign", "   "}), "the callsign \"   \" gives no file name"},
        UsageRow{"dot_callsign", With({"--callsign", "."}), "the callsign \".\" gives no file name"},
        UsageRow{"dots_callsign", With({"--callsign", " .. "}), "gives no file name"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertCliTest, EveryOptionWithoutItsValue) {
  TempDir dir;
  for (const char* option :
       {"--callsign", "--contest", "--licence-year", "--category", "--category-overlay", "--team", "--club",
        "--operators", "--name", "--street", "--postal-code-and-place", "--address-extra", "--soapbox",
        "--output-dir"}) {
    const RunResult run = Converter(With({option}, {}), dir.path());
    EXPECT_EQ(run.status, 2) << option;
    EXPECT_THAT(run.err, HasSubstr(std::string("Missing value after '") + option + "'"));
  }
  EXPECT_EQ(CountEntries(dir.path()), 0);
}

TEST(ConvertCliTest, HelpAndLongValues) {
  TempDir dir;
  RunResult run = Converter({"--help"}, dir.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.out, StartsWith("Usage: pelikan-convert [options] LOGFILE\n"));

  WriteFile(dir / "log.txt", kContact);
  const std::string long_value(100000, 'x');
  run = Converter(With({"--soapbox", long_value}), dir.path());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(ReadFile(dir / "S59AAA.cbr"), HasSubstr("SOAPBOX: " + long_value + "\r\n"));
}

}  // namespace
}  // namespace pelikan
