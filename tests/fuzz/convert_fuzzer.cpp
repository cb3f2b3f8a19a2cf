// SPDX-License-Identifier: GPL-3.0-or-later
// A whole conversion of arbitrary input, with the invariants that hold for
// every log and every field text.
//
// Input: the thirteen contest data fields, each ended by a NUL byte, then
// the log. Missing fields keep their start texts; CR and LF are taken out of
// them, as the front ends deliver single-line texts. The log is converted in
// memory and, for a share of the inputs, again read in pieces of random
// sizes from a file whose size changes while it is read: both runs must
// give the same. Half of the inputs are read as the kind they look like,
// the other half by one reader chosen by the input, listing, Cabrillo or
// ADIF, whatever they look like.

#include <sys/stat.h>

#include <algorithm>
#include <bitset>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>

#include "contest/cp1250.h"
#include "contest/file_name.h"
#include "engine/convert_log.h"

namespace {

// Files are written into a folder of their own, which goes when the process
// ends, a broken invariant included.
struct Folder {
  std::filesystem::path path = [] {
    std::string name = (std::filesystem::temp_directory_path() / "pelikan-fuzz-XXXXXX").string();
    return std::filesystem::path(::mkdtemp(name.data()));
  }();
  ~Folder() { Remove(); }
  void Remove() const {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};
const Folder& TheFolder() {
  static const Folder folder;
  return folder;
}

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  TheFolder().Remove();
  std::abort();
}

// The conversion in pieces costs as much as the one in memory and finds
// less, so a short input takes it one time in four. The input itself
// decides, so that a failure comes back when the input is replayed. Long
// inputs are only replayed, never fuzzed, and always take it.
bool AlsoInPieces(const std::uint8_t* data, std::size_t size) {
  return size > 4096 || std::hash<std::string_view>{}({reinterpret_cast<const char*>(data), size}) % 4 == 0;
}

// The real disk without the syncs, which would make every run wait; the log
// is a file read in pieces of random sizes that claims a size that may be
// wrong.
struct FuzzDisk : pelikan::FileSystem {
  static constexpr int kLogFd = 1 << 20;  // above any real descriptor
  std::string_view log;
  std::minstd_rand random;
  std::size_t at = 0;
  FuzzDisk(std::string_view text, std::uint32_t seed) : log(text), random(seed) {}
  int Sync(int) override { return 0; }
  int SyncFolder(const std::filesystem::path&) override { return 0; }
  int OpenForReading(const std::filesystem::path&) override { return kLogFd; }
  int Close(int fd) override { return fd == kLogFd ? 0 : FileSystem::Close(fd); }
  int Status(int, struct stat& info) override {
    const std::size_t claims[] = {log.size(), 0, log.size() / 2, log.size() + 1, log.size() * 2 + 7};
    info = {};
    info.st_mode = S_IFREG | 0644;
    info.st_size = static_cast<off_t>(claims[random() % 5]);
    return 0;
  }
  ssize_t Read(int, char* buffer, std::size_t size) override {
    // Mostly short pieces, so that every line end and CR LF falls on a boundary somewhere.
    const std::size_t piece = std::min({size, log.size() - at, 1 + random() % (random() % 4 ? 64 : 70000)});
    std::copy_n(log.data() + at, piece, buffer);
    at += piece;
    return static_cast<ssize_t>(piece);
  }
};

std::string ReadAndRemove(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string file{std::istreambuf_iterator<char>(in), {}};
  std::filesystem::remove(path);
  return file;
}

std::bitset<256> BytesOf(std::string_view text) {
  std::bitset<256> bytes;
  for (char c : text) bytes.set(static_cast<unsigned char>(c));
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view log(reinterpret_cast<const char*>(data), size);
  pelikan::ContestData d;
  std::string* const fields[] = {
      &d.Callsign,  &d.ContestName, &d.LicenceYear, &d.Category,           &d.CategoryOverlay, &d.Team,   &d.Club,
      &d.Operators, &d.EntrantName, &d.Street,      &d.PostalCodeAndPlace, &d.AddressExtra,    &d.Soapbox};
  for (std::size_t i = 0, end; i < 13 && (end = log.find('\0')) != std::string_view::npos; ++i) {
    fields[i]->assign(log.substr(0, end));
    std::erase_if(*fields[i], [](char c) { return c == '\r' || c == '\n'; });
    log.remove_prefix(end + 1);
  }
  // The front ends refuse a callsign that gives no name before converting.
  const std::optional<std::string> name = pelikan::CabrilloFileName(d);
  if (!name) return 0;
  Check(name->find('/') == std::string::npos && *name != "." && *name != "..", "the name stays in its folder");
  const std::filesystem::path path = TheFolder().path / *name;
  // Mostly the kind the log shows; as often, each reader on whatever it is.
  const std::size_t hash = std::hash<std::string_view>{}(log);
  const pelikan::LogFormat formats[] = {pelikan::LogFormat::kListing, pelikan::LogFormat::kCabrillo,
                                        pelikan::LogFormat::kAdif};
  const pelikan::LogFormat format = hash % 2 == 0 ? pelikan::LogFormat::kAuto : formats[hash / 2 % 3];
  FuzzDisk disk({}, 0);
  pelikan::ConversionResult result = pelikan::ConvertLog(log, d, format);
  const std::string made(result.Cabrillo());
  pelikan::WriteCabrilloFile(result, {}, path, disk);
  const std::string file = result.ok() ? ReadAndRemove(path) : std::string();
  Check(!result.ok() || file == made, "the file written is the file made");
  if (AlsoInPieces(data, size)) {
    FuzzDisk pieces(log, static_cast<std::uint32_t>(size * 2654435761u));
    const pelikan::ConversionResult read = pelikan::ConvertLogFile("log", d, format, pieces);
    Check(read.result_list == result.result_list && read.record_count == result.record_count &&
              read.claimed_score == result.claimed_score && read.Cabrillo() == made,
          "a log read in pieces converts as the same log in memory");
    // A conversion that failed made no file, and wrote none.
    Check(read.ok() == !made.empty() &&
              (read.ok() || (read.failure->kind == result.failure->kind && read.failure->line == result.failure->line)),
          "both fail alike");
  }

  if (!result.ok()) {
    // Only a callsign too long for a file name, a log beyond the limits or a
    // binary document.
    const pelikan::FailureKind kind = result.failure->kind;
    std::error_code error;
    Check((kind == pelikan::FailureKind::kCannotWriteFile && path.filename().string().size() > 255) ||
              kind == pelikan::FailureKind::kLineTooLong || kind == pelikan::FailureKind::kTooManyContacts ||
              (kind == pelikan::FailureKind::kNotALog && pelikan::BinaryDocumentKind(log)),
          "the conversion failed");
    Check(!std::filesystem::exists(path, error), "a failed run left a file");
    return 0;
  }

  const char* const tags[] = {
      "CALLSIGN: ", "CONTEST: ",   "LICENCE-YEAR: ", "CATEGORY: ", "CATEGORY-OVERLAY: ", "TEAM: ",
      "CLUB: ",     "OPERATORS: ", "NAME: ",         "ADDRESS: ",  "ADDRESS: ",          "ADDRESS: "};
  std::string header = "START-OF-LOG: Beta 2.2\r\nCREATED-BY: PELIKAN by QAZMIX\r\n", all_fields = d.Soapbox;
  for (int i = 0; i < 12; ++i) {
    if (i == 7) header += "CLAIMED-SCORE: " + std::to_string(result.claimed_score) + "\r\n";
    header += tags[i] + *fields[i] + "\r\n";
    all_fields += *fields[i];
  }
  // The header's empty soapbox entry gives way to the log's own lines.
  const std::string soapbox = "SOAPBOX: " + d.Soapbox + "\r\n";
  Check(file.starts_with(header) && (file.compare(header.size(), soapbox.size(), soapbox) == 0 ||
                                     (d.Soapbox.empty() && file.compare(header.size(), 7, "SOAPBOX") == 0 &&
                                      file.find("\r\n", header.size()) > header.size() + 10)),
        "the header lines stand in order, then its soapbox line or the log's first");
  Check(file.ends_with("END-OF-LOG:\r\n"), "the file ends with END-OF-LOG: and CR LF");
  int qso_lines = 0;
  for (std::size_t at = 0, end; at < file.size(); at = end + 2) {
    Check((end = file.find("\r\n", at)) != std::string::npos, "every line ends with CR LF");
    qso_lines += file.compare(at, 4, "QSO:") == 0;
  }
  Check(qso_lines == result.record_count, "one QSO line per contact");
  Check(result.duplicates >= 0 && result.duplicates == result.record_count - result.cw_contacts - result.ph_contacts,
        "duplicates are the contacts beyond the distinct calls");
  Check(result.claimed_score == (2LL * result.cw_contacts + result.ph_contacts) *
                                    (std::int64_t{result.cw_multipliers} + result.ph_multipliers),
        "score = points x multipliers");
  Check(result.result_list.back().starts_with("Skupaj  "), "the summary closes the list");
  std::size_t on_lines = 0;
  for (std::size_t i = 0; i < result.notes.size(); ++i) {
    const pelikan::LogNote& note = result.notes[i];
    Check((i == 0 || note.line >= result.notes[i - 1].line) && note.text.size() <= pelikan::kMaxNoteText &&
              (note.line == 0 || note.IsWarning()),
          "notes in line order, their text cut, information on the whole log");
    on_lines += note.line > 0;
  }
  Check(on_lines <= pelikan::kMaxNotes, "notes are capped");
  Check((result.record_count == 0) ==
            std::any_of(result.notes.begin(), result.notes.end(),
                        [](const pelikan::LogNote& note) { return note.kind == pelikan::NoteKind::kNoContact; }),
        "a log without contacts is warned of");
  // Every byte of the file comes from the log (as Windows-1250), a field or the program's own words.
  const std::optional<std::string> recoded = pelikan::Utf8LogAsCp1250(log);
  const std::bitset<256> allowed =
      BytesOf(recoded ? *recoded : log) | BytesOf(all_fields) |
      BytesOf(
          "START-OF-LOG: Beta 2.2 CREATED-BY: PELIKAN by QAZMIX CALLSIGN CONTEST LICENCE-YEAR CATEGORY-OVERLAY "
          "TEAM CLUB CLAIMED-SCORE OPERATORS NAME ADDRESS SOAPBOX QSO END-OF-LOG 0123456789 CW PH ?\r\n");
  Check((BytesOf(file) & ~allowed).none(), "no byte from nowhere");
  return 0;
}
