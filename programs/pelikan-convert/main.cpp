// SPDX-License-Identifier: GPL-3.0-or-later
// pelikan-convert: the headless front end. Converts one log into a Cabrillo
// file with the contest data given as options, for scripts and batch use.

#include <getopt.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "contest/contest_data.h"
#include "contest/editing_rules.h"
#include "engine/convert_log.h"
#include "engine/cp1250.h"
#include "engine/huge_pages.h"
#include "engine/utf8_log.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitWarnings = 3;
constexpr int kExitOutputFailed = 4;

// One contest data field as a command-line option.
struct FieldOption {
  const char* name;
  std::string pelikan::ContestData::*field;
  int text1_index;  // -1 for the two combo boxes, which have no leaving rules
  bool required;
};

constexpr std::array<FieldOption, 13> kFieldOptions = {{
    {"callsign", &pelikan::ContestData::Callsign, 0, true},
    {"contest", &pelikan::ContestData::ContestName, 1, false},
    {"licence-year", &pelikan::ContestData::LicenceYear, 2, true},
    {"category", &pelikan::ContestData::Category, -1, true},
    {"category-overlay", &pelikan::ContestData::CategoryOverlay, -1, false},
    {"team", &pelikan::ContestData::Team, 3, false},
    {"club", &pelikan::ContestData::Club, 4, false},
    {"operators", &pelikan::ContestData::Operators, 5, false},
    {"name", &pelikan::ContestData::EntrantName, 6, true},
    {"street", &pelikan::ContestData::Street, 7, true},
    {"postal-code-and-place", &pelikan::ContestData::PostalCodeAndPlace, 8, true},
    {"address-extra", &pelikan::ContestData::AddressExtra, 9, false},
    {"soapbox", &pelikan::ContestData::Soapbox, 10, false},
}};

constexpr const char* kUsage =
    "Usage: pelikan-convert [options] LOGFILE\n"
    "Converts a contest log into a Cabrillo file named after the callsign.\n"
    "\n"
    "Contest data (each takes one text; * marks the required ones):\n"
    "  --callsign TEXT               * own call sign (default \"S5\")\n"
    "  --contest TEXT                  contest (default \"KV prvenstvo ZRS\")\n"
    "  --licence-year TEXT           * licence year, the sent exchange\n"
    "  --category TEXT               * category, e.g. \"SINGLE-OP 80M LOW CW\"\n"
    "  --category-overlay TEXT         category overlay\n"
    "  --team TEXT                     team\n"
    "  --club TEXT                     club call sign\n"
    "  --operators TEXT                operators, separated by commas\n"
    "  --name TEXT                   * name\n"
    "  --street TEXT                 * street and number\n"
    "  --postal-code-and-place TEXT  * postal code and place\n"
    "  --address-extra TEXT            a further address line\n"
    "  --soapbox TEXT                  soapbox\n"
    "\n"
    "  --output-dir DIR                where the .cbr file goes (default: here)\n"
    "  --check                         convert and report, but write no file\n"
    "  --strict                        exit with status 3 when there were warnings\n"
    "  --help                          show this text\n"
    "  --version                       show the version and the licence\n"
    "\n"
    "The result list goes to standard output, the processed-records message to\n"
    "standard error. Before it, standard error has a line LOGFILE:LINE: warning:\n"
    "for every log line that looks like a contact but was not converted, or whose\n"
    "QSO line has a faulty piece. Exit status: 0 done, 1 the conversion failed\n"
    "(no file written), 2 wrong options, missing contest data or a callsign that\n"
    "gives no file name, 3 done with warnings under --strict, 4 the Cabrillo file\n"
    "was written but standard output failed.\n";

constexpr const char* kVersion =
    "pelikan-convert (Pelikan) " PELIKAN_VERSION "\n"
    "Copyright (C) 2026 the Pelikan developers.\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "pelikan-convert: %s\n%s", message.c_str(), kUsage);
  return kExitUsage;
}

