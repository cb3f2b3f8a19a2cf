// A whole conversion of arbitrary input, with the invariants that hold for
// every log and every field text.
//
// Input: the thirteen contest data fields, each ended by a NUL byte, then
// the log. Missing fields keep their start texts. The front ends deliver
// single-line field texts, so CR and LF are taken out of the fields.

#include <unistd.h>

#include <array>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
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

// The real disk without the sync, which would make every run wait for it.
class UnsyncedFileSystem : public pelikan::FileSystem {
 public:
  int Sync(int) override { return 0; }
};

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

  static UnsyncedFileSystem file_system;
  const pelikan::ConversionResult result = pelikan::ConvertLogText(log, fields, OutputDir(), file_system);
  if (!result.ok()) {
    // The only way a fuzz input can fail: a callsign too long for a file name.
    Check(result.failure->kind == pelikan::FailureKind::kCannotWriteFile &&
              result.output_path.filename().string().size() > 255,
          "the conversion failed");
    std::error_code error;
    Check(!std::filesystem::exists(result.output_path, error), "a failed run left a file");
    return 0;
  }

  std::ifstream in(result.output_path, std::ios::binary);
  const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::filesystem::remove(result.output_path);

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
