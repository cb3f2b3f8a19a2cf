// SPDX-License-Identifier: GPL-3.0-or-later
// A whole conversion of arbitrary input, with the invariants that hold for
// every log and every field text.
//
// Input: the thirteen contest data fields, each ended by a NUL byte, then
// the log. Missing fields keep their start texts. The front ends deliver
// single-line field texts, so CR and LF are taken out of the fields.
//
// The log is converted twice: in memory, and read through the file system
// layer in pieces of random sizes from a file whose size changes while it
// is read. Both runs must give the same.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "contest/contest_data.h"
#include "engine/convert_log.h"
#include "engine/utf8_log.h"

namespace {

using pelikan::ContestData;

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

const std::filesystem::path& OutputDir() {
  static const std::filesystem::path dir = [] {
    std::string name = (std::filesystem::temp_directory_path() / "pelikan-fuzz-XXXXXX").string();
    Check(::mkdtemp(name.data()) != nullptr, "temporary folder");
    return std::filesystem::path(name);
  }();
  return dir;
}

// The real disk without the syncs, which would make every run wait for them.
class UnsyncedFileSystem : public pelikan::FileSystem {
 public:
  int Sync(int) override { return 0; }
  int SyncFolder(const std::filesystem::path&) override { return 0; }
};

// The log as a file read in pieces of random sizes. The file claims a size
// that may be wrong, as a file that grows or shrinks while read does.
class ChunkedLog : public UnsyncedFileSystem {
 public:
  static constexpr int kLogFd = 1 << 20;  // above any real descriptor
  ChunkedLog(std::string_view log, std::uint32_t seed) : log_(log), random_(seed) {}

  int OpenForReading(const std::filesystem::path&) override { return kLogFd; }
  int Status(int fd, struct stat& info) override {
    if (fd != kLogFd) return UnsyncedFileSystem::Status(fd, info);
    info = {};
    info.st_mode = S_IFREG | 0644;
    const std::size_t size = log_.size();
    const std::size_t claims[] = {size, 0, size / 2, size + 1, size * 2 + 7};
    info.st_size = static_cast<off_t>(claims[random_() % std::size(claims)]);
    return 0;
  }
  ssize_t Read(int fd, char* buffer, std::size_t size) override {
    if (fd != kLogFd) return UnsyncedFileSystem::Read(fd, buffer, size);
    // Mostly short pieces, sometimes long ones, so that every line end and
    // every CR LF falls on a boundary somewhere.
    const std::size_t longest = random_() % 4 == 0 ? 70000 : 64;
    const std::size_t piece = std::min({size, log_.size() - at_, 1 + random_() % longest});
    std::copy_n(log_.data() + at_, piece, buffer);
    at_ += piece;
    return static_cast<ssize_t>(piece);
  }
  int Close(int fd) override { return fd == kLogFd ? 0 : UnsyncedFileSystem::Close(fd); }

 private:
  std::string_view log_;
  std::size_t at_ = 0;
  std::minstd_rand random_;
};

std::string ReadAndRemove(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::filesystem::remove(path);
  return file;
}

std::string SingleLine(std::string_view text) {
  std::string line;
  for (char c : text) {
    if (c != '\r' && c != '\n') line.push_back(c);
  }
  return line;
}

std::bitset<256> BytesOf(std::string_view text) {
  std::bitset<256> bytes;
  for (char c : text) bytes.set(static_cast<unsigned char>(c));
  return bytes;
}

// Every byte the program writes of its own.
constexpr std::string_view kOwnText =
    "START-OF-LOG: Beta 2.2 CREATED-BY: PELIKAN by QAZMIX CALLSIGN CONTEST LICENCE-YEAR "
    "CATEGORY-OVERLAY TEAM CLUB CLAIMED-SCORE OPERATORS NAME ADDRESS SOAPBOX QSO "
    "END-OF-LOG 0123456789 CW PH \r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  ContestData fields;
  const std::array<std::string*, 13> targets = {
      &fields.Callsign, &fields.ContestName, &fields.LicenceYear, &fields.Category,
      &fields.CategoryOverlay, &fields.Team, &fields.Club, &fields.Operators,
      &fields.EntrantName, &fields.Street, &fields.PostalCodeAndPlace, &fields.AddressExtra,
      &fields.Soapbox};
  for (std::string* target : targets) {
    const std::size_t end = input.find('\0');
    if (end == std::string_view::npos) break;
    *target = SingleLine(input.substr(0, end));
    input.remove_prefix(end + 1);
  }
  std::string all_fields;
  for (const std::string* field : targets) all_fields += *field;
  const std::string_view log = input;