// Writes `lines` as UTF-8, one to a line, gathered into blocks so that a
// long result list costs a few writes: each system call is dear on a
// virtual machine, and 64 KiB blocks cost seventy for a large log.
template <typename Lines>
void PrintLines(std::FILE* stream, const Lines& lines) {
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  std::string utf8;
  utf8.reserve(kBlock + 1024);
  for (std::string_view line : lines) {
    pelikan::AppendCp1250AsUtf8Text(line, utf8);
    utf8 += '\n';
    if (utf8.size() >= kBlock) {
      std::fwrite(utf8.data(), 1, utf8.size(), stream);
      utf8.clear();
    }
  }
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

std::string Utf8Of(std::string_view cp1250) {
  std::string utf8;
  pelikan::AppendCp1250AsUtf8Text(cp1250, utf8);
  return utf8;
}

// A path as the messages show it: its bytes as UTF-8, a "�" for each byte
// that is not.
std::string ShownPath(std::string_view path) {
  std::string shown;
  shown.reserve(path.size());
  while (!path.empty()) {
    const std::size_t length = pelikan::Utf8SequenceLength(path);
    shown += length == 0 ? std::string_view("\xEF\xBF\xBD") : path.substr(0, length);
    path.remove_prefix(std::max<std::size_t>(length, 1));
  }
  return shown;
}

// The pieces of a faulty QSO line, as "time, date and exchange".
std::string PieceNames(unsigned pieces) {
  static constexpr std::array<std::pair<unsigned, const char*>, 7> kNames = {{
      {pelikan::kQsoFrequency, "frequency"},
      {pelikan::kQsoMode, "mode"},
      {pelikan::kQsoDate, "date"},
      {pelikan::kQsoTime, "time"},
      {pelikan::kQsoWorkedCall, "worked call"},
      {pelikan::kQsoReceivedReport, "received report"},
      {pelikan::kQsoExchange, "exchange"},
  }};
  std::vector<std::string_view> names;
  for (const auto& [piece, name] : kNames) {
    if (pieces & piece) names.push_back(name);
  }
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

std::string NoteText(const pelikan::LogNote& note) {
  const std::string line = Utf8Of(note.text);
  switch (note.kind) {
    case pelikan::NoteKind::kContactBeforeColumns:
      return "looks like a contact but was not converted: no 599 or 59 field came before it: " + line;
    case pelikan::NoteKind::kContactTooShort:
      return "looks like a contact but was not converted: fewer than 8 fields: " + line;
    case pelikan::NoteKind::kFaultyQsoLine:
      return "the QSO line has a faulty " + PieceNames(note.faulty_pieces) + ": " + line;
    case pelikan::NoteKind::kReadAsUtf8:
      return "the log is UTF-8; converted to Windows-1250 before reading";
  }
  return {};
}

// One line per note on standard error, in the form editors jump to.
void PrintNotes(const pelikan::ConversionResult& result, const std::string& log_path) {
  for (const pelikan::LogNote& note : result.notes) {
    const std::string where =
        note.IsWarning() ? log_path + ":" + std::to_string(note.line) + ": warning: " : log_path + ": note: ";
    // Written whole: a log line may hold a NUL byte, where printf would stop.
    const std::string text = where + NoteText(note) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
  }
  if (result.notes_not_kept > 0) {
    std::fprintf(stderr, "%s: warning: %d more warnings not shown\n", log_path.c_str(), result.notes_not_kept);
  }
}

std::string FailureMessage(const pelikan::ConversionFailure& failure, const std::string& log_path) {
  const std::string path = ShownPath(failure.path.string());
  const std::string& reason = failure.reason;
  switch (failure.kind) {
    case pelikan::FailureKind::kCannotReadLog:
      return "cannot read the log " + path + ": " + reason;
    case pelikan::FailureKind::kCannotWriteFile:
      return "cannot write " + path + ": " + reason + "; no file written";
    case pelikan::FailureKind::kTooManyContacts:
      return log_path + " holds more than " + std::to_string(pelikan::kMaxRecords) + " contacts; no file written";
    case pelikan::FailureKind::kLogNotAFile:
      return path + " is not a regular file; no file written";
    case pelikan::FailureKind::kLogTooLarge:
      return path + " is larger than " + std::to_string(pelikan::kMaxLogBytes >> 20) + " MiB; no file written";
    case pelikan::FailureKind::kLineTooLong:
      return "line " + std::to_string(failure.line) + " of " + path + " is longer than " +
             std::to_string(pelikan::kMaxLineBytes) + " bytes; no file written";
    case pelikan::FailureKind::kOutOfMemory:
      return "out of memory while converting " + path + "; no file written";
  }
  return {};
}

// The name of an option as written in `argument` ("--colour=red" gives
// "colour").
std::string_view OptionName(std::string_view argument) {
  argument.remove_prefix(std::min(argument.find_first_not_of('-'), argument.size()));
  return argument.substr(0, argument.find('='));
}

// A signal that ends the run takes the named temporary file with it, then
// ends the program as the signal would have.
void EndBySignal(int signal) {
  pelikan::RemoveNamedTemporaryFile();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

int main(int argc, char* argv[]) {
#if !defined(__EMSCRIPTEN__)  // a WebAssembly heap has no pages to ask for
  pelikan::PreferHugePagesForHeap();
#endif
  std::signal(SIGINT, EndBySignal);
  std::signal(SIGTERM, EndBySignal);

  // Long options only, with one dash or two, each value after "=" or as the
  // next argument; the log may stand anywhere among them. Field i is option
  // i + 1, as getopt reports a fault of an unknown option as option 0.
  enum OtherOption { kOutputDirOption = static_cast<int>(kFieldOptions.size()) + 1, kCheckOption, kStrictOption, kHelpOption, kVersionOption };
  std::vector<option> options;
  for (const FieldOption& field : kFieldOptions) {
    options.push_back({field.name, required_argument, nullptr, static_cast<int>(options.size()) + 1});
  }
  options.push_back({"output-dir", required_argument, nullptr, kOutputDirOption});
  options.push_back({"check", no_argument, nullptr, kCheckOption});
  options.push_back({"strict", no_argument, nullptr, kStrictOption});
  options.push_back({"help", no_argument, nullptr, kHelpOption});
  options.push_back({"version", no_argument, nullptr, kVersionOption});
  options.push_back({});

  std::array<const char*, kFieldOptions.size()> values{};  // the last value given, as its bytes
  const char* output_dir = ".";
  bool check = false;
  bool strict = false;
  bool help = false;
  bool version = false;
  opterr = 0;  // the messages below name the option as written
  for (int found; (found = getopt_long_only(argc, argv, "", options.data(), nullptr)) != -1;) {
    // The option as written: the argument before its value when that came
    // apart.
    const bool value_apart = found != '?' && optarg != nullptr && optarg == argv[optind - 1];
    const std::string_view argument = argv[optind - (value_apart ? 2 : 1)];
    const int which = found == '?' ? optopt : found;  // 0 for an unknown option
    // getopt also takes an unambiguous abbreviation; names count only whole,
    // so that a mistyped option is never read as another.
    if (which == 0 || OptionName(argument) != options[static_cast<std::size_t>(which) - 1].name) {
      return UsageError("Unknown option '" + std::string(OptionName(argument)) + "'.");
    }
    if (found == '?') {
      if (options[static_cast<std::size_t>(which) - 1].has_arg == no_argument) {
        return UsageError("Unexpected value after '" + std::string(argument.substr(0, argument.find('='))) + "'.");
      }
      return UsageError("Missing value after '" + std::string(argument) + "'.");
    }
    switch (found) {
      case kOutputDirOption: output_dir = optarg; break;
      case kCheckOption: check = true; break;
      case kStrictOption: strict = true; break;
      case kHelpOption: help = true; break;
      case kVersionOption: version = true; break;
      default: values[static_cast<std::size_t>(found) - 1] = optarg;
    }
  }
  if (help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (version) {
    std::fputs(kVersion, stdout);
    return 0;
  }
  if (argc - optind != 1) return UsageError(optind == argc ? "no LOGFILE given" : "only one LOGFILE is taken");
  // Paths are taken as the bytes given, whatever their encoding.
  const std::string log_path = argv[optind];
  if (!pelikan::Cp1250TableReady()) {
    std::fputs("pelikan-convert: the C library cannot convert Windows-1250 (CP1250)\n", stderr);
    return kExitFailed;
  }

  pelikan::ContestData data;
  std::string missing;
  for (std::size_t i = 0; i < kFieldOptions.size(); ++i) {
    const FieldOption& field = kFieldOptions[i];
    if (values[i] != nullptr) {
      // A text for the file must be UTF-8.
      std::optional<std::string> typed = pelikan::Utf8AsCp1250Text(values[i]);
      if (!typed) return UsageError(std::string("--") + field.name + " is not valid UTF-8");
      // A text box holds one line; a line break in a value would break the
      // header's lines apart.
      std::replace_if(typed->begin(), typed->end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
      data.*field.field = field.text1_index < 0 ? *typed : pelikan::TextAfterLeaving(field.text1_index, *typed);
    }
    if (field.required && (data.*field.field).empty()) missing += (missing.empty() ? "--" : ", --") + std::string(field.name);
  }
  if (!missing.empty()) {
    std::fprintf(stderr, "pelikan-convert: missing contest data: %s\n", missing.c_str());
    return kExitUsage;
  }

  // Named after the callsign as the field shows it once left, in the file
  // system's encoding.
  const std::string callsign = Utf8Of(data.Callsign);
  const std::optional<std::string> file_name = pelikan::CabrilloFileName(callsign);
  if (!file_name) {
    std::fprintf(stderr, "pelikan-convert: the callsign \"%s\" gives no file name\n", callsign.c_str());
    return kExitUsage;
  }

  const std::string log_shown = ShownPath(log_path);
  const pelikan::ConversionResult result =
      check ? pelikan::CheckLog(log_path, data)
            : pelikan::ConvertLog(log_path, data, std::filesystem::path(output_dir) / *file_name);

  PrintLines(stdout, result.result_list);
  const bool output_failed = std::fflush(stdout) != 0 || std::ferror(stdout);
  const int output_error = errno;
  PrintNotes(result, log_shown);
  if (result.failure) {
    std::fprintf(stderr, "pelikan-convert: %s\n", FailureMessage(*result.failure, log_shown).c_str());
    return kExitFailed;
  }
  PrintLines(stderr, std::array<std::string_view, 1>{result.processed_message});
  if (output_failed) {
    std::fprintf(stderr, "pelikan-convert: %s standard output failed: %s\n",
                 check ? "the log was checked, but" : "the Cabrillo file was written, but",
                 std::strerror(output_error));
    return kExitOutputFailed;
  }
  return strict && result.WarningCount() > 0 ? kExitWarnings : 0;
}