  // The front ends refuse a callsign that gives no name before converting.
  const std::optional<std::string> name = pelikan::CabrilloFileName(fields.Callsign);
  if (!name) return 0;
  Check(name->find('/') == std::string::npos && *name != "." && *name != "..", "the name stays in its folder");
  const std::filesystem::path output_path = OutputDir() / *name;

  static UnsyncedFileSystem file_system;
  const pelikan::ConversionResult result = pelikan::ConvertLogText(log, fields, output_path, file_system);
  const std::string file = result.ok() ? ReadAndRemove(output_path) : std::string();

  ChunkedLog chunked(log, static_cast<std::uint32_t>(std::hash<std::string_view>()(input)));
  const pelikan::ConversionResult read = pelikan::ConvertLog("log", fields, output_path, chunked);
  Check(read.ok() == result.ok() && read.result_list == result.result_list &&
            read.record_count == result.record_count && read.claimed_score == result.claimed_score,
        "a log read in pieces converts as the same log in memory");
  if (read.ok()) Check(ReadAndRemove(output_path) == file, "the same file from pieces as from memory");

  if (!result.ok()) {
    // A callsign too long for a file name, or a log beyond the limits.
    const pelikan::FailureKind kind = result.failure->kind;
    Check((kind == pelikan::FailureKind::kCannotWriteFile && output_path.filename().string().size() > 255) ||
              kind == pelikan::FailureKind::kLineTooLong || kind == pelikan::FailureKind::kTooManyContacts,
          "the conversion failed");
    Check(kind == read.failure->kind && result.failure->line == read.failure->line, "both fail alike");
    std::error_code error;
    Check(!std::filesystem::exists(output_path, error), "a failed run left a file");
    return 0;
  }

  Check(file.ends_with("END-OF-LOG:\r\n"), "the file ends with END-OF-LOG: and CR LF");
  const std::array<std::string, 16> header = {
      "START-OF-LOG: Beta 2.2", "CREATED-BY: PELIKAN by QAZMIX", "CALLSIGN: " + fields.Callsign,
      "CONTEST: " + fields.ContestName, "LICENCE-YEAR: " + fields.LicenceYear,
      "CATEGORY: " + fields.Category, "CATEGORY-OVERLAY: " + fields.CategoryOverlay,
      "TEAM: " + fields.Team, "CLUB: " + fields.Club,
      "CLAIMED-SCORE: " + std::to_string(result.claimed_score), "OPERATORS: " + fields.Operators,
      "NAME: " + fields.EntrantName, "ADDRESS: " + fields.Street,
      "ADDRESS: " + fields.PostalCodeAndPlace, "ADDRESS: " + fields.AddressExtra,
      "SOAPBOX: " + fields.Soapbox};
  std::size_t at = 0;
  int qso_lines = 0;
  int line_number = 0;
  while (at < file.size()) {
    const std::size_t end = file.find("\r\n", at);
    Check(end != std::string::npos, "every line ends with CR LF");
    const std::string_view line(file.data() + at, end - at);
    if (line_number < 15) {
      Check(line == header[line_number], "the header lines stand in order");
    } else if (line_number == 15) {
      // The header's empty soapbox entry gives way to the log's own lines.
      Check(line == header[15] || (fields.Soapbox.empty() && line.starts_with("SOAPBOX") && line.size() > 10),
            "the header's soapbox line or the log's first");
    }
    if (line.starts_with("QSO:")) ++qso_lines;
    ++line_number;
    at = end + 2;
  }
  Check(qso_lines == result.record_count, "one QSO line per contact");
  Check(result.duplicates == result.record_count - (result.cw_contacts + result.ph_contacts),
        "duplicates are the contacts beyond the distinct calls");
  Check(result.duplicates >= 0, "no negative duplicate count");
  Check(result.claimed_score == (2LL * result.cw_contacts + result.ph_contacts) *
                                    (std::int64_t{result.cw_multipliers} + result.ph_multipliers),
        "score = points x multipliers");
  Check(result.result_list.back().starts_with("Skupaj  "), "the summary closes the list");

  int previous_line = 0;
  for (const pelikan::LogNote& note : result.notes) {
    Check(note.line > previous_line || (note.line == 0 && !note.IsWarning()), "notes in line order");
    Check(note.text.size() <= pelikan::kMaxNoteText, "a note's text is cut");
    previous_line = note.line;
  }
  Check(result.notes.size() <= pelikan::kMaxNotes, "notes are capped");

  // A UTF-8 log reaches the file as Windows-1250.
  const std::optional<std::string> recoded = pelikan::Utf8LogAsCp1250(log);
  const std::bitset<256> allowed =
      BytesOf(recoded ? *recoded : log) | BytesOf(all_fields) | BytesOf(kOwnText);
  Check((BytesOf(file) & ~allowed).none(), "no byte from nowhere");
  return 0;
}
